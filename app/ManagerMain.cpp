#include "app/ManagerMain.h"

#include "app/AboutBox.h"
#include "app/ExpertsForm.h"
#include "app/MainWindow.h"
#include "app/MessageBoxes.h"
#include "app/QtUi.h"
#include "app/SettingsStore.h"
#include "common/AppState.h"
#include "common/Command.h"
#include "modext/PrefForm.h"
#include "phonelink/PhoneLinkLoader.h"
#include "slots/IconForm.h"
#include "transfer/BadAddrForm.h"
#include "transfer/OKBottomDlg.h"

#include <QApplication>

int RunManager(const ManagerStart& start) {
    // Bound while Form1 is created, before any other window exists.
    const auto library = PhoneLinkLibrary::load(start.libraryName.c_str());
    if (!library || !library->link().usable()) {
        ShowOwnerlessMessage("Unable to open GPB.DLL", "ERROR");
        return 1;
    }

    AppState state;
    QtUi ui;
    CommandContext ctx{state, library->link(), ui};
    SettingsStore settings(start.settingsPath);

    TForm1 form1(ctx, settings);
    TAboutBox aboutBox(&form1);
    TPrefForm prefForm(ctx, &form1);
    TExpertsForm expertsForm(state, ui, &form1);
    TOKBottomDlg okBottomDlg(expertsForm.firmwareList(), [&form1] { form1.SaveSettings(); });
    TBadAddrForm badAddrForm;
    TIconForm iconForm;

    form1.attachWindows({&aboutBox, &prefForm, &expertsForm, &iconForm});
    QtUiWindows windows = form1.uiWindows();
    windows.question = &okBottomDlg;
    windows.report = &badAddrForm;
    ui.attach(windows);

    form1.show();
    return QApplication::exec();
}
