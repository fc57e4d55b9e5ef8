#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace tonvexa {

class UrlOpener;

// The title of the help window in English; the window shows it in the user's language.
//: The help window's title
inline constexpr char kHelpWindowTitle[] = QT_TRANSLATE_NOOP("tonvexa::HelpWindow", "Tonvexa Help");

// The program's help: the help document in a window of its own. Links within the document are
// followed in the window; web and mail addresses are handed to the URL opener instead, so that
// the window always shows the help. The browser has the keyboard focus: Tab moves between the
// links, Enter follows one, and Esc closes the window (which hides it; the owner decides
// whether it is also deleted).
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    // The English document, which every help window opens with where there is none in the
    // user's language.
    static inline const QUrl kDocument{QStringLiteral("qrc:/help/index.html")};
    // The document in a language ("de", "pt_BR", ...), or the English one.
    static QUrl DocumentFor(const QString& language);

    explicit HelpWindow(QWidget* parent = nullptr);

    // Where web and mail addresses are opened; by default the program's opener. Not owned.
    void setUrlOpener(UrlOpener* opener);
    // Shows the window in front of the program's other windows, restoring it first if it was
    // minimised (a maximised window stays maximised).
    void bringToFront();

    QTextBrowser* browser() const { return browser_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void followLink(const QUrl& link);

    QTextBrowser* browser_;
    UrlOpener* opener_;
};

}  // namespace tonvexa
