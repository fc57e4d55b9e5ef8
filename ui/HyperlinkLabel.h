#pragma once

#include <QColor>
#include <QLabel>
#include <QString>

namespace tonvexa {

class Dialogs;
class UrlOpener;

// A text that behaves like a web link: underlined in link colours, red while the pointer is
// over it, purple once its address was opened, a hand cursor and a tooltip with the address.
// A click (or Enter or Space when it has the keyboard focus) opens the address through the
// URL opener; when that fails, a message names the reason. Screen readers see it as a link
// named by its text. As in a dialog's static text, "&" in the text marks a mnemonic ("&&"
// shows one), and the text sits at the top left unless the caller aligns it otherwise.
class HyperlinkLabel : public QLabel {
    Q_OBJECT

public:
    // While hovered only (the initial mode), never, always.
    enum Underline { UnderlineHover = -1, UnderlineNever = 0, UnderlineAlways = 1 };

    static inline const QColor kLinkColour{0, 0, 238};
    static inline const QColor kVisitedColour{85, 26, 139};
    static inline const QColor kHoverColour{255, 0, 0};

    explicit HyperlinkLabel(const QString& text = QString(), QWidget* parent = nullptr);

    // The address; an empty text shows the address, an empty address is the text. The
    // tooltip shows it, and the label is refitted to its text.
    void SetUrl(const QString& url);
    QString url() const { return url_; }
    void SetUnderline(int mode);
    int underline() const { return underline_; }
    void SetColours(const QColor& link, const QColor& visited, const QColor& hover);
    // Whether the label is resized to its text (on by default).
    void SetAutoSize(bool on);

    // Where the address is opened and failures are shown; by default the program's opener
    // and message boxes. Neither is owned.
    void setUrlOpener(UrlOpener* opener) { opener_ = opener; }
    void setDialogs(Dialogs* dialogs) { dialogs_ = dialogs; }

    bool isHovered() const { return hovered_; }
    bool isVisited() const { return visited_; }
    // The colour the text is drawn in now.
    QColor textColour() const;

    // Opens the address as a click does; true when it opened.
    bool open();

    // The reason shown for an opener's result code ("Unknown Error (%d) occurred." for codes
    // without a text of their own).
    static QString ReasonText(int code);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void opened();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Shows the address as the tooltip, refits the label and repaints it.
    void applyLook();
    void fitToText();
    QFont underlinedFont() const;
    // The text's size in the underlined font, plus the frame.
    QSize fittedSize() const;

    QColor linkColour_ = kLinkColour;
    QColor visitedColour_ = kVisitedColour;
    QColor hoverColour_ = kHoverColour;
    bool hovered_ = false;
    bool visited_ = false;
    int underline_ = UnderlineHover;
    bool autoSize_ = true;
    QString url_;
    UrlOpener* opener_ = nullptr;
    Dialogs* dialogs_ = nullptr;
};

}  // namespace tonvexa
