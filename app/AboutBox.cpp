#include "app/AboutBox.h"

#include "app/BevelPanel.h"
#include "common/FormFont.h"

#include <QLabel>
#include <QPushButton>

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutBox");
    setWindowTitle("About");
    setFont(FormFont());
    setFixedSize(298, 213);
    setWindowFlags(windowFlags() | Qt::MSWindowsFixedSizeDialogHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Panel1 = new BevelPanel(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(8, 8, 281, 161);

    ProductName = new QLabel("REZ3 Adeduze 1.8", Panel1);
    ProductName->setObjectName("ProductName");
    ProductName->move(8, 16);
    ProductName->adjustSize();

    Version = new QLabel("Simple application for view and modify NVM sections used by poplular "
                         "RUZ-series firmware MOD for Sony Jxx phones.",
                         Panel1);
    Version->setObjectName("Version");
    Version->setWordWrap(true);
    Version->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Version->setGeometry(8, 40, 248, Version->heightForWidth(248));

    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setGeometry(111, 180, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}
