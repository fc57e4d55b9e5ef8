#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QCursor>
#include <QFont>
#include <QPixmap>
#include <QPoint>

#include <optional>

namespace tonvexa {

// The push button of the caption-less main window. It draws itself over the part of the
// window's background image that lies under it, shows a face (a bitmap at its own size, or an
// icon centred) that changes while the pointer is over it, draws its text in its own font and
// colours, and shows its own cursor. It paints from its state alone, so a test can render it.
// Its text, without the mnemonic marker, is the accessible name; an image-only button gets
// its name from the caller (setAccessibleName).
class ImageButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit ImageButton(QWidget* parent = nullptr);

    // The setters of the look repaint the button; a run of them costs one paint, as each
    // only schedules it.

    // Faces shown at their own size from the top-left of the content area; the hot face (may
    // be null) while hovered or pressed. With resize, the button takes the face's size, plus
    // one pixel with the pressed offset and two with the border. Every earlier image is
    // dropped first; false, with no image left, when the normal face is null.
    bool SetBitmaps(const QPixmap& normal, const QPixmap& hot, bool resize);
    // The same with icons, which are drawn centred (and greyed while disabled).
    bool SetIcon(const QPixmap& normal, const QPixmap& hot, bool resize);
    void SetCursor(const QCursor& cursor);
    void SetFont(const QFont& font);
    // The font the face draws the text in.
    const QFont& drawnFont() const { return font_; }
    // An invalid hot colour means the normal colour.
    void SetTextColours(const QColor& normal, const QColor& hot);
    void SetDrawText(bool on);
    void SetTextOffset(int x, int y);
    void SetBorder(bool on);
    // A flat border shows only while the pointer is over the button or it is pressed.
    void SetFlat(bool on);
    // Moves the content one pixel right and down while pressed.
    void SetPressedOffset(bool on);
    void SetDrawFocus(bool on);
    // Draw the background image under the button (on, the default) or flat colours.
    void SetTransparent(bool on);
    void SetBackgroundColours(const QColor& normal, const QColor& hot);
    // The parent window's background image (not owned; it must outlive the button), laid out
    // from the parent's top-left corner. Drops the captured background.
    void SetBackgroundImage(const QPixmap* image);

    bool isHovered() const { return hovered_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    void clearImages();
    bool setFaces(QPixmap& normalSlot, QPixmap& hotSlot, const QPixmap& normal, const QPixmap& hot,
                  bool resize);
    // The extra size around a face: the border and the pressed offset.
    QSize chromeSize() const;
    const QPixmap& capturedBackground();

    const QPixmap* backgroundImage_ = nullptr;
    QPixmap backgroundCache_;
    qint64 backgroundCacheKey_ = 0;  // the image the cache was cut from
    QPixmap normalBitmap_, hotBitmap_;
    QPixmap normalIcon_, hotIcon_;
    std::optional<QCursor> cursor_;
    bool hovered_ = false;
    QColor normalTextColour_, hotTextColour_;
    QFont font_;
    QPoint textOffset_;
    bool drawText_ = true;
    bool drawFocus_ = false;
    bool border_ = true;
    bool flat_ = true;
    bool pressedOffset_ = true;
    bool transparent_ = true;
    QColor normalBackground_, hotBackground_;
};

}  // namespace tonvexa
