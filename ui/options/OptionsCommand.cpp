#include "ui/options/OptionsCommand.h"


#include "settings/AppSettings.h"
#include "settings/SettingsStore.h"
#include "ui/options/COptMp3Page.h"
#include "ui/options/COptOutputPage.h"
#include "ui/options/COptSheet.h"
#include "ui/options/COptWavPage.h"
#include "ui/options/CPageWMAOptions.h"
#include "ui/Dialogs.h"
#include "ui/WaitCursor.h"

namespace tonvexa {

void RunOptionsCommand(QWidget* owner, AppSettings& settings, SettingsStore& store,
                       const WmaFormatList& formats, Dialogs& dialogs, UrlOpener& opener) {
    // The wait cursor while the sheet is being built; it must not stay over the sheet itself.
    WaitCursor wait;
    COptSheet sheet(owner);
    OptionsPage* const pages[] = {
        new COptMp3Page(dialogs, opener),
        new CPageWMAOptions(formats, dialogs),
        new COptWavPage(dialogs),
        new COptOutputPage(dialogs),
    };
    for (OptionsPage* page : pages) {
        page->LoadFrom(settings);
        sheet.AddPage(page);
    }
    sheet.SetActivePage(settings.lastOptionsPage);
    wait.restore();

    if (dialogs.exec(sheet) == QDialog::Accepted) {
        for (OptionsPage* page : pages) page->SaveTo(settings);
        store.SaveSettings(settings, SettingsStore::SaveOptions);
    }
    settings.lastOptionsPage = sheet.GetActiveIndex();
}

}  // namespace tonvexa
