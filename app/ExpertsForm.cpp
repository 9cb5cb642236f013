#include "app/ExpertsForm.h"

#include "common/FormFont.h"
#include "app/OptionsRanges.h"
#include "common/AppState.h"
#include "common/Ui.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <variant>

namespace {

QLabel* staticText(QWidget* parent, const char* name, const QString& text, const QRect& place) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    return label;
}

// Two decimal digits, blank character "_".
QLineEdit* slotEdit(QWidget* parent, const char* name, const QRect& place) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setInputMask("00;_");
    edit->setGeometry(place);
    return edit;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QRect& place) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(place);
    b->setAutoDefault(false);
    return b;
}

} // namespace

TExpertsForm::TExpertsForm(AppState& state, Ui& ui, QWidget* parent)
    : QDialog(parent), state_(state), ui_(ui), accepted_(state.ranges) {
    setObjectName("ExpertsForm");
    setWindowTitle("Manager options");
    setFont(FormFont());
    setFixedSize(257, 220);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Label1 = new QLabel("Address and FW version for UFIF2.1 conversion:", this);
    Label1->setObjectName("Label1");
    Label1->move(8, 11);
    Label1->adjustSize();

    FWComboBox = new QComboBox(this);
    FWComboBox->setObjectName("FWComboBox");
    FWComboBox->setEditable(true);
    FWComboBox->setInsertPolicy(QComboBox::NoInsert);
    FWComboBox->setGeometry(8, 24, 233, 21);
    for (const auto& entry : state_.firmware.entries)
        FWComboBox->addItem(QString::fromStdString(entry));

    StaticText1 = staticText(this, "StaticText1", "Big slots from 18-:        to: 18- ",
                             QRect(15, 59, 144, 17));
    StaticText2 = staticText(this, "StaticText2", "Small slots from 02-         to: 02- ",
                             QRect(15, 83, 154, 17));
    // The edits must fall into the blanks of these two lines. The fallback
    // faces are wider than "MS Sans Serif" at 8 pt; at 10 pixels they match
    // its widths, so the lines keep their gaps where the edits are.
    QFont rangeFont = font();
    rangeFont.setPixelSize(10);
    StaticText1->setFont(rangeFont);
    StaticText2->setFont(rangeFont);
    // The edits lie over the gaps of the two texts, so they are created after them.
    BSME1 = slotEdit(this, "BSME1", QRect(96, 56, 22, 21));
    BSME2 = slotEdit(this, "BSME2", QRect(153, 56, 24, 21));
    SSME1 = slotEdit(this, "SSME1", QRect(106, 80, 24, 21));
    SSME2 = slotEdit(this, "SSME2", QRect(163, 80, 23, 21));
    StaticText3 = staticText(this, "StaticText3",
                             "Be careful changing this values! VIR3 mod uses only 18-09...18-29 "
                             "and 02-10...02-14 slots for programs!",
                             QRect(16, 104, 209, 41));
    StaticText3->setWordWrap(true);
    StaticText3->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Button3 = button(this, "Button3", "Default", QRect(8, 160, 75, 25));
    Button1 = button(this, "Button1", "OK", QRect(88, 160, 75, 25));
    Button2 = button(this, "Button2", "Cancel", QRect(168, 160, 75, 25));
    Button1->setDefault(true);
    connect(Button3, &QPushButton::clicked, this, &TExpertsForm::Button3Click);
    connect(Button1, &QPushButton::clicked, this, &TExpertsForm::accept);
    connect(Button2, &QPushButton::clicked, this, &TExpertsForm::reject);

    connect(FWComboBox, &QComboBox::editTextChanged, this, &TExpertsForm::firmwareTextChanged);
    showSettings();
}

void TExpertsForm::firmwareTextChanged(const QString& text) {
    state_.firmware.text = text.toStdString();
    state_.firmware.index = FWComboBox->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void TExpertsForm::showSettings() {
    // Selecting an item rewrites the state's text through the list's signals;
    // the text is set afterwards, as an unchanged index would leave a typed text.
    const FirmwareChoice choice = state_.firmware;
    FWComboBox->setCurrentIndex(choice.index);
    FWComboBox->setEditText(QString::fromStdString(choice.text));

    const RangeEdits edits = EditsForRanges(state_.ranges);
    BSME1->setText(QString::fromStdString(edits.BSME1));
    BSME2->setText(QString::fromStdString(edits.BSME2));
    SSME1->setText(QString::fromStdString(edits.SSME1));
    SSME2->setText(QString::fromStdString(edits.SSME2));
}

void TExpertsForm::Button3Click() {
    const RangeEdits edits = DefaultRangeEdits();
    BSME1->setText(QString::fromStdString(edits.BSME1));
    BSME2->setText(QString::fromStdString(edits.BSME2));
    SSME1->setText(QString::fromStdString(edits.SSME1));
    SSME2->setText(QString::fromStdString(edits.SSME2));
}

void TExpertsForm::accept() {
    const auto result = RangesFromEdits({BSME1->text().toStdString(), BSME2->text().toStdString(),
                                         SSME1->text().toStdString(), SSME2->text().toStdString()});
    if (const auto* problem = std::get_if<std::string>(&result)) {
        ui_.showMessage(*problem, "ERROR");
        return;
    }
    accepted_ = std::get<RangeSettings>(result);
    QDialog::accept();
}
