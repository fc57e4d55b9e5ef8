#pragma once

// What the window's benchmarks share: silent WAV files to add, and a window's services that
// do nothing a person would see.

#include <QEventLoop>
#include <QTimer>
#include <QUrl>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "engine/DesktopServices.h"
#include "ui/MainDialog.h"
#include "ui/UrlOpener.h"

namespace tonvexa::bench {

// Silence of 16-bit PCM with a plain 44-byte header.
inline void WriteSilentWav(const std::string& path, std::uint32_t rate, std::uint16_t channels,
                           std::uint32_t frames) {
    const std::uint16_t blockAlign = static_cast<std::uint16_t>(channels * 2);
    const std::uint32_t dataSize = frames * blockAlign;
    std::ofstream out(path, std::ios::binary);
    const auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    const auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out.write("RIFF", 4);
    u32(36 + dataSize);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1);
    u16(channels);
    u32(rate);
    u32(rate * blockAlign);
    u16(blockAlign);
    u16(16);
    out.write("data", 4);
    u32(dataSize);
    const std::vector<char> silence(dataSize, 0);
    out.write(silence.data(), static_cast<std::streamsize>(silence.size()));
}

// Turns the window's event loop until the adding or batch it runs has ended.
inline void WaitUntilIdle(const MainDialog& window) {
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!window.busy()) loop.quit();
    });
    poll.start();
    loop.exec();
}

class QuietDesktop : public DesktopServices {
public:
    void ShowInExplorer(const std::string&) override {}
};

class NoOpener : public UrlOpener {
public:
    int open(const QUrl&) override { return kOpenSucceeded; }
};

}  // namespace tonvexa::bench
