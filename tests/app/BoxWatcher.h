#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

// Answers the message boxes that appear while it lives, recording each as
// "CAPTION:text", and hands every visible top-level window to `onWindow`.
class BoxWatcher : public QObject {
  public:
    explicit BoxWatcher(std::function<void(QWidget*)> onWindow = {})
        : onWindow_(std::move(onWindow)) {
        connect(&timer_, &QTimer::timeout, this, &BoxWatcher::look);
        timer_.start(10);
    }

    std::vector<std::string> boxes;
    std::vector<Qt::WindowModality> modality;
    std::vector<QMessageBox::Icon> icons;
    QMessageBox::StandardButton answer = QMessageBox::Ok;

  private:
    void look() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible())
                continue;
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                boxes.push_back(box->windowTitle().toStdString() + ":" + box->text().toStdString());
                modality.push_back(box->windowModality());
                icons.push_back(box->icon());
                box->button(answer)->click();
            } else if (onWindow_) {
                onWindow_(w);
            }
        }
    }

    std::function<void(QWidget*)> onWindow_;
    QTimer timer_;
};
