#include "app/ManagerMain.h"
#include "app/SettingsFile.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    return RunManager(
        {"libgbp.so", SettingsPathFor(QApplication::applicationFilePath().toStdString())});
}
