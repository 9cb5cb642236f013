#include "app/QtUi.h"

#include "app/MessageBoxes.h"
#include "slots/SlotGridView.h"
#include "transfer/BadAddrForm.h"
#include "transfer/OKBottomDlg.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QUrl>

void QtUi::attach(const QtUiWindows& w) {
    status_ = w.status;
    grid_ = w.grid;
    question_ = w.question;
    report_ = w.report;
    fileDialog_ = w.fileDialog;
}

void QtUi::setStatus(const std::string& text) {
    if (!status_)
        return;
    status_->setText(QString::fromStdString(text));
    // The phone calls that follow block the event loop; show the text before them.
    status_->repaint();
}

void QtUi::showMessage(const std::string& text, const std::string& caption) {
    ShowOwnerlessMessage(QString::fromStdString(text), QString::fromStdString(caption));
}

void QtUi::showError(const std::string& text) {
    ShowOwnerlessMessage(QString::fromStdString(text), "Adeduze", QMessageBox::Critical);
}

bool QtUi::confirm(const std::string& text) {
    QMessageBox box(QMessageBox::Question, "Confirm", QString::fromStdString(text),
                    QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

std::optional<std::string> QtUi::chooseFile(FileDialog dialog) {
    const auto i = static_cast<size_t>(dialog);
    QFileDialog* fileDialog = fileDialog_ ? fileDialog_(dialog) : nullptr;
    if (!fileDialog)
        return std::nullopt;
    fileDialog->setDirectory(QDir::current());
    if (!lastChosen_[i].isEmpty())
        fileDialog->selectFile(lastChosen_[i]);
    if (fileDialog->exec() != QDialog::Accepted || fileDialog->selectedFiles().isEmpty())
        return std::nullopt;
    lastChosen_[i] = QFileInfo(fileDialog->selectedFiles().constFirst()).absoluteFilePath();
    QDir::setCurrent(QFileInfo(lastChosen_[i]).absolutePath());
    return lastChosen_[i].toStdString();
}

ConversionAnswer QtUi::askConversion() {
    return question_ ? question_->ask() : ConversionAnswer::Cancel;
}

void QtUi::showReport(const std::vector<std::string>& lines) {
    if (report_)
        report_->showLines(lines);
}

void QtUi::openWithViewer(const std::string& path) {
    QDesktopServices::openUrl(
        QUrl::fromLocalFile(QFileInfo(QString::fromStdString(path)).absoluteFilePath()));
}

void QtUi::repaintGrid() {
    if (grid_)
        grid_->repaintNow();
}
