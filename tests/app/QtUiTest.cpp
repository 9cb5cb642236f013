#include "app/QtUi.h"

#include "tests/app/BoxWatcher.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(QtUi, MessageBoxesHaveNoOwnerAndTheRightLook) {
    QtUi ui;
    BoxWatcher watcher;
    ui.showMessage("Update done!", "");
    ui.showMessage("Can't Init GPB Mode", "ERROR");
    ui.showError("Cannot open file x.bin");
    EXPECT_EQ(watcher.boxes, (std::vector<std::string>{":Update done!", "ERROR:Can't Init GPB Mode",
                                                       "Adeduze:Cannot open file x.bin"}));
    // Not modal: the main window stays usable while one is open.
    EXPECT_EQ(watcher.modality, std::vector<Qt::WindowModality>(3, Qt::NonModal));
    EXPECT_EQ(watcher.icons, (std::vector<QMessageBox::Icon>{
                                 QMessageBox::NoIcon, QMessageBox::NoIcon, QMessageBox::Critical}));
}

TEST(QtUi, ConfirmIsOkOrCancel) {
    QtUi ui;
    for (auto [answer, expected] :
         {std::pair{QMessageBox::Ok, true}, {QMessageBox::Cancel, false}}) {
        BoxWatcher watcher;
        watcher.answer = answer;
        EXPECT_EQ(ui.confirm("Are you sure?"), expected);
        EXPECT_EQ(watcher.boxes, std::vector<std::string>{"Confirm:Are you sure?"});
        EXPECT_EQ(watcher.icons, std::vector<QMessageBox::Icon>{QMessageBox::Question});
    }
}

TEST(QtUi, StatusText) {
    QLabel status;
    QtUi ui;
    QtUiWindows windows;
    windows.status = &status;
    ui.attach(windows);
    ui.setStatus("Uploading data...");
    EXPECT_EQ(status.text(), "Uploading data...");
}

TEST(QtUi, AChosenFileSetsTheCurrentDirectoryAndIsOfferedAgain) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("sub"));
    const QString chosen = dir.filePath("sub/prog.bin");
    QFile(chosen).open(QIODevice::WriteOnly);
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());

    QWidget owner;
    QtUiWindows windows;
    std::array<QFileDialog*, 3> dialogs{new QFileDialog(&owner), new QFileDialog(&owner),
                                        new QFileDialog(&owner)};
    windows.fileDialog = [&](FileDialog d) { return dialogs[static_cast<size_t>(d)]; };
    QtUi ui;
    ui.attach(windows);

    QStringList offered;
    auto answer = [&](bool accept) {
        return [&, accept](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            if (dialog != dialogs[0])
                return;
            offered << dialog->selectedFiles().value(0);
            if (accept) {
                // What a person types; selectFile leaves a focused name field alone.
                dialog->findChild<QLineEdit*>("fileNameEdit")->setText(chosen);
                QMetaObject::invokeMethod(dialog, "accept"); // protected, but a slot
            } else {
                dialog->reject();
            }
        };
    };
    {
        BoxWatcher watcher(answer(true));
        EXPECT_EQ(ui.chooseFile(FileDialog::Open1), chosen.toStdString());
    }
    EXPECT_EQ(QDir::currentPath(), QDir(dir.filePath("sub")).canonicalPath());
    {
        BoxWatcher watcher(answer(false));
        EXPECT_EQ(ui.chooseFile(FileDialog::Open1), std::nullopt);
    }
    ASSERT_EQ(offered.size(), 2);
    EXPECT_EQ(offered[1], chosen);
    QDir::setCurrent(before);
}

} // namespace
