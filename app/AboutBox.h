#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class BevelPanel;

// "About": the product line and what the manager is for.
class TAboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutBox(QWidget* parent = nullptr);

  private:
    BevelPanel* Panel1 = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QPushButton* OKButton = nullptr;
};
