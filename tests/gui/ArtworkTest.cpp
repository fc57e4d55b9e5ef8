#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QtMath>

#include <set>
#include <vector>

#include "ui/Artwork.h"

using namespace tonvexa;

namespace {

struct ArtCase {
    Art art;
    const char* name;
    QSize size;
};

// The window's layout is built around these sizes, so they are fixed here, not read back.
const std::vector<ArtCase> kArt{
    {Art::Background, "background", {699, 538}},  {Art::ButtonNormal, "button-normal", {106, 26}},
    {Art::ButtonHot, "button-hot", {106, 26}},    {Art::HelpIcon, "help", {16, 16}},
    {Art::MinimizeIcon, "minimize", {16, 16}},    {Art::CloseIcon, "close", {16, 16}},
    {Art::ProgramIcon, "program-icon", {32, 32}},
};

constexpr int kMenuCommands[] = {1090,  32772, 32779, 32776, 32775, 32781,
                                 57670, 32784, 32782, 32783, 32785, 1017};

int VisiblePixels(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) count += qAlpha(argb.pixel(x, y)) > 0 ? 1 : 0;
    return count;
}

// A contact sheet of every picture at one ratio, for a person to look at.
void WriteContactSheet(const QString& folder, qreal ratio) {
    const QPixmap background = ArtworkPixmap(Art::Background, ratio);
    QImage sheet(qRound(980 * ratio), qRound(560 * ratio), QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(ratio);
    sheet.fill(QColor(0xC9, 0xCE, 0xD4));
    QPainter painter(&sheet);
    painter.drawPixmap(10, 10, background);
    int y = 10;
    for (const Art art : {Art::ButtonNormal, Art::ButtonHot}) {
        painter.drawPixmap(720, y, ArtworkPixmap(art, ratio));
        y += 34;
    }
    int x = 720;
    for (const Art art : {Art::HelpIcon, Art::MinimizeIcon, Art::CloseIcon}) {
        painter.fillRect(x, y, 24, 24, QColor(0xF8, 0xF9, 0xFB));
        painter.drawPixmap(x + 4, y + 4, ArtworkPixmap(art, ratio));
        x += 30;
    }
    y += 34;
    painter.drawPixmap(720, y, ArtworkPixmap(Art::ProgramIcon, ratio));
    x = 760;
    for (const int size : {16, 24, 48}) {
        painter.drawPixmap(x, y, ProgramIcon().pixmap(QSize(size, size), ratio));
        x += size + 8;
    }
    y += 56;
    x = 720;
    for (const int id : kMenuCommands) {
        painter.fillRect(x - 2, y - 2, 20, 19, Qt::white);
        painter.drawPixmap(x, y, MenuIcon(id).pixmap(QSize(16, 15), ratio));
        x += 20;
        if (x > 940) {
            x = 720;
            y += 22;
        }
    }
    y += 30;
    const QCursor pointer = PointerCursor(ratio);
    painter.drawPixmap(720, y, pointer.pixmap());
    painter.end();
    sheet.save(QDir(folder).filePath(QStringLiteral("artwork-%1x.png").arg(ratio)));
}

}  // namespace

TEST(ArtworkTest, EveryPictureHasItsSizeAtEachRatio) {
    for (const ArtCase& c : kArt) {
        EXPECT_EQ(ArtworkSize(c.art), c.size) << c.name;
        for (const qreal ratio : {1.0, 2.0, 1.5}) {
            const QPixmap pixmap = ArtworkPixmap(c.art, ratio);
            ASSERT_FALSE(pixmap.isNull()) << c.name << " at " << ratio;
            EXPECT_EQ(pixmap.devicePixelRatio(), ratio) << c.name;
            const QSize pixels(qCeil(c.size.width() * ratio), qCeil(c.size.height() * ratio));
            EXPECT_EQ(pixmap.size(), pixels) << c.name << " at " << ratio;
            if (ratio != 1.5) {
                EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), c.size) << c.name;
            }
        }
    }
}

TEST(ArtworkTest, PicturesAreDrawnAndTheBackgroundIsOpaque) {
    for (const qreal ratio : {1.0, 2.0, 1.5}) {
        const QImage background = ArtworkPixmap(Art::Background, ratio).toImage();
        int transparent = 0;
        for (int y = 0; y < background.height(); ++y)
            for (int x = 0; x < background.width(); ++x)
                transparent += qAlpha(background.pixel(x, y)) < 255 ? 1 : 0;
        EXPECT_EQ(transparent, 0) << "at " << ratio;
    }
    for (const ArtCase& c : kArt) {
        const QImage image = ArtworkPixmap(c.art, 1.0).toImage();
        EXPECT_GT(VisiblePixels(image), 15) << c.name;
    }
    EXPECT_NE(ArtworkPixmap(Art::ButtonNormal, 1.0).toImage(),
              ArtworkPixmap(Art::ButtonHot, 1.0).toImage());
}

// The list covers (137, 63) to (689, 528); its frame is the one-pixel ring just outside, sharp
// (unblended) at both ratios, and the title-bar buttons sit on a plain part of the band.
TEST(ArtworkTest, BackgroundFitsTheWindowLayout) {
    for (const int ratio : {1, 2}) {
        const QImage image = ArtworkPixmap(Art::Background, ratio).toImage();
        const QRgb frame = image.pixel(136 * ratio, 300 * ratio);
        std::set<QRgb> ring;
        for (int d = 0; d < ratio; ++d) {
            for (int y = 62; y <= 528; y += 7) {
                ring.insert(image.pixel(136 * ratio + d, y * ratio));
                ring.insert(image.pixel(689 * ratio + d, y * ratio));
            }
            for (int x = 136; x <= 689; x += 9) {
                ring.insert(image.pixel(x * ratio, 62 * ratio + d));
                ring.insert(image.pixel(x * ratio, 528 * ratio + d));
            }
        }
        EXPECT_EQ(ring, std::set<QRgb>{frame}) << "at " << ratio;
        EXPECT_NE(image.pixel(136 * ratio - 1, 300 * ratio), frame);
        EXPECT_NE(image.pixel(137 * ratio, 300 * ratio), frame);

        const QRgb band = image.pixel(620 * ratio, 8 * ratio);
        for (int y = 8; y < 36; ++y) {
            for (int x = 620; x < 694; ++x) {
                const QRgb p = image.pixel(x * ratio, y * ratio);
                ASSERT_LE(qAbs(qRed(p) - qRed(band)) + qAbs(qGreen(p) - qGreen(band)) +
                              qAbs(qBlue(p) - qBlue(band)),
                          24)
                    << "title-bar button area not plain at " << x << "," << y;
            }
        }
    }
}

TEST(ArtworkTest, RendersAreCached) {
    EXPECT_EQ(ArtworkPixmap(Art::Background, 2.0).cacheKey(),
              ArtworkPixmap(Art::Background, 2.0).cacheKey());
    EXPECT_NE(ArtworkPixmap(Art::Background, 1.0).cacheKey(),
              ArtworkPixmap(Art::Background, 2.0).cacheKey());
}

TEST(ArtworkTest, ProgramIconHasEverySize) {
    const QIcon icon = ProgramIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
        const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
        EXPECT_EQ(image.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255) << size;
    }
}

TEST(ArtworkTest, MenuIconsForTheStripCommandsOnly) {
    std::set<QByteArray> distinct;
    for (const int id : kMenuCommands) {
        const QIcon icon = MenuIcon(id);
        ASSERT_FALSE(icon.isNull()) << id;
        EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 15))) << id;
        for (const qreal ratio : {1.0, 2.0}) {
            const QPixmap pixmap = icon.pixmap(QSize(16, 15), ratio);
            EXPECT_EQ(pixmap.size(), QSize(16, 15) * ratio) << id;
            EXPECT_GT(VisiblePixels(pixmap.toImage()), 30 * ratio * ratio) << id;
        }
        const QImage image = icon.pixmap(QSize(16, 15), 1.0).toImage();
        distinct.insert(
            QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    // Twelve different images: the strip is cut at the right places.
    EXPECT_EQ(distinct.size(), std::size(kMenuCommands));
    for (const int id : {0, -1, 1001, 1002, 1003, 1024, 1091, 32771, 32777, 32780})
        EXPECT_TRUE(MenuIcon(id).isNull()) << id;
}

TEST(ArtworkTest, PointerTipIsItsHotspot) {
    for (const qreal ratio : {1.0, 2.0}) {
        const QCursor cursor = PointerCursor(ratio);
        const QPixmap pixmap = cursor.pixmap();
        ASSERT_FALSE(pixmap.isNull());
        EXPECT_EQ(pixmap.size(), QSize(32, 32) * ratio);
        EXPECT_EQ(cursor.hotSpot(), QPoint(2, 2));
        const QImage image = pixmap.toImage();
        const int hx = qRound(2 * ratio), hy = qRound(2 * ratio);
        // The tip is drawn at the hotspot, and nothing lies above and left of it.
        EXPECT_GT(qAlpha(image.pixel(hx, hy)), 128);
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    }
}

TEST(ArtworkTest, ContactSheets) {
    const QString folder = qEnvironmentVariable("TONVEXA_SHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "set TONVEXA_SHOTS to a folder to get the pictures";
    QDir().mkpath(folder);
    for (const qreal ratio : {1.0, 2.0}) WriteContactSheet(folder, ratio);
    EXPECT_TRUE(QFile::exists(QDir(folder).filePath(QStringLiteral("artwork-2x.png"))));
}
