#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

namespace tonvexa {

// Results of opening an address, in the shell's convention that the program's messages keep:
// above 32 is success.
inline constexpr int kOpenSucceeded = 33;
inline constexpr int kOpenFileNotFound = 2;
inline constexpr int kOpenNoAssociation = 31;

// Opens web pages, "mailto:" addresses and local files (file: URLs) the way the desktop
// would on a double-click. The window's commands and the link labels use it; tests supply
// their own.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual int open(const QUrl& url) = 0;
};

// The desktop's handler for the address (QDesktopServices); where it has none, the commands
// of the BROWSER variable in turn (the POSIX convention: a colon-separated list, "%s" standing
// for the address, else the address appended).
class DesktopUrlOpener final : public UrlOpener {
public:
    using Handler = std::function<bool(const QUrl&)>;
    using Launcher = std::function<bool(const QString& program, const QStringList& arguments)>;

    DesktopUrlOpener();
    DesktopUrlOpener(Handler handler, Launcher launcher, QString browser);

    int open(const QUrl& url) override;

private:
    Handler handler_;
    Launcher launcher_;
    QString browser_;
};

// The program's one opener.
UrlOpener& DefaultUrlOpener();

}  // namespace tonvexa
