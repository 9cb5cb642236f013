#include "app/ManagerMain.h"

#include "tests/app/BoxWatcher.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

std::string fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<none>";
}

struct StartResult {
    int status;
    std::vector<std::string> boxes;
    std::vector<std::string> windowsShown;
};

// Starts the manager; the main window is closed as soon as it shows.
StartResult Start(const std::string& library, const QString& settingsPath) {
    StartResult result{};
    BoxWatcher watcher([&](QWidget* w) {
        result.windowsShown.push_back(w->objectName().toStdString());
        w->close();
    });
    result.status = RunManager({library, settingsPath.toStdString()});
    result.boxes = watcher.boxes;
    return result;
}

TEST(Startup, WithoutThePhoneLinkLibraryOneMessageAndNoWindow) {
    QTemporaryDir dir;
    const QString settings = dir.filePath("adeduze.INI");
    {
        QFile file(settings);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Manager]\nBigSlots=3\n");
    }
    const StartResult r = Start("libgbp-not-installed.so", settings);
    EXPECT_NE(r.status, 0);
    EXPECT_EQ(r.boxes, std::vector<std::string>{"ERROR:Unable to open GPB.DLL"});
    EXPECT_TRUE(r.windowsShown.empty());
    EXPECT_EQ(fileText(settings), "[Manager]\nBigSlots=3\n");
}

TEST(Startup, ALibraryWithTheFirstThreeFunctionsIsEnough) {
    QTemporaryDir dir;
    const QString settings = dir.filePath("adeduze.INI");
    const StartResult r = Start(ADEDUZE_BIN_DIR "/libgbp_first_three.so", settings);
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.boxes.empty());
    EXPECT_EQ(r.windowsShown, std::vector<std::string>{"Form1"});
    EXPECT_NE(fileText(settings), "<none>"); // closing saved the settings
}

} // namespace
