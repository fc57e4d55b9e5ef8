#pragma once

#include "wm/WmaFormatList.h"

class QWidget;

namespace tonvexa {

struct AppSettings;
class Dialogs;
class SettingsStore;
class UrlOpener;

// The Options command: shows the options sheet on the page that was on display when it last
// closed, with the pages for MP3, WMA, WAV and output. After OK the pages' values go into
// settings and every option is saved at once; after Cancel nothing changes but the page to
// open on next time (settings.lastOptionsPage, which is never stored). A save that fails is
// reported with the system's reason.
void RunOptionsCommand(QWidget* owner, AppSettings& settings, SettingsStore& store,
                       const WmaFormatList& formats, Dialogs& dialogs, UrlOpener& opener);

}  // namespace tonvexa
