#include "app/MessageBoxes.h"

#include <QApplication>
#include <QEventLoop>

void ShowOwnerlessMessage(const QString& text, const QString& caption, QMessageBox::Icon icon) {
    QMessageBox box(icon, caption, text, QMessageBox::Ok);
    box.setWindowModality(QApplication::activeModalWidget() ? Qt::ApplicationModal : Qt::NonModal);
    QEventLoop loop;
    QObject::connect(&box, &QMessageBox::finished, &loop, &QEventLoop::quit);
    box.show();
    // Take the keyboard, so Enter answers the box even where no window
    // manager hands focus to new windows.
    box.raise();
    box.activateWindow();
    loop.exec();
}
