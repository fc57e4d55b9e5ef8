#include "HelpWindow.h"

#include <QFile>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtMath>

#include "texts/Language.h"
#include "ui/Artwork.h"
#include "ui/UrlOpener.h"

namespace tonvexa {
namespace {

constexpr QSize kInitialSize(760, 600);
constexpr QSize kMinimumSize(420, 320);
constexpr int kPageMargin = 18;
// The name by which the document shows the program icon in its heading.
const QUrl kIconResource(QStringLiteral("tonvexa-art:program-icon"));

}  // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)), opener_(&DefaultUrlOpener()) {
    RegisterResources();
    setWindowTitle(tr(kHelpWindowTitle));
    setWindowIcon(ProgramIcon());
    setMinimumSize(kMinimumSize);
    resize(kInitialSize);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);

    browser_->setAccessibleName(tr(kHelpWindowTitle));
    browser_->setFrameShape(QFrame::NoFrame);
    // Every link comes to followLink, which decides between this window and the opener.
    browser_->setOpenLinks(false);
    browser_->setOpenExternalLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);

    // The heading's icon, drawn for the density of the screen the window starts on (the image
    // is scaled to its place in the document, so a sharper one does no harm elsewhere).
    const qreal ratio = qMax<qreal>(1.0, qCeil(devicePixelRatioF()));
    browser_->document()->addResource(QTextDocument::ImageResource, kIconResource,
                                      ArtworkPixmap(Art::ProgramIcon, ratio).toImage());
    browser_->document()->setDocumentMargin(kPageMargin);
    browser_->setSource(DocumentFor(CurrentLanguage()));
    setFocusProxy(browser_);
    browser_->setFocus();
}

QUrl HelpWindow::DocumentFor(const QString& language) {
    const QString translated = QStringLiteral("/help/index_") + language + QStringLiteral(".html");
    if (QFile::exists(QLatin1Char(':') + translated)) return QUrl(QStringLiteral("qrc:") + translated);
    return kDocument;
}

void HelpWindow::setUrlOpener(UrlOpener* opener) {
    opener_ = opener != nullptr ? opener : &DefaultUrlOpener();
}

void HelpWindow::bringToFront() {
    if (isMinimized()) setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HelpWindow::followLink(const QUrl& link) {
    // A link within the help (an anchor of this page, or another page of the help) is shown
    // here. Anything else (web pages, mail addresses) is the desktop's business; a failure to
    // open it is not reported, as for the program's other web commands.
    const QUrl target = browser_->source().resolved(link);
    if (target.scheme() == HelpWindow::kDocument.scheme())
        browser_->setSource(target);
    else
        opener_->open(link);
}

}  // namespace tonvexa
