#pragma once

#include "slots/SlotTable.h"

#include <QDialog>

struct AppState;
class Ui;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Manager options": the firmware for UFIF 2.1 conversion and the two slot
// ranges. The firmware list writes every change into the shared state at once;
// the ranges take effect only through OK (see acceptedRanges).
class TExpertsForm : public QDialog {
    Q_OBJECT
  public:
    TExpertsForm(AppState& state, Ui& ui, QWidget* parent = nullptr);

    // The firmware list; the conversion question borrows it while it is shown.
    QComboBox* firmwareList() const { return FWComboBox; }

    // Shows the state's firmware choice and its ranges in the edits (the last
    // step of loading the settings).
    void showSettings();

    // The ranges of the edits when OK was last accepted.
    const RangeSettings& acceptedRanges() const { return accepted_; }

    // OK: refused with a message (caption "ERROR"), the dialog staying open,
    // while the edits do not describe ranges that fit the slot table.
    void accept() override;

  private:
    void Button3Click();
    void firmwareTextChanged(const QString& text);

    AppState& state_;
    Ui& ui_;
    RangeSettings accepted_;

    QLabel* Label1 = nullptr;
    QComboBox* FWComboBox = nullptr;
    QLabel* StaticText1 = nullptr;
    QLineEdit* BSME1 = nullptr;
    QLineEdit* BSME2 = nullptr;
    QLabel* StaticText2 = nullptr;
    QLineEdit* SSME1 = nullptr;
    QLineEdit* SSME2 = nullptr;
    QLabel* StaticText3 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
};
