#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>

#include <array>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

#include "TestDialogs.h"
#include "ui/HyperlinkLabel.h"
#include "ui/ImageButton.h"
#include "ui/UrlOpener.h"

using namespace tonvexa;

// Colours in failure messages as people read them.
static void PrintTo(const QColor& colour, std::ostream* os) {
    *os << colour.name(QColor::HexArgb).toStdString();
}

namespace {

const QColor kPaper(255, 255, 255);

// The widget alone, painted over plain paper at a device pixel ratio.
QImage renderAt(QWidget& widget, qreal ratio = 1.0, const QColor& paper = kPaper) {
    QImage image(widget.size() * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(paper);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// The indices of the pixels that are not paper.
std::vector<int> inkOf(const QImage& image, const QColor& paper = kPaper) {
    std::vector<int> ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != paper) ink.push_back(y * image.width() + x);
        }
    }
    return ink;
}

// A colour as a pixel of an image holds it (palette colours may be held in another colour model,
// which QColor's comparison would tell apart).
QColor asPixel(const QColor& colour) {
    return QColor::fromRgba(colour.rgba());
}

int countOf(const QImage& image, const QColor& colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour.rgba();
    }
    return n;
}

// Whether every ink pixel has exactly this colour (true for text drawn without smoothing).
bool inkIsAll(const QImage& image, const QColor& colour) {
    for (int i : inkOf(image)) {
        if (image.pixel(i % image.width(), i / image.width()) != colour.rgba()) return false;
    }
    return true;
}

// Text drawn without smoothing, so that each text pixel has exactly the text colour.
QFont crispFont(int pixelSize, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void hover(QWidget& widget, bool on) {
    if (on) {
        const QPointF at(1, 1);
        QEnterEvent enter(at, at, widget.mapToGlobal(at));
        QApplication::sendEvent(&widget, &enter);
    } else {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&widget, &leave);
    }
}

QPixmap filled(QSize size, const QColor& colour, qreal ratio = 1.0) {
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(colour);
    return pixmap;
}

// A background in which every device pixel differs from its neighbours, so that an image cut
// from a wrong place, or scaled, cannot match.
QRgb patternAt(int x, int y, int seed) {
    return qRgb((x * 3 + seed) % 256, (y * 5) % 256, (x * 7 + y * 13 + seed) % 256);
}
QPixmap patternPixmap(QSize size, qreal ratio, int seed = 0) {
    QImage image(size * ratio, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, patternAt(x, y, seed));
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

class WidgetTest : public testing::Test {
protected:
    void TearDown() override {
        QCoreApplication::processEvents();
        EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty())
            << QApplication::topLevelWidgets().size() << " top-level widgets left";
    }

    // A shown, active window, for what needs keyboard focus and shortcuts.
    static void activate(QWidget& window) {
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

using ImageButtonTest = WidgetTest;

const QColor kNormalFace(20, 160, 20);
const QColor kHotFace(20, 20, 160);

TEST_F(ImageButtonTest, FlatBorderShowsWhileHoveredRaisedAndWhilePressedSunken) {
    ImageButton button;
    button.resize(30, 20);
    button.SetTransparent(false);
    button.SetBackgroundColours(kNormalFace, kHotFace);
    const QColor light = asPixel(button.palette().color(QPalette::Light));
    const QColor shadow = asPixel(button.palette().color(QPalette::Dark));
    ASSERT_NE(light, shadow);

    // Top-left, top-right, bottom-left and bottom-right pixel, and one inside.
    using Corners = std::array<QColor, 5>;
    auto corners = [&] {
        const QImage image = renderAt(button);
        return Corners{image.pixelColor(0, 0), image.pixelColor(29, 0), image.pixelColor(0, 19),
                       image.pixelColor(29, 19), image.pixelColor(5, 5)};
    };
    // The bottom-right colour takes the top-right and bottom-left corners.
    auto frame = [](const QColor& topLeft, const QColor& bottomRight, const QColor& inside) {
        return Corners{topLeft, bottomRight, bottomRight, bottomRight, inside};
    };

    EXPECT_EQ(corners(), frame(kNormalFace, kNormalFace, kNormalFace));
    hover(button, true);
    EXPECT_EQ(corners(), frame(light, shadow, kHotFace));
    button.setDown(true);
    EXPECT_EQ(corners(), frame(shadow, light, kHotFace));
    // Pressed shows the sunken border even when the pointer has left.
    hover(button, false);
    EXPECT_EQ(corners(), frame(shadow, light, kHotFace));
    button.setDown(false);
    EXPECT_EQ(corners(), frame(kNormalFace, kNormalFace, kNormalFace));

    button.SetFlat(false);
    EXPECT_EQ(corners(), frame(light, shadow, kNormalFace));
    button.SetBorder(false);
    hover(button, true);
    EXPECT_EQ(corners(), frame(kHotFace, kHotFace, kHotFace));
}

TEST_F(ImageButtonTest, HotFaceSwapsInPlaceAndPressingShiftsItOnePixel) {
    const QColor red(220, 0, 0), blue(0, 0, 220);
    ImageButton button;
    button.SetTransparent(false);
    button.SetBackgroundColours(kNormalFace, kHotFace);
    ASSERT_TRUE(button.SetBitmaps(filled({20, 10}, red), filled({20, 10}, blue), true));
    ASSERT_EQ(button.size(), QSize(23, 13));

    // The face starts inside the border's place; its last pixel is at (20, 10).
    QImage image = renderAt(button);
    EXPECT_EQ(image.pixelColor(1, 1), red);
    EXPECT_EQ(image.pixelColor(20, 10), red);
    EXPECT_EQ(image.pixelColor(21, 11), kNormalFace);

    hover(button, true);
    image = renderAt(button);
    EXPECT_EQ(image.pixelColor(1, 1), blue);
    EXPECT_EQ(image.pixelColor(20, 10), blue);
    EXPECT_EQ(image.pixelColor(21, 11), kHotFace);

    button.setDown(true);
    image = renderAt(button);
    EXPECT_EQ(image.pixelColor(1, 1), kHotFace);
    EXPECT_EQ(image.pixelColor(2, 2), blue);
    EXPECT_EQ(image.pixelColor(21, 11), blue);

    button.SetPressedOffset(false);
    EXPECT_EQ(renderAt(button).pixelColor(1, 1), blue);

    // A disabled button keeps its normal face under the pointer.
    button.setDown(false);
    button.setEnabled(false);
    EXPECT_EQ(renderAt(button).pixelColor(1, 1), red);
}

TEST_F(ImageButtonTest, TextColoursFollowHoverAndDisabling) {
    const QColor normal(0x35, 0x35, 0x35), hot(200, 0, 0);
    ImageButton button;
    button.setText(QStringLiteral("&Wm"));
    button.SetFont(crispFont(16, true));
    button.resize(60, 24);
    button.SetTransparent(false);
    button.SetBackgroundColours(kPaper, kPaper);
    button.SetBorder(false);

    button.SetTextColours(normal, QColor());
    const int textPixels = countOf(renderAt(button), normal);
    ASSERT_GT(textPixels, 20);

    // Without a hot colour of its own the text keeps its colour under the pointer.
    hover(button, true);
    EXPECT_EQ(countOf(renderAt(button), normal), textPixels);

    button.SetTextColours(normal, hot);
    QImage image = renderAt(button);
    EXPECT_EQ(countOf(image, hot), textPixels);
    EXPECT_EQ(countOf(image, normal), 0);

    button.setEnabled(false);
    const QColor grey = button.palette().color(QPalette::Disabled, QPalette::ButtonText);
    ASSERT_NE(grey, normal);
    image = renderAt(button);
    EXPECT_EQ(countOf(image, grey), textPixels);
    EXPECT_EQ(countOf(image, hot), 0);
}

TEST_F(ImageButtonTest, ResizingToTheFaceAddsTheBorderAndThePressedOffset) {
    ImageButton button;
    button.move(5, 7);
    button.SetBorder(false);
    button.SetPressedOffset(false);
    ASSERT_TRUE(button.SetBitmaps(filled({106, 26}, Qt::red), QPixmap(), true));
    EXPECT_EQ(button.geometry(), QRect(5, 7, 106, 26));

    button.SetBorder(true);
    button.SetPressedOffset(true);
    ASSERT_TRUE(button.SetBitmaps(filled({106, 26}, Qt::red), QPixmap(), true));
    EXPECT_EQ(button.geometry(), QRect(5, 7, 109, 29));

    // An icon counts at its size on the window, not in device pixels.
    ASSERT_TRUE(button.SetIcon(filled({16, 16}, Qt::red, 2.0), QPixmap(), true));
    EXPECT_EQ(button.size(), QSize(19, 19));
    button.SetTransparent(false);
    const QImage image = renderAt(button);
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(16, 16), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(17, 17), asPixel(button.palette().color(QPalette::Button)));

    // A null face fails and leaves no picture behind, nor a changed size.
    EXPECT_FALSE(button.SetBitmaps(QPixmap(), filled({5, 5}, Qt::red), true));
    EXPECT_EQ(button.size(), QSize(19, 19));
    EXPECT_EQ(countOf(renderAt(button), Qt::red), 0);
}

class ImageButtonBackgroundTest : public WidgetTest, public testing::WithParamInterface<qreal> {};

TEST_P(ImageButtonBackgroundTest, DrawsTheParentImageUnderItPixelForPixel) {
    const qreal ratio = GetParam();
    QPixmap background = patternPixmap({200, 150}, ratio);
    QWidget parent;
    parent.resize(200, 150);
    auto* button = new ImageButton(&parent);
    button->setGeometry(11, 72, 40, 20);
    button->SetBorder(false);
    button->SetBackgroundImage(&background);

    auto mismatches = [&](QPoint place, int seed) {
        const QImage image = renderAt(*button, ratio);
        EXPECT_EQ(image.size(), button->size() * ratio);
        const int dx = qRound(place.x() * ratio), dy = qRound(place.y() * ratio);
        int wrong = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                wrong += image.pixel(x, y) != patternAt(dx + x, dy + y, seed);
            }
        }
        return wrong;
    };
    EXPECT_EQ(mismatches({11, 72}, 0), 0);

    // A move takes the background of the new place.
    button->move(30, 41);
    EXPECT_EQ(mismatches({30, 41}, 0), 0);

    // So does a background rendered anew into the same image.
    background = patternPixmap({200, 150}, ratio, 77);
    EXPECT_EQ(mismatches({30, 41}, 77), 0);
}

INSTANTIATE_TEST_SUITE_P(Ratios, ImageButtonBackgroundTest, testing::Values(1.0, 2.0));

TEST_F(ImageButtonTest, KeyboardAndScreenReadersReachItByItsText) {
    QWidget window;
    window.resize(200, 100);
    auto* add = new ImageButton(&window);
    add->setText(QStringLiteral("&Add Files"));
    add->setGeometry(0, 0, 100, 27);
    auto* folder = new ImageButton(&window);
    folder->setText(QStringLiteral("Add &Folder"));
    folder->setGeometry(0, 40, 100, 27);

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(add);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Add Files"));

    activate(window);
    QSignalSpy addClicks(add, &QAbstractButton::clicked);
    QSignalSpy folderClicks(folder, &QAbstractButton::clicked);
    QTest::keyClick(&window, Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return addClicks.count() == 1; }, 2000));
    EXPECT_EQ(folderClicks.count(), 0);

    folder->setFocus();
    QTest::keyClick(folder, Qt::Key_Tab);
    EXPECT_TRUE(add->hasFocus());
    QTest::keyClick(add, Qt::Key_Space);
    EXPECT_EQ(addClicks.count(), 2);
    EXPECT_EQ(folderClicks.count(), 0);
}

// An opener that records what it was asked to open and answers with a set result.
struct FakeOpener final : UrlOpener {
    int result = kOpenSucceeded;
    QList<QUrl> urls;
    int open(const QUrl& url) override {
        urls.push_back(url);
        return result;
    }
};

class HyperlinkLabelTest : public WidgetTest {
protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        window->resize(400, 120);
        label = new HyperlinkLabel(QStringLiteral("Tonvexa home page"), window.get());
        label->setFont(crispFont(14));
        label->move(10, 10);
        label->SetUrl(QStringLiteral("https://www.tonvexa.example/"));
        label->setUrlOpener(&opener);
        label->setDialogs(&dialogs);
    }
    void TearDown() override {
        window.reset();
        WidgetTest::TearDown();
    }

    std::unique_ptr<QWidget> window;
    HyperlinkLabel* label = nullptr;
    FakeOpener opener;
    test::TestDialogs dialogs;
};

TEST_F(HyperlinkLabelTest, UnderlineModesAndHoverColour) {
    label->SetUnderline(HyperlinkLabel::UnderlineNever);
    const std::vector<int> plain = inkOf(renderAt(*label));
    label->SetUnderline(HyperlinkLabel::UnderlineAlways);
    QImage image = renderAt(*label);
    const std::vector<int> underlined = inkOf(image);
    ASSERT_FALSE(plain.empty());
    // The underline adds a line across the text.
    EXPECT_GE(underlined.size(), plain.size() + label->width() * 8 / 10);
    EXPECT_TRUE(inkIsAll(image, HyperlinkLabel::kLinkColour));

    // Always underlined: hovering changes the colour only.
    hover(*label, true);
    image = renderAt(*label);
    EXPECT_EQ(inkOf(image), underlined);
    EXPECT_TRUE(inkIsAll(image, HyperlinkLabel::kHoverColour));

    label->SetUnderline(HyperlinkLabel::UnderlineHover);
    EXPECT_EQ(inkOf(renderAt(*label)), underlined);
    hover(*label, false);
    image = renderAt(*label);
    EXPECT_EQ(inkOf(image), plain);
    EXPECT_TRUE(inkIsAll(image, HyperlinkLabel::kLinkColour));
}

TEST_F(HyperlinkLabelTest, AnOpenedLinkTurnsPurpleAndStays) {
    label->SetUnderline(HyperlinkLabel::UnderlineAlways);
    QSignalSpy opened(label, &HyperlinkLabel::opened);
    // Clicked through the window, as the pointer does.
    activate(*window);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, label->geometry().center());
    ASSERT_EQ(opener.urls.size(), 1);
    EXPECT_EQ(opener.urls[0], QUrl(QStringLiteral("https://www.tonvexa.example/")));
    EXPECT_EQ(opened.count(), 1);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(inkIsAll(renderAt(*label), HyperlinkLabel::kVisitedColour));

    hover(*label, false);
    hover(*label, true);
    EXPECT_TRUE(inkIsAll(renderAt(*label), HyperlinkLabel::kHoverColour));
    hover(*label, false);
    EXPECT_TRUE(inkIsAll(renderAt(*label), HyperlinkLabel::kVisitedColour));

    // Another button than the left one opens nothing.
    QTest::mouseClick(label, Qt::RightButton);
    EXPECT_EQ(opener.urls.size(), 1);
}

TEST_F(HyperlinkLabelTest, AFailureTellsTheReason) {
    QSignalSpy opened(label, &HyperlinkLabel::opened);
    // Codes above 32 mean success, so an unknown failure is one of the codes below.
    opener.result = 4;
    QTest::mouseClick(label, Qt::LeftButton);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Unable to open hyperlink:\n\nUnknown Error (4) occurred."));
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(dialogs.messages[0].owner, label);

    opener.result = kOpenNoAssociation;
    EXPECT_FALSE(label->open());
    opener.result = kOpenFileNotFound;
    EXPECT_FALSE(label->open());
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[1].text,
              QStringLiteral("Unable to open hyperlink:\n\nThere is no application associated\n"
                             "with the given filename extension."));
    EXPECT_EQ(dialogs.messages[2].text,
              QStringLiteral("Unable to open hyperlink:\n\nThe specified file was not found."));
    EXPECT_EQ(opened.count(), 0);
    EXPECT_FALSE(label->isVisited());
    EXPECT_TRUE(inkIsAll(renderAt(*label), HyperlinkLabel::kLinkColour));
    EXPECT_EQ(HyperlinkLabel::ReasonText(42), QStringLiteral("Unknown Error (42) occurred."));
}

TEST_F(HyperlinkLabelTest, FitsToItsTextKeepingTheAlignedEdge) {
    const QString address = QStringLiteral("www.tonvexa.example");
    QFont underlined = crispFont(14);
    underlined.setUnderline(true);
    const QSize textSize = QFontMetrics(underlined).size(Qt::TextSingleLine, address);

    auto fitted = [&](Qt::Alignment alignment) {
        auto* link = new HyperlinkLabel(QString(), window.get());
        link->setFont(crispFont(14));
        link->setAlignment(alignment);
        link->setGeometry(50, 40, 300, 30);
        link->SetUrl(address);
        EXPECT_EQ(link->text(), address);
        EXPECT_EQ(link->toolTip(), address);
        return link->geometry();
    };
    EXPECT_EQ(fitted(Qt::AlignLeft | Qt::AlignTop), QRect(QPoint(50, 40), textSize));
    EXPECT_EQ(fitted(Qt::AlignRight | Qt::AlignVCenter),
              QRect(QPoint(350 - textSize.width(), 40 + (30 - textSize.height()) / 2), textSize));
    EXPECT_EQ(fitted(Qt::AlignHCenter | Qt::AlignTop),
              QRect(QPoint(50 + (300 - textSize.width()) / 2, 40), textSize));

    // A larger font refits the label.
    const QSize before = label->size();
    label->setFont(crispFont(20));
    EXPECT_GT(label->width(), before.width());
    EXPECT_GT(label->height(), before.height());

    // Without an address the text is the address.
    HyperlinkLabel mail(QStringLiteral("support@tonvexa.example"), window.get());
    EXPECT_EQ(mail.url(), QStringLiteral("support@tonvexa.example"));
}

TEST_F(HyperlinkLabelTest, ScreenReadersSeeALinkThatTheyCanPress) {
    label->setText(QStringLiteral("Tonvexa &Homepage"));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Link);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Tonvexa Homepage"));
    QAccessibleActionInterface* actions = accessible->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(opener.urls.size(), 1);
    EXPECT_TRUE(accessible->state().traversed);

    // An address shown as the text shows its "&" as it is.
    auto* search = new HyperlinkLabel(QString(), window.get());
    search->SetUrl(QStringLiteral("https://search.example/?q=joint+stereo&hl=en"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(search)->text(QAccessible::Name),
              search->url());
}

TEST_F(HyperlinkLabelTest, TabReachesItAndEnterOrSpaceOpensIt) {
    auto* edit = new QLineEdit(window.get());
    edit->move(10, 60);
    edit->setTabOrder(edit, label);
    activate(*window);
    edit->setFocus();
    const std::vector<int> unfocused = inkOf(renderAt(*label));
    QTest::keyClick(edit, Qt::Key_Tab);
    ASSERT_TRUE(label->hasFocus());
    // The focus is shown.
    EXPECT_NE(inkOf(renderAt(*label)), unfocused);

    QTest::keyClick(label, Qt::Key_Return);
    EXPECT_EQ(opener.urls.size(), 1);
    QTest::keyClick(label, Qt::Key_Space);
    EXPECT_EQ(opener.urls.size(), 2);
    QTest::keyClick(label, Qt::Key_X);
    EXPECT_EQ(opener.urls.size(), 2);
}

// Pictures of the widgets in their states for a person to look at, written only when
// TONVEXA_SHOTS names a folder.
class Backdrop : public QWidget {
public:
    explicit Backdrop(const QPixmap& image) : image_(image) {
        resize(image.deviceIndependentSize().toSize());
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawPixmap(0, 0, image_); }

private:
    const QPixmap& image_;
};

QPixmap drawn(QSize size, qreal ratio, const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return pixmap;
}

TEST_F(WidgetTest, ShotsForAPerson) {
    const QString folder = qEnvironmentVariable("TONVEXA_SHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "TONVEXA_SHOTS names no folder";
    for (qreal ratio : {1.0, 2.0}) {
        const QPixmap background = drawn({340, 200}, ratio, [](QPainter& p) {
            QLinearGradient gradient(0, 0, 340, 200);
            gradient.setColorAt(0, QColor(214, 222, 232));
            gradient.setColorAt(1, QColor(150, 168, 190));
            p.fillRect(0, 0, 340, 200, gradient);
            p.setPen(QPen(QColor(255, 255, 255, 90), 3));
            for (int x = -200; x < 340; x += 14) p.drawLine(x, 200, x + 200, 0);
        });
        auto face = [ratio](QColor top, QColor bottom) {
            return drawn({106, 26}, ratio, [=](QPainter& p) {
                QLinearGradient gradient(0, 0, 0, 26);
                gradient.setColorAt(0, top);
                gradient.setColorAt(1, bottom);
                p.setBrush(gradient);
                p.setPen(QColor(90, 100, 115));
                p.drawRoundedRect(QRectF(0.5, 0.5, 105, 25), 6, 6);
            });
        };
        const QPixmap normal = face(QColor(250, 250, 250), QColor(200, 206, 214));
        const QPixmap hot = face(QColor(255, 248, 220), QColor(240, 200, 120));
        const QPixmap cross = drawn({16, 16}, ratio, [](QPainter& p) {
            p.setPen(QPen(QColor(40, 40, 40), 2));
            p.drawLine(QPointF(4, 4), QPointF(12, 12));
            p.drawLine(QPointF(12, 4), QPointF(4, 12));
        });

        Backdrop sheet(background);
        QFont bold(QStringLiteral("DejaVu Sans"));
        bold.setPixelSize(11);
        bold.setBold(true);
        const char* names[] = {"&Add Files", "Add &Folder", "Remove A&ll", "Convert to M&P3"};
        for (int i = 0; i < 4; ++i) {
            auto* button = new ImageButton(&sheet);
            button->setText(QString::fromLatin1(names[i]));
            button->SetFont(bold);
            button->SetTextColours(QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35));
            button->SetBackgroundImage(&background);
            button->SetBorder(false);
            button->SetTextOffset(0, -1);
            button->move(11, 11 + 40 * i);
            button->SetBitmaps(normal, hot, true);
            if (i == 1) hover(*button, true);
            if (i == 2) button->setDown(true);
            if (i == 3) button->setEnabled(false);
        }
        // Normal, under the pointer, disabled.
        for (int i = 0; i < 3; ++i) {
            auto* title = new ImageButton(&sheet);
            title->SetBackgroundImage(&background);
            title->SetDrawText(false);
            title->SetIcon(cross, QPixmap(), false);
            title->setGeometry(140 + 24 * i, 11, 21, 21);
            if (i == 1) hover(*title, true);
            if (i == 2) title->setEnabled(false);
        }
        const char* links[] = {"www.tonvexa.example", "support@tonvexa.example", "LAME home page"};
        for (int i = 0; i < 3; ++i) {
            auto* link = new HyperlinkLabel(QString::fromLatin1(links[i]), &sheet);
            link->move(140, 60 + 24 * i);
            link->SetUnderline(HyperlinkLabel::UnderlineAlways);
            if (i == 1) hover(*link, true);
            if (i == 2) {
                FakeOpener opener;
                link->setUrlOpener(&opener);
                link->open();
                link->setUrlOpener(nullptr);
            }
        }
        QImage shot(sheet.size() * ratio, QImage::Format_ARGB32);
        shot.setDevicePixelRatio(ratio);
        sheet.render(&shot);
        const QString path =
            QDir(folder).filePath(QStringLiteral("widgets-%1x.png").arg(static_cast<int>(ratio)));
        EXPECT_TRUE(shot.save(path)) << path.toStdString();
    }
}

}  // namespace
