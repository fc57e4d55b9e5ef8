#include "HyperlinkLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QUrl>

#include <mutex>

#include "ui/Dialogs.h"
#include "ui/UrlOpener.h"

namespace tonvexa {

namespace {

// The flags the text is measured and drawn with: one line, "&" taken as a mnemonic marker
// whose underline is not drawn (the whole text is underlined as a link anyway).
constexpr int kTextFlags = Qt::TextSingleLine | Qt::TextHideMnemonic;

// The text as a person reads it: mnemonic markers removed, "&&" as one "&".
QString withoutMnemonic(const QString& text) {
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (++i == text.size()) break;
        }
        plain.append(text[i]);
    }
    return plain;
}

// An address shown as the text must show its "&" characters.
QString asLabelText(const QString& address) {
    QString text = address;
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

// What screen readers and test tools see: a link named by its text, whose press action opens
// it, marked as traversed once it was opened.
class HyperlinkAccessible final : public QAccessibleWidget {
public:
    explicit HyperlinkAccessible(HyperlinkLabel* label)
        : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && label()->accessibleName().isEmpty()) {
            return withoutMnemonic(label()->text());
        }
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.traversed = label()->isVisited();
        return s;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& actionName) override {
        if (actionName == pressAction()) {
            label()->open();
        } else {
            QAccessibleWidget::doAction(actionName);
        }
    }

private:
    HyperlinkLabel* label() const { return static_cast<HyperlinkLabel*>(widget()); }
};

QAccessibleInterface* hyperlinkAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(HyperlinkLabel::staticMetaObject.className()) && object &&
        object->isWidgetType()) {
        return new HyperlinkAccessible(static_cast<HyperlinkLabel*>(object));
    }
    return nullptr;
}

Dialogs& defaultDialogs() {
    static QtDialogs dialogs;
    return dialogs;
}

}  // namespace

HyperlinkLabel::HyperlinkLabel(const QString& text, QWidget* parent) : QLabel(parent) {
    static std::once_flag factoryInstalled;
    std::call_once(factoryInstalled,
                   [] { QAccessible::installFactory(hyperlinkAccessibleFactory); });

    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setCursor(Qt::PointingHandCursor);
    // The keyboard reaches the link by Tab; a click opens it without taking the focus away
    // from where the user was typing.
    setFocusPolicy(Qt::TabFocus);
    // Moves over the label after a click make it hot again, as the first move did.
    setMouseTracking(true);
    setText(text);
    url_ = withoutMnemonic(text);
    applyLook();
}

void HyperlinkLabel::SetUrl(const QString& url) {
    url_ = url.isEmpty() ? withoutMnemonic(text()) : url;
    if (text().isEmpty()) setText(asLabelText(url_));
    applyLook();
}

void HyperlinkLabel::SetUnderline(int mode) {
    underline_ = mode;
    update();
}

void HyperlinkLabel::SetColours(const QColor& link, const QColor& visited, const QColor& hover) {
    linkColour_ = link;
    visitedColour_ = visited;
    hoverColour_ = hover;
    update();
}

void HyperlinkLabel::SetAutoSize(bool on) {
    autoSize_ = on;
    fitToText();
}

QColor HyperlinkLabel::textColour() const {
    if (hovered_) return hoverColour_;
    return visited_ ? visitedColour_ : linkColour_;
}

bool HyperlinkLabel::open() {
    hovered_ = false;
    UrlOpener& opener = opener_ ? *opener_ : DefaultUrlOpener();
    // Addresses are written as people write them ("www.example.org", "mailto:..."); read
    // them the same way.
    const int code = opener.open(QUrl::fromUserInput(url_));
    update();
    if (code > 32) {
        visited_ = true;
        Q_EMIT opened();
        return true;
    }
    QApplication::beep();
    Dialogs& dialogs = dialogs_ ? *dialogs_ : defaultDialogs();
    //: %1 is the reason, such as "The specified file was not found."
    dialogs.showMessage(this, tr("Unable to open hyperlink:\n\n%1").arg(ReasonText(code)),
                        MessageIcon::Warning);
    return false;
}

QString HyperlinkLabel::ReasonText(int code) {
    // The reasons keep the shell's execution error codes, which the openers report.
    struct Reason {
        int code;
        const char* text;
    };
    static constexpr Reason kReasons[] = {
        {0, QT_TR_NOOP("The operating system is out\nof memory or resources.")},
        {2, QT_TR_NOOP("The specified file was not found.")},
        {3, QT_TR_NOOP("The specified path was not found.")},
        {5, QT_TR_NOOP("The operating system denied\naccess to the specified file.")},
        {8, QT_TR_NOOP("There was not enough memory to complete the operation.")},
        {11, QT_TR_NOOP("The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).")},
        {26, QT_TR_NOOP("A sharing violation occurred. ")},
        {27, QT_TR_NOOP("The filename association is\nincomplete or invalid.")},
        {28, QT_TR_NOOP("The DDE transaction could not\nbe completed because the request timed "
                        "out.")},
        {29, QT_TR_NOOP("The DDE transaction failed.")},
        {30, QT_TR_NOOP("The DDE transaction could not\nbe completed because other DDE "
                        "transactions\nwere being processed.")},
        {31, QT_TR_NOOP("There is no application associated\nwith the given filename extension.")},
        {32, QT_TR_NOOP("The specified dynamic-link library was not found.")},
    };
    for (const Reason& reason : kReasons) {
        if (reason.code == code) return tr(reason.text);
    }
    //: %1 is the error's number
    return tr("Unknown Error (%1) occurred.").arg(code);
}

QFont HyperlinkLabel::underlinedFont() const {
    QFont underlined = font();
    underlined.setUnderline(true);
    return underlined;
}

QSize HyperlinkLabel::fittedSize() const {
    const QSize textSize = QFontMetrics(underlinedFont()).size(kTextFlags, text());
    const int frame = 2 * frameWidth();
    return textSize + QSize(frame, frame);
}

QSize HyperlinkLabel::sizeHint() const {
    return fittedSize();
}

QSize HyperlinkLabel::minimumSizeHint() const {
    return fittedSize();
}

void HyperlinkLabel::applyLook() {
    setToolTip(url_);
    fitToText();
    update();
}

void HyperlinkLabel::fitToText() {
    updateGeometry();
    if (!autoSize_) return;
    const QSize size = fittedSize();
    const QRect old = geometry();
    const Qt::Alignment align = alignment();
    int x = old.left();
    if (align & Qt::AlignRight) {
        x = old.left() + old.width() - size.width();
    } else if (align & Qt::AlignHCenter) {
        x = old.left() + (old.width() - size.width()) / 2;
    }
    int y = old.top();
    if (align & Qt::AlignVCenter) y = old.top() + (old.height() - size.height()) / 2;
    setGeometry(x, y, size.width(), size.height());
}

void HyperlinkLabel::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QLabel::enterEvent(event);
}

void HyperlinkLabel::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QLabel::leaveEvent(event);
}

void HyperlinkLabel::mousePressEvent(QMouseEvent* event) {
    // The press is the link's: it must not reach the window behind, which may take a press on
    // its background as the start of a move.
    if (event->button() == Qt::LeftButton) {
        event->accept();
    } else {
        QLabel::mousePressEvent(event);
    }
}

void HyperlinkLabel::mouseMoveEvent(QMouseEvent* event) {
    if (!hovered_ && rect().contains(event->position().toPoint())) {
        hovered_ = true;
        update();
    }
    QLabel::mouseMoveEvent(event);
}

void HyperlinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        event->accept();
        open();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void HyperlinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            event->accept();
            if (!event->isAutoRepeat()) open();
            return;
        default:
            QLabel::keyPressEvent(event);
    }
}

void HyperlinkLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const bool underlined =
        underline_ == UnderlineAlways || (underline_ == UnderlineHover && hovered_);
    painter.setFont(underlined ? underlinedFont() : font());
    painter.setPen(textColour());
    painter.drawText(contentsRect(), static_cast<int>(alignment()) | kTextFlags, text());
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void HyperlinkLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) fitToText();
}

}  // namespace tonvexa
