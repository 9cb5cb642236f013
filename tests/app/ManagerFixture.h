#pragma once

#include "app/AboutBox.h"
#include "app/ExpertsForm.h"
#include "app/MainWindow.h"
#include "app/SettingsStore.h"
#include "common/AppState.h"
#include "common/Command.h"
#include "modext/PrefForm.h"
#include "slots/IconForm.h"
#include "tests/support/FakePhone.h"
#include "tests/support/ScriptedUi.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <string>

// The main window with the dialogs it uses, on a fake phone and a scripted Ui,
// with its settings file in a fresh folder.
struct ManagerFixture {
    QTemporaryDir dir;
    std::string settingsPath = dir.filePath("adeduze.INI").toStdString();
    AppState state;
    FakePhone phone;
    ScriptedUi ui;
    CommandContext ctx{state, phone.link(), ui};
    SettingsStore settings{settingsPath};
    TForm1 form1{ctx, settings};
    TAboutBox aboutBox{&form1};
    TPrefForm prefForm{ctx, &form1};
    TExpertsForm expertsForm{state, ui, &form1};
    TIconForm iconForm;

    ManagerFixture() { form1.attachWindows({&aboutBox, &prefForm, &expertsForm, &iconForm}); }

    template <typename T> T* control(QObject* owner, const char* name) {
        return owner->findChild<T*>(name);
    }

    void writeSettings(const std::string& text) {
        QFile file(QString::fromStdString(settingsPath));
        file.open(QIODevice::WriteOnly);
        file.write(text.data(), static_cast<qint64>(text.size()));
    }

    std::string settingsText() const {
        QFile file(QString::fromStdString(settingsPath));
        if (!file.open(QIODevice::ReadOnly))
            return "<none>";
        return file.readAll().toStdString();
    }

    // Runs `inside` once a modal dialog started from `start` is open.
    static void whileModal(const std::function<void()>& start, std::function<void()> inside) {
        QTimer::singleShot(0, std::move(inside));
        start();
    }
};
