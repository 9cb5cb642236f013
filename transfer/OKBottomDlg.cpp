#include "transfer/OKBottomDlg.h"

#include "common/FormFont.h"

#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace {

// Result codes of exec(); Rejected (Esc, the close box) is Cancel.
constexpr int kYes = QDialog::Accepted;
constexpr int kNo = 2;

QLabel* centredText(QWidget* parent, const char* name, const QString& text, QRect bounds) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(bounds);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, QRect bounds) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(bounds);
    return b;
}

} // namespace

TOKBottomDlg::TOKBottomDlg(QComboBox* firmwareList, std::function<void()> onHidden, QWidget* parent)
    : QDialog(parent), firmwareList_(firmwareList), onHidden_(std::move(onHidden)) {
    setObjectName("OKBottomDlg");
    setWindowTitle("Dialog");
    setFont(FormFont());
    setFixedSize(313, 244);
    setModal(true);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 297, 193);

    StaticText3 = centredText(this, "StaticText3", "Please read this text!!!", {56, 16, 186, 28});
    QFont big = StaticText3->font();
    big.setPixelSize(19);
    StaticText3->setFont(big);
    StaticText1 = centredText(
        this, "StaticText1",
        "You're trying to upload UFIF 2.0 version program! This is an older format and it may "
        "not work on some VIR3 firmwares. Do you want to convert this program to UFIF 2.1 - "
        "compatible format?",
        {16, 48, 281, 57});
    StaticText2 = centredText(
        this, "StaticText2",
        "If you using VIR3 MOD and want to convert this program select correct firmware and "
        "press \"Yes\" button. Press \"No\" if you still using ZUV2 MOD, or simply want to "
        "upload program \"as is\" without converting.",
        {16, 136, 281, 57});

    OKBtn = button(this, "OKBtn", "Yes", {47, 212, 75, 25});
    Button1 = button(this, "Button1", "No", {127, 212, 75, 25});
    CancelBtn = button(this, "CancelBtn", "Cancel", {207, 212, 75, 25});
    connect(OKBtn, &QPushButton::clicked, this, [this] { done(kYes); });
    connect(Button1, &QPushButton::clicked, this, [this] { done(kNo); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrder(OKBtn, Button1);
    setTabOrder(Button1, CancelBtn);
}

// A dialog destroyed while it holds the list must not take the list with it.
TOKBottomDlg::~TOKBottomDlg() {
    giveListBack();
}

ConversionAnswer TOKBottomDlg::ask() {
    switch (exec()) {
    case kYes:
        return ConversionAnswer::Yes;
    case kNo:
        return ConversionAnswer::No;
    default:
        return ConversionAnswer::Cancel;
    }
}

void TOKBottomDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TOKBottomDlg::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        FormHide();
}

void TOKBottomDlg::FormShow() {
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    OKBtn->setFocus();
    if (!firmwareList_ || listLent_)
        return;
    listParent_ = firmwareList_->parentWidget();
    listPos_ = firmwareList_->pos();
    listWasHidden_ = firmwareList_->isHidden();
    listLent_ = true;
    firmwareList_->setParent(this);
    firmwareList_->move(StaticText1->x(), StaticText1->y() + StaticText1->height() + 2);
    firmwareList_->show();
    setTabOrder(OKBtn, firmwareList_);
    setTabOrder(firmwareList_, Button1);
}

void TOKBottomDlg::FormHide() {
    giveListBack();
    if (onHidden_)
        onHidden_();
}

void TOKBottomDlg::giveListBack() {
    if (!listLent_)
        return;
    listLent_ = false;
    if (!firmwareList_)
        return;
    firmwareList_->setParent(listParent_);
    firmwareList_->move(listPos_);
    firmwareList_->setVisible(!listWasHidden_);
}
