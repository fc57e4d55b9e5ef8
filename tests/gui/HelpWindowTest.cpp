#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include <memory>
#include <set>

#include "texts/Language.h"
#include "ui/HelpWindow.h"
#include "ui/UrlOpener.h"

using namespace tonvexa;

namespace {

class RecordingOpener final : public UrlOpener {
public:
    int open(const QUrl& url) override {
        urls.push_back(url);
        return kOpenSucceeded;
    }
    QList<QUrl> urls;
};

class HelpWindowTest : public testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<HelpWindow>();
        window->setUrlOpener(&opener);
    }
    void TearDown() override {
        window.reset();
        QCoreApplication::processEvents();
        EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty())
            << QApplication::topLevelWidgets().size() << " top-level widgets left";
    }

    void showWindow() {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    // The place of the first link to href, in the browser's viewport, scrolled into view.
    QPoint linkPosition(const QString& href) {
        QTextBrowser* browser = window->browser();
        for (QTextBlock block = browser->document()->begin(); block.isValid();
             block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (fragment.charFormat().anchorHref() != href) continue;
                QTextCursor cursor(browser->document());
                cursor.setPosition(fragment.position() + fragment.length() / 2);
                browser->setTextCursor(cursor);
                browser->ensureCursorVisible();
                return browser->cursorRect(cursor).center();
            }
        }
        ADD_FAILURE() << "no link to " << href.toStdString();
        return {};
    }

    QString text() const { return window->browser()->toPlainText(); }

    RecordingOpener opener;
    std::unique_ptr<HelpWindow> window;
};

}  // namespace

TEST_F(HelpWindowTest, IsATopLevelWindowShowingTheHelp) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tonvexa Help"));
    EXPECT_TRUE(window->isWindow());
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(window->size(), QSize(760, 600));
    EXPECT_EQ(window->browser()->accessibleName(), QStringLiteral("Tonvexa Help"));
    EXPECT_EQ(window->browser()->source(), HelpWindow::kDocument);

    // Headings, and the program's own texts the document explains.
    for (const char* expected :
         {"What Tonvexa does",
          "Adding files",
          "The file list",
          "Converting",
          "MP3 Options",
          "WMA Options",
          "WAV Options",
          "Output Options",
          "Output file names",
          "Tags",
          "Keyboard",
          "The command-line converter",
          "Troubleshooting",
          "All Support Formats",
          "Please choose a folder:",
          "Failed to load the following files.",
          "Amplify / Reduce sound",
          "Keep ID3 tag",
          "Create folders according to path of source file",
          "/home/anna/Converted/home/anna/Music/pop/",
          "Browse output folder while conversion is complete",
          "Conversion Failure",
          "Failed to create destination file",
          "TONVEX",
          "ISO-8859-1",
          "tonvexa-convert --to mp3|wav|wma [--options FILE] [--jobs N] PATH...",
          "~/.config/Brakkfield/Tonvexa.conf",
          "support@tonvexa.example"}) {
        EXPECT_TRUE(text().contains(QString::fromUtf8(expected))) << expected;
    }
}

// Every link within the page leads to an anchor that the page has.
TEST_F(HelpWindowTest, InternalLinksHaveTheirTargets) {
    std::set<QString> names, targets;
    for (QTextBlock block = window->browser()->document()->begin(); block.isValid();
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            for (const QString& name : format.anchorNames()) names.insert(name);
            const QString href = format.anchorHref();
            if (href.startsWith(QLatin1Char('#'))) targets.insert(href.mid(1));
        }
    }
    EXPECT_GE(targets.size(), 15u);
    for (const QString& target : targets)
        EXPECT_TRUE(names.count(target)) << "no anchor " << target.toStdString();
}

TEST_F(HelpWindowTest, ClickedWebLinkGoesToTheOpener) {
    showWindow();
    const QPoint at = linkPosition(QStringLiteral("https://www.tonvexa.example/"));
    QTest::mouseClick(window->browser()->viewport(), Qt::LeftButton, {}, at);
    ASSERT_EQ(opener.urls.size(), 1);
    EXPECT_EQ(opener.urls[0], QUrl(QStringLiteral("https://www.tonvexa.example/")));
    EXPECT_EQ(window->browser()->source(), HelpWindow::kDocument);
    EXPECT_TRUE(text().contains(QStringLiteral("What Tonvexa does")));
}

TEST_F(HelpWindowTest, MailLinkActivatedFromTheKeyboardGoesToTheOpener) {
    showWindow();
    QTextBrowser* browser = window->browser();
    // Tab walks the links; walk until the mail link is the current one, then press Enter.
    const QUrl mail(QStringLiteral("mailto:support@tonvexa.example"));
    bool reached = false;
    for (int i = 0; i < 200 && !reached; ++i) {
        QTest::keyClick(browser, Qt::Key_Tab);
        reached = browser->textCursor().charFormat().anchorHref() == mail.toString() ||
                  browser->textCursor().selectedText() == QStringLiteral("support@tonvexa.example");
    }
    ASSERT_TRUE(reached);
    QTest::keyClick(browser, Qt::Key_Return);
    ASSERT_EQ(opener.urls.size(), 1);
    EXPECT_EQ(opener.urls[0], mail);
    EXPECT_EQ(browser->source(), HelpWindow::kDocument);
}

TEST_F(HelpWindowTest, InternalLinkScrollsWithoutTheOpener) {
    showWindow();
    QTextBrowser* browser = window->browser();
    browser->verticalScrollBar()->setValue(0);
    const QPoint at = linkPosition(QStringLiteral("#troubleshooting"));
    browser->verticalScrollBar()->setValue(0);
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(opener.urls.isEmpty());
    EXPECT_EQ(browser->source().adjusted(QUrl::RemoveFragment), HelpWindow::kDocument);
    EXPECT_GT(browser->verticalScrollBar()->value(), 0);
}

TEST_F(HelpWindowTest, EscapeClosesAndBringToFrontRestores) {
    showWindow();
    QTest::keyClick(window->browser(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());

    window->showMinimized();
    window->bringToFront();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isMinimized());
}

TEST_F(HelpWindowTest, Shot) {
    const QString folder = qEnvironmentVariable("TONVEXA_SHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "set TONVEXA_SHOTS to a folder to get the picture";
    QDir().mkpath(folder);
    showWindow();
    EXPECT_TRUE(window->grab().save(QDir(folder).filePath(QStringLiteral("help-window.png"))));
}

namespace {

// Every target a document can jump to: its anchors, and the links that leave it.
std::set<QString> LinkTargets(const QUrl& url) {
    QFile file(QLatin1Char(':') + url.path());
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QString html = QString::fromUtf8(file.readAll());
    std::set<QString> targets;
    static const QRegularExpression pattern(QStringLiteral("(?:id|name|href)=\"([^\"]*)\""));
    for (auto it = pattern.globalMatch(html); it.hasNext();) targets.insert(it.next().captured(0));
    return targets;
}

}  // namespace

// Each language has its own document with the same anchors and links as the English one, so
// that a jump inside it lands where it does in English; any other language reads English.
TEST(HelpDocuments, EveryLanguageHasItsDocumentWithTheSameLinks) {
    const std::set<QString> english = LinkTargets(HelpWindow::kDocument);
    ASSERT_GT(english.size(), 10u);
    for (const QString& language : TranslatedLanguages()) {
        const QUrl document = HelpWindow::DocumentFor(language);
        EXPECT_NE(document, HelpWindow::kDocument) << language.toStdString();
        EXPECT_EQ(LinkTargets(document), english) << language.toStdString();
    }
    EXPECT_EQ(HelpWindow::DocumentFor(QStringLiteral("en")), HelpWindow::kDocument);
    EXPECT_EQ(HelpWindow::DocumentFor(QStringLiteral("xx")), HelpWindow::kDocument);
}
