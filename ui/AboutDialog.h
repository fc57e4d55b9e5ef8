#pragma once

#include <QDialog>

namespace tonvexa {

class Dialogs;
class UrlOpener;

// The About box: the program's icon and version, links to its home page, its support address
// and the MP3 encoder's project, and buttons to check for updates and to tell a friend.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    AboutDialog(UrlOpener& opener, Dialogs& dialogs, QWidget* parent = nullptr);
};

}  // namespace tonvexa
