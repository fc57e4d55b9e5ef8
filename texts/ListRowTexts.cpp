#include "texts/ListRowTexts.h"

#include <QCoreApplication>

#include <cstdio>

#include "base/PathUtil.h"

namespace tonvexa {

namespace {

std::string translated(const char* text) {
    return QCoreApplication::translate("FileList", text).toStdString();
}

}  // namespace

ListRowTexts MakeListRowTexts(FileEntry& entry) {
    if (entry.sampleRate == 0) entry.sampleRate = 1;
    ListRowTexts t;
    t.name = FileNamePart(entry.sourcePath);
    const std::uint32_t seconds = entry.length / entry.sampleRate;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%02u:%02u", seconds / 60, seconds % 60);
    t.length = buffer;
    t.bitRate = QCoreApplication::translate("FileList", "%1 kbps").arg(entry.bitRate).toStdString();
    t.freq = QCoreApplication::translate("FileList", "%1 Hz").arg(entry.sampleRate).toStdString();
    if (entry.formatCode == FormatMp3) {
        static const char* const kModes[] = {
            QT_TRANSLATE_NOOP("FileList", "Stereo"), QT_TRANSLATE_NOOP("FileList", "Joint Stereo"),
            QT_TRANSLATE_NOOP("FileList", "Dual Channel"), QT_TRANSLATE_NOOP("FileList", "Mono")};
        if (entry.channels < 4) t.channels = translated(kModes[entry.channels]);
    } else if (entry.channels == 2) {
        t.channels = translated(QT_TRANSLATE_NOOP("FileList", "Stereo"));
    } else if (entry.channels > 2) {
        t.channels = std::to_string(entry.channels);
    } else {
        t.channels = translated(QT_TRANSLATE_NOOP("FileList", "Mono"));
    }
    return t;
}

}  // namespace tonvexa
