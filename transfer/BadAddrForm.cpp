#include "transfer/BadAddrForm.h"

#include "common/FormFont.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

TBadAddrForm::TBadAddrForm(QWidget* parent) : QDialog(parent) {
    setObjectName("BadAddrForm");
    setWindowTitle("BadAddrForm");
    setFont(FormFont());
    resize(363, 349);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setGeometry(8, 8, 337, 273);
    Memo1->setPlainText("Memo1");

    Button1 = new QPushButton("OK", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(136, 288, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

void TBadAddrForm::showLines(const std::vector<std::string>& lines) {
    QStringList text;
    for (const std::string& line : lines)
        text << QString::fromStdString(line);
    Memo1->setPlainText(text.join('\n'));
    exec();
}
