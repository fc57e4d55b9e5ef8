#include "settings/pages/OptionsCommand.h"

#include <QApplication>

#include "settings/AppSettings.h"
#include "settings/SettingsStore.h"
#include "settings/pages/COptMp3Page.h"
#include "settings/pages/COptOutputPage.h"
#include "settings/pages/COptSheet.h"
#include "settings/pages/COptWavPage.h"
#include "settings/pages/CPageWMAOptions.h"
#include "ui/Dialogs.h"

namespace tonvexa {

namespace {

// The wait cursor while the sheet is being built; it must not stay over the sheet itself.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { restore(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    void restore() {
        if (active_) QApplication::restoreOverrideCursor();
        active_ = false;
    }

private:
    bool active_ = true;
};

}  // namespace

void RunOptionsCommand(QWidget* owner, AppSettings& settings, SettingsStore& store,
                       const WmaFormatList& formats, Dialogs& dialogs, UrlOpener& opener) {
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
