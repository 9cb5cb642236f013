#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QPlainTextEdit;
class QPushButton;

// The report window of the UFIF conversion: a memo of lines and an OK button.
// The memo keeps its text from one showing to the next.
class TBadAddrForm : public QDialog {
    Q_OBJECT
  public:
    explicit TBadAddrForm(QWidget* parent = nullptr);

    // Memo1's text := the lines, one per line; then runs the window modally.
    void showLines(const std::vector<std::string>& lines);

  private:
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button1 = nullptr;
};
