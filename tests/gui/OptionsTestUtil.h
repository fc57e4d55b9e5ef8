#pragma once

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QList>
#include <QPixmap>
#include <QStringList>
#include <QTest>
#include <QUrl>
#include <QWidget>

#include <cstring>

#include "ui/options/PageControls.h"
#include "ui/UrlOpener.h"
#include "wm/WmTypes.h"
#include "wm/WmaFormatList.h"

namespace tonvexa::test {

struct RecordingOpener final : UrlOpener {
    QList<QUrl> urls;
    int open(const QUrl& url) override {
        urls.push_back(url);
        return kOpenSucceeded;
    }
};

// A control by its id; the test fails when there is none.
template <class T>
T* byId(const QWidget* root, int id) {
    T* control = FindControl<T>(root, id);
    EXPECT_NE(control, nullptr) << "no control " << id;
    return control;
}

// Chooses the item carrying data as a person does, so that the page hears of it.
inline void choose(QComboBox* combo, int data) {
    const int index = combo->findData(data);
    ASSERT_GE(index, 0) << "no item with " << data;
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
}

inline void chooseText(QComboBox* combo, const QString& text) {
    const int index = combo->findText(text);
    ASSERT_GE(index, 0) << "no item " << text.toStdString();
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
}

// Types text as a keyboard would, one character at a time (any character, unlike
// QTest::keyClicks).
inline void typeText(QWidget* widget, const QString& text) {
    for (char32_t c : text.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, one);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, one);
        QApplication::sendEvent(widget, &release);
    }
}

inline QStringList itemTexts(const QComboBox* combo) {
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
    return texts;
}

// A format entry as the runtime would list it.
inline WmaFormatEntry FormatEntry(std::uint32_t rate, std::uint32_t bitRate,
                                  std::uint16_t channels) {
    MediaTypeBlock block = AllocateMediaTypeBlock(static_cast<std::uint32_t>(kMediaTypeHeaderSize) +
                                                  kWaveFormatExSize);
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_WMAUDIO2;
    format.nChannels = channels;
    format.nSamplesPerSec = rate;
    std::memcpy(block->pbFormat, &format, sizeof format);
    block->majortype = WMMEDIATYPE_Audio;
    block->subtype = WMMEDIASUBTYPE_WMAudioV8;
    block->formattype = WMFORMAT_WaveFormatEx;
    return WmaFormatEntry{std::move(block), bitRate};
}

// The names of the keyboard-reachable controls below root that a screen reader could not
// name, as "class id".
inline QStringList UnnamedControls(const QWidget* root) {
    QStringList unnamed;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(root)) continue;
        // The line edit inside a combo box is the combo box's; one whose focus goes to another
        // control (the edit inside a spin box) is that control's, which is checked itself.
        if (qobject_cast<QComboBox*>(w->parentWidget()) || w->focusProxy() != nullptr) continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (a == nullptr || a->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << QStringLiteral("%1 %2").arg(
                QString::fromLatin1(w->metaObject()->className()), w->objectName());
    }
    return unnamed;
}

// With TONVEXA_SHOTS naming a folder, pictures of a widget at scale 1 and 2 for a person to
// look at.
inline void WriteShots(QWidget& widget, const QString& name) {
    const QString folder = qEnvironmentVariable("TONVEXA_SHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    for (int ratio : {1, 2}) {
        QPixmap pixmap(widget.size() * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(widget.palette().color(QPalette::Window));
        widget.render(&pixmap);
        EXPECT_TRUE(pixmap.save(QStringLiteral("%1/%2@%3x.png").arg(folder, name).arg(ratio)));
    }
}

}  // namespace tonvexa::test
