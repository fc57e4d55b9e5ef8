#include "ImageButton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <cmath>

namespace tonvexa {

namespace {

// A three-dimensional frame one pixel wide: the top and left edges in one colour, the bottom
// and right edges in the other, the bottom-right colour owning both the top-right and the
// bottom-left corner pixel as the classic raised and sunken frames do.
void draw3dRect(QPainter& painter, const QRect& r, const QColor& topLeft,
                const QColor& bottomRight) {
    painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), topLeft);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
}

}  // namespace

ImageButton::ImageButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    normalTextColour_ = hotTextColour_ = palette().color(QPalette::ButtonText);
    normalBackground_ = hotBackground_ = palette().color(QPalette::Button);
    font_ = QApplication::font(this);
    font_.setPixelSize(11);
}

void ImageButton::clearImages() {
    normalBitmap_ = hotBitmap_ = normalIcon_ = hotIcon_ = QPixmap();
}

QSize ImageButton::chromeSize() const {
    const int extra = (pressedOffset_ ? 1 : 0) + (border_ ? 2 : 0);
    return {extra, extra};
}

bool ImageButton::setFaces(QPixmap& normalSlot, QPixmap& hotSlot, const QPixmap& normal,
                           const QPixmap& hot, bool resize) {
    clearImages();
    const bool ok = !normal.isNull();
    if (ok) {
        normalSlot = normal;
        hotSlot = hot;
        // The face's logical size: a picture rendered for a high-density screen is no larger
        // on the window than its 1x counterpart.
        if (resize) this->resize(normal.deviceIndependentSize().toSize() + chromeSize());
    }
    update();
    return ok;
}

bool ImageButton::SetBitmaps(const QPixmap& normal, const QPixmap& hot, bool resize) {
    return setFaces(normalBitmap_, hotBitmap_, normal, hot, resize);
}

bool ImageButton::SetIcon(const QPixmap& normal, const QPixmap& hot, bool resize) {
    return setFaces(normalIcon_, hotIcon_, normal, hot, resize);
}

void ImageButton::SetCursor(const QCursor& cursor) {
    cursor_ = cursor;
    setCursor(cursor);
}

void ImageButton::SetFont(const QFont& font) {
    font_ = font;
    updateGeometry();
    update();
}

void ImageButton::SetTextColours(const QColor& normal, const QColor& hot) {
    normalTextColour_ = normal;
    hotTextColour_ = hot.isValid() ? hot : normal;
    update();
}

void ImageButton::SetDrawText(bool on) {
    drawText_ = on;
    update();
}

void ImageButton::SetTextOffset(int x, int y) {
    textOffset_ = QPoint(x, y);
    update();
}

void ImageButton::SetBorder(bool on) {
    border_ = on;
    updateGeometry();
    update();
}

void ImageButton::SetFlat(bool on) {
    flat_ = on;
    update();
}

void ImageButton::SetPressedOffset(bool on) {
    pressedOffset_ = on;
    updateGeometry();
    update();
}

void ImageButton::SetDrawFocus(bool on) {
    drawFocus_ = on;
    update();
}

void ImageButton::SetTransparent(bool on) {
    transparent_ = on;
    update();
}

void ImageButton::SetBackgroundColours(const QColor& normal, const QColor& hot) {
    normalBackground_ = normal;
    hotBackground_ = hot;
    update();
}

void ImageButton::SetBackgroundImage(const QPixmap* image) {
    backgroundImage_ = image;
    backgroundCache_ = QPixmap();
    update();
}

QSize ImageButton::sizeHint() const {
    if (!normalBitmap_.isNull())
        return normalBitmap_.deviceIndependentSize().toSize() + chromeSize();
    if (!normalIcon_.isNull()) return normalIcon_.deviceIndependentSize().toSize() + chromeSize();
    const QFontMetrics metrics(font_);
    const QSize textSize = metrics.size(Qt::TextSingleLine | Qt::TextShowMnemonic, text());
    // Some air around the text, as a push button has.
    return textSize + QSize(metrics.averageCharWidth() * 2, metrics.height() / 2) + chromeSize();
}

const QPixmap& ImageButton::capturedBackground() {
    // The cache is also dropped when the image itself was replaced in place (the window
    // renders its background anew for a screen of another density).
    if (!backgroundCache_.isNull() && backgroundCacheKey_ == backgroundImage_->cacheKey()) {
        return backgroundCache_;
    }
    const qreal ratio = backgroundImage_->devicePixelRatio();
    const QRect place(parentWidget() ? geometry().topLeft() : QPoint(), size());
    // The same rectangle in the image's own pixels; edges are rounded separately so that
    // neighbouring buttons meet without a gap at fractional ratios.
    const int left = static_cast<int>(std::lround(place.left() * ratio));
    const int top = static_cast<int>(std::lround(place.top() * ratio));
    const int right = static_cast<int>(std::lround((place.left() + place.width()) * ratio));
    const int bottom = static_cast<int>(std::lround((place.top() + place.height()) * ratio));
    backgroundCache_ = backgroundImage_->copy(QRect(left, top, right - left, bottom - top));
    backgroundCache_.setDevicePixelRatio(ratio);
    backgroundCacheKey_ = backgroundImage_->cacheKey();
    return backgroundCache_;
}

void ImageButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect r = rect();
    if (r.isEmpty()) return;
    const bool pressed = isDown();
    const bool disabled = !isEnabled();
    const bool hot = hovered_ || pressed;

    if (!transparent_) {
        painter.fillRect(r, hot ? hotBackground_ : normalBackground_);
    } else if (backgroundImage_ && !backgroundImage_->isNull()) {
        painter.drawPixmap(QRectF(r), capturedBackground(), QRectF());
    }

    if (border_) {
        if (!flat_ || hot) {
            const QColor light = palette().color(QPalette::Light);
            const QColor shadow = palette().color(QPalette::Dark);
            if (pressed) {
                draw3dRect(painter, r, shadow, light);
            } else {
                draw3dRect(painter, r, light, shadow);
            }
        }
        // The content sits inside the border's place whether or not the border shows, so
        // that it does not jump when the pointer arrives.
        r.adjust(1, 1, -1, -1);
    }
    if (pressed && pressedOffset_) r.translate(1, 1);

    const bool showHot = hot && !disabled;
    if (!normalIcon_.isNull()) {
        QPixmap icon = showHot && !hotIcon_.isNull() ? hotIcon_ : normalIcon_;
        if (disabled) {
            QStyleOption option;
            option.initFrom(this);
            icon = style()->generatedIconPixmap(QIcon::Disabled, icon, &option);
        }
        const QSize size = icon.deviceIndependentSize().toSize();
        painter.drawPixmap(r.left() + (r.width() - size.width()) / 2,
                           r.top() + (r.height() - size.height()) / 2, icon);
    } else if (!normalBitmap_.isNull()) {
        painter.drawPixmap(r.topLeft(),
                           showHot && !hotBitmap_.isNull() ? hotBitmap_ : normalBitmap_);
    }

    if (drawText_ && !text().isEmpty()) {
        QColor colour = normalTextColour_;
        if (disabled) {
            colour = palette().color(QPalette::Disabled, QPalette::ButtonText);
        } else if (hot) {
            colour = hotTextColour_;
        }
        painter.setFont(font_);
        painter.setPen(colour);
        painter.drawText(
            r.translated(textOffset_),
            Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic | Qt::TextDontClip, text());
    }

    if (drawFocus_ && hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = r.adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void ImageButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void ImageButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void ImageButton::resizeEvent(QResizeEvent* event) {
    backgroundCache_ = QPixmap();
    QAbstractButton::resizeEvent(event);
}

void ImageButton::moveEvent(QMoveEvent* event) {
    backgroundCache_ = QPixmap();
    QAbstractButton::moveEvent(event);
}

bool ImageButton::hitButton(const QPoint& pos) const {
    // The whole rectangle is the button, also where its face leaves the background visible.
    return rect().contains(pos);
}

}  // namespace tonvexa
