#include "modext/PrefForm.h"

#include "common/FormFont.h"
#include "common/Command.h"
#include "modext/PrefActions.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <array>

namespace {

constexpr std::array<const char*, 3> kMenuModes{"Only programs", "Progs and data", "Show all"};

QLabel* label(QWidget* parent, const char* name, const QString& text, QPoint at) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->move(at);
    l->adjustSize();
    return l;
}

QLineEdit* edit(QWidget* parent, const char* name, QRect bounds) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setGeometry(bounds);
    return e;
}

// Enter in an edit must not press a button: "Update" writes to the phone.
QPushButton* button(QWidget* parent, const char* name, const QString& text, QRect bounds) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(bounds);
    b->setAutoDefault(false);
    return b;
}

} // namespace

TPrefForm::TPrefForm(CommandContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("PrefForm");
    setWindowTitle("RUZ Mod Parameters");
    setFont(FormFont());
    resize(253, 179);

    RG1 = new QGroupBox("Menu show mode", this);
    RG1->setObjectName("RG1");
    RG1->setGeometry(8, 8, 113, 81);
    rg1Items_ = new QButtonGroup(this);
    for (int i = 0; i < static_cast<int>(kMenuModes.size()); ++i) {
        auto* item = new QRadioButton(kMenuModes[static_cast<size_t>(i)], RG1);
        item->setObjectName(QString("RG1Item%1").arg(i));
        item->setGeometry(8, 16 + 20 * i, 100, 20);
        rg1Items_->addButton(item, i);
    }

    GroupBox1 = new QGroupBox("Autorun (VIR3b3)", this);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setGeometry(128, 8, 113, 81);
    ACheckBox = new QCheckBox("Enabled", GroupBox1);
    ACheckBox->setObjectName("ACheckBox");
    ACheckBox->setGeometry(8, 16, 65, 17);
    Label3 = label(GroupBox1, "Label3", "Program section:", {8, 36});
    AsEdit = edit(GroupBox1, "AsEdit", {56, 52, 25, 21});
    AssEdit = edit(GroupBox1, "AssEdit", {80, 52, 25, 21});

    Label1 = label(this, "Label1", "UFIF2-Library section:", {8, 100});
    // As in the main window's check box: the fallback face is a little wider
    // than the original one, and the caption must end before sEdit begins.
    QFont narrow = Label1->font();
    narrow.setStretch(QFont::SemiCondensed);
    Label1->setFont(narrow);
    sEdit = edit(this, "sEdit", {110, 96, 25, 21});
    ssEdit = edit(this, "ssEdit", {134, 96, 25, 21});
    Label2 = new QLabel("(ZUV2 2b9 or higher)", this);
    Label2->setObjectName("Label2");
    QFont small = Label2->font();
    small.setPixelSize(9);
    Label2->setFont(small);
    Label2->move(158, 102);
    Label2->adjustSize();

    Button1 = button(this, "Button1", "Update", {72, 120, 75, 25});
    Button2 = button(this, "Button2", "Cancel", {152, 120, 75, 25});
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    PrefControls& prefs = ctx_.state.prefs;
    connect(rg1Items_, &QButtonGroup::idClicked, this, [&prefs](int id) { prefs.RG1 = id; });
    connect(ACheckBox, &QCheckBox::clicked, this, [this] { ACheckBoxClick(); });
    const auto bind = [this](QLineEdit* control, std::string PrefControls::*field) {
        connect(control, &QLineEdit::textChanged, this, [this, field](const QString& text) {
            if (!refreshing_)
                ctx_.state.prefs.*field = text.toStdString();
        });
    };
    bind(sEdit, &PrefControls::sEdit);
    bind(ssEdit, &PrefControls::ssEdit);
    bind(AsEdit, &PrefControls::AsEdit);
    bind(AssEdit, &PrefControls::AssEdit);

    refreshFromState();
}

void TPrefForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TPrefForm::FormShow() {
    RunCommand(ctx_, [this] { GetPrefActionExecute(ctx_); });
    refreshFromState();
}

void TPrefForm::ACheckBoxClick() {
    PrefControls& prefs = ctx_.state.prefs;
    prefs.ACheckBox = ACheckBox->isChecked();
    prefs.autorunEditsVisible = prefs.ACheckBox;
    AsEdit->setVisible(prefs.autorunEditsVisible);
    AssEdit->setVisible(prefs.autorunEditsVisible);
}

void TPrefForm::refreshFromState() {
    const PrefControls& prefs = ctx_.state.prefs;
    refreshing_ = true;
    sEdit->setText(QString::fromStdString(prefs.sEdit));
    ssEdit->setText(QString::fromStdString(prefs.ssEdit));
    AsEdit->setText(QString::fromStdString(prefs.AsEdit));
    AssEdit->setText(QString::fromStdString(prefs.AssEdit));
    refreshing_ = false;

    ACheckBox->setChecked(prefs.ACheckBox);
    AsEdit->setVisible(prefs.autorunEditsVisible);
    AssEdit->setVisible(prefs.autorunEditsVisible);

    // An exclusive group cannot be emptied; unselect with exclusivity off.
    rg1Items_->setExclusive(false);
    for (QAbstractButton* item : rg1Items_->buttons())
        item->setChecked(rg1Items_->id(item) == prefs.RG1);
    rg1Items_->setExclusive(true);
}
