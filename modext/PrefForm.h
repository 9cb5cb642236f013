#pragma once

#include <QDialog>

struct CommandContext;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The parameters of the firmware modification ("RUZ Mod Parameters"). Each
// showing reads the preference record from the phone into ctx.state.prefs
// and shows it; every change of a control is written back to
// ctx.state.prefs at once, so the caller only runs the write command after
// exec() returns Accepted ("Update").
class TPrefForm : public QDialog {
    Q_OBJECT
  public:
    TPrefForm(CommandContext& ctx, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    void ACheckBoxClick();
    // Sets every control from ctx.state.prefs.
    void refreshFromState();

    CommandContext& ctx_;
    bool refreshing_ = false;

    QGroupBox* RG1 = nullptr;
    QButtonGroup* rg1Items_ = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QCheckBox* ACheckBox = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* AsEdit = nullptr;
    QLineEdit* AssEdit = nullptr;
    QLineEdit* sEdit = nullptr;
    QLineEdit* ssEdit = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
};
