#include "Artwork.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <QtMath>

#include <array>
#include <map>
#include <utility>

// The resources are compiled into a static library, whose registration code the linker would
// leave out of the executable because nothing refers to it. Registering them by hand keeps the
// executables free of that concern; the macro must stand outside any namespace.
static void InitTonvexaResources() {
    Q_INIT_RESOURCE(tonvexa);
}

namespace tonvexa {
namespace {

struct Source {
    const char* path;
    QSize size;  // logical pixels
};

// Indices 0 to 6 are the values of Art; the rest are pictures that only this file hands out.
enum SourceIndex {
    kSmallProgramIcon = 7,
    kMenuStrip = 8,
    kPointer = 9,
};

const std::array<Source, 10> kSources{{
    {":/art/background.svg", {699, 538}},
    {":/art/button-normal.svg", {106, 26}},
    {":/art/button-hot.svg", {106, 26}},
    {":/art/title-help.svg", {16, 16}},
    {":/art/title-minimize.svg", {16, 16}},
    {":/art/title-close.svg", {16, 16}},
    {":/art/program-icon.svg", {32, 32}},
    {":/art/program-icon-small.svg", {16, 16}},
    {":/art/menu-icons.svg", {192, 15}},
    {":/art/pointer.svg", {32, 32}},
}};

// The commands with a menu image, in the order of the images in the strip.
constexpr std::array<int, 12> kMenuIconCommands{1090,  32772, 32779, 32776, 32775, 32781,
                                                57670, 32784, 32782, 32783, 32785, 1017};
constexpr QSize kMenuIconSize(16, 15);

// The pointer's tip, in logical pixels.
constexpr int kPointerHotX = 2;
constexpr int kPointerHotY = 2;

// The program icon's sizes; the smaller ones come from the source drawn for small sizes.
constexpr std::array<int, 7> kProgramIconSizes{16, 24, 32, 48, 64, 128, 256};
constexpr int kLargestSmallIcon = 24;

// Renders are kept for the life of the application: the window asks for the same pictures at
// the same ratio again whenever it is shown on a screen. The cache is emptied when the
// application object goes, because pixmaps must not outlive it. Pictures are used from the
// user-interface thread only, as pixmaps must be.
struct Cache {
    std::map<std::pair<int, qreal>, QPixmap> pixmaps;
    QIcon programIcon;
    std::map<int, QIcon> menuIcons;
};

Cache& TheCache() {
    static Cache cache;
    static const bool cleared = [] {
        qAddPostRoutine([] { TheCache() = Cache(); });
        return true;
    }();
    Q_UNUSED(cleared);
    return cache;
}

qreal UsableRatio(qreal devicePixelRatio) {
    return devicePixelRatio > 0 ? devicePixelRatio : 1.0;
}

// Draws a source at logicalSize x ratio pixels. The picture is scaled to fill whole pixels, so
// that at a fractional ratio the last row and column are covered rather than left half empty.
QPixmap Render(const char* path, QSize logicalSize, qreal ratio) {
    RegisterResources();
    QSvgRenderer renderer(QString::fromLatin1(path));
    if (!renderer.isValid()) return {};
    const QSize pixels(qCeil(logicalSize.width() * ratio - 1e-6),
                       qCeil(logicalSize.height() * ratio - 1e-6));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QPixmap CachedRender(int index, qreal ratio) {
    if (index < 0 || index >= static_cast<int>(kSources.size())) return {};
    ratio = UsableRatio(ratio);
    auto& pixmaps = TheCache().pixmaps;
    const auto key = std::make_pair(index, ratio);
    const auto found = pixmaps.find(key);
    if (found != pixmaps.end()) return found->second;
    const Source& source = kSources[static_cast<std::size_t>(index)];
    QPixmap pixmap = Render(source.path, source.size, ratio);
    if (!pixmap.isNull()) pixmaps.emplace(key, pixmap);
    return pixmap;
}

// One image of the menu strip at a ratio.
QPixmap MenuIconPixmap(std::size_t position, qreal ratio) {
    const QPixmap strip = CachedRender(kMenuStrip, ratio);
    if (strip.isNull()) return {};
    const int width = qRound(kMenuIconSize.width() * ratio);
    const int height = qRound(kMenuIconSize.height() * ratio);
    QPixmap image = strip.copy(static_cast<int>(position) * width, 0, width, height);
    image.setDevicePixelRatio(ratio);
    return image;
}

}  // namespace

void RegisterResources() {
    static const bool registered = [] {
        InitTonvexaResources();
        return true;
    }();
    Q_UNUSED(registered);
}

QSize ArtworkSize(Art art) {
    const int index = static_cast<int>(art);
    if (index < 0 || index > static_cast<int>(Art::ProgramIcon)) return {};
    return kSources[static_cast<std::size_t>(index)].size;
}

QPixmap ArtworkPixmap(Art art, qreal devicePixelRatio) {
    const int index = static_cast<int>(art);
    if (index < 0 || index > static_cast<int>(Art::ProgramIcon)) return {};
    return CachedRender(index, devicePixelRatio);
}

QIcon ProgramIcon() {
    QIcon& icon = TheCache().programIcon;
    if (!icon.isNull()) return icon;
    for (const int size : kProgramIconSizes) {
        const Source& source = size <= kLargestSmallIcon
                                   ? kSources[kSmallProgramIcon]
                                   : kSources[static_cast<int>(Art::ProgramIcon)];
        const QPixmap pixmap = Render(source.path, QSize(size, size), 1.0);
        if (!pixmap.isNull()) icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon MenuIcon(int commandId) {
    std::size_t position = 0;
    while (position < kMenuIconCommands.size() && kMenuIconCommands[position] != commandId)
        ++position;
    if (position == kMenuIconCommands.size()) return {};

    auto& icons = TheCache().menuIcons;
    const auto found = icons.find(commandId);
    if (found != icons.end()) return found->second;
    QIcon icon;
    // Both ratios, so that menus on a high-density screen get an image drawn for it.
    for (const qreal ratio : {1.0, 2.0}) {
        const QPixmap pixmap = MenuIconPixmap(position, ratio);
        if (!pixmap.isNull()) icon.addPixmap(pixmap);
    }
    if (!icon.isNull()) icons.emplace(commandId, icon);
    return icon;
}

QCursor PointerCursor(qreal devicePixelRatio) {
    const QPixmap pixmap = CachedRender(kPointer, devicePixelRatio);
    if (pixmap.isNull()) return QCursor(Qt::ArrowCursor);
    // The hotspot is given in logical pixels; Qt scales it with the pixmap's ratio.
    return QCursor(pixmap, kPointerHotX, kPointerHotY);
}

}  // namespace tonvexa
