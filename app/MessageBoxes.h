#pragma once

#include <QMessageBox>
#include <QString>

// A message box with one OK button and no owner window. It returns when the
// box is closed, but the main window stays usable meanwhile (a command shows
// its results this way); while a modal dialog runs it is modal itself, or the
// dialog would keep it from being answered.
void ShowOwnerlessMessage(const QString& text, const QString& caption,
                          QMessageBox::Icon icon = QMessageBox::NoIcon);
