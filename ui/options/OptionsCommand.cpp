#include "OptionsCommand.h"

#include <QCoreApplication>
#include <QString>

#include <optional>
#include <system_error>

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
        // The options stay in effect for this run either way; the user learns that they will
        // not be there next time.
        if (const std::optional<std::error_code> error = store.saveError()) {
            //: Stands for the system's reason in "Tonvexa could not save its options: %1."
            const QString noReason =
                QCoreApplication::translate("OptionsCommand", "the system gave no reason");
            const QString reason = *error ? QString::fromLocal8Bit(error->message()) : noReason;
            //: %1 is the system's reason, such as "Permission denied"
            dialogs.showMessage(owner,
                                QCoreApplication::translate(
                                    "OptionsCommand", "Tonvexa could not save its options: %1.")
                                    .arg(reason),
                                MessageIcon::Warning);
        }
    }
    settings.lastOptionsPage = sheet.GetActiveIndex();
}

}  // namespace tonvexa
