#pragma once

#include "common/Ui.h"

#include <QDialog>
#include <QPoint>
#include <QPointer>
#include <functional>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;

// The UFIF 2.0 conversion question. The firmware list of the Options dialog
// is lent to it while it is shown, so the person can pick the firmware the
// conversion is for; on hide the list goes back to its old parent and place
// and onHidden runs (the window saves its settings there).
class TOKBottomDlg : public QDialog {
    Q_OBJECT
  public:
    TOKBottomDlg(QComboBox* firmwareList, std::function<void()> onHidden,
                 QWidget* parent = nullptr);
    ~TOKBottomDlg() override;

    // Modal; closing the window or Esc counts as Cancel.
    ConversionAnswer ask();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void FormShow();
    void FormHide();
    void giveListBack();

    QPointer<QComboBox> firmwareList_;
    std::function<void()> onHidden_;
    QPointer<QWidget> listParent_;
    QPoint listPos_;
    bool listWasHidden_ = false;
    bool listLent_ = false;

    QFrame* Bevel1 = nullptr;
    QLabel* StaticText1 = nullptr;
    QLabel* StaticText2 = nullptr;
    QLabel* StaticText3 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* CancelBtn = nullptr;
};
