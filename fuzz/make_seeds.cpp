// Writes small, valid inputs for every fuzz target into OUT/<target>/, so that a campaign
// starts inside each format path even where the corpus of real files is absent: one WAV
// file per format and layout, MP3 streams of the three MPEG versions (plain, with ID3 tags,
// with a Xing header), Windows Media files written by our own writer, ID3v1 blocks, shell
// links and link files, and options files written by the settings store.
//
//   fuzz_seeds OUT

#include <fcntl.h>
#include <lame/lame.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "audio/Id3v1.h"
#include "engine/ConversionRoutines.h"
#include "engine/ConvertProgress.h"
#include "settings/SettingsStore.h"
#include "tags/TagIo.h"
#include "wm/FfmpegLog.h"
#include "wm/FfmpegWmRuntime.h"
#include "wm/WmaFormatList.h"

namespace fs = std::filesystem;
using namespace tonvexa;

namespace {

using Bytes = std::vector<std::uint8_t>;

void Le16(Bytes& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Le32(Bytes& b, std::uint32_t v) {
    Le16(b, v & 0xFFFF);
    Le16(b, v >> 16);
}
void Le64(Bytes& b, std::uint64_t v) {
    Le32(b, static_cast<std::uint32_t>(v));
    Le32(b, static_cast<std::uint32_t>(v >> 32));
}
void Be16(Bytes& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v >> 8));
    b.push_back(static_cast<std::uint8_t>(v));
}
void Be32(Bytes& b, std::uint32_t v) {
    Be16(b, v >> 16);
    Be16(b, v & 0xFFFF);
}
void Text(Bytes& b, std::string_view s) {
    b.insert(b.end(), s.begin(), s.end());
}
void Append(Bytes& b, const Bytes& more) {
    b.insert(b.end(), more.begin(), more.end());
}

// Concatenation keeps the seed recipes below readable.
Bytes operator+(Bytes a, const Bytes& b) {
    Append(a, b);
    return a;
}

void Save(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "fuzz_seeds: cannot write %s\n", path.c_str());
        std::exit(1);
    }
}

// A tone with a little noise, so that the encoders have something to say.
std::vector<std::int16_t> Tone(int frames, int channels, int rate) {
    std::vector<std::int16_t> samples;
    std::uint32_t noise = 12345;
    for (int i = 0; i < frames; ++i) {
        for (int c = 0; c < channels; ++c) {
            noise = noise * 1103515245 + 12345;
            const double v = 12000 * std::sin(2 * M_PI * (440.0 + 110 * c) * i / rate) +
                             static_cast<double>(static_cast<std::int32_t>(noise >> 16) % 512);
            samples.push_back(static_cast<std::int16_t>(v));
        }
    }
    return samples;
}

// ---- WAV ----

struct Format {
    std::uint16_t tag;
    std::uint16_t channels;
    std::uint32_t rate;
    std::uint16_t blockAlign;
    std::uint16_t bits;
    Bytes extension;  // after the extension size; no size field when empty and `plain`
    bool plain = true;
};

Bytes FmtBody(const Format& f, bool big = false) {
    Bytes b;
    auto u16 = [&](std::uint32_t v) { big ? Be16(b, v) : Le16(b, v); };
    auto u32 = [&](std::uint32_t v) { big ? Be32(b, v) : Le32(b, v); };
    u16(f.tag);
    u16(f.channels);
    u32(f.rate);
    u32(f.rate * f.blockAlign);
    u16(f.blockAlign);
    u16(f.bits);
    if (!f.plain || !f.extension.empty()) {
        u16(static_cast<std::uint32_t>(f.extension.size()));
        Append(b, f.extension);
    }
    return b;
}

Bytes Chunk(std::string_view id, const Bytes& body, bool big = false) {
    Bytes b;
    Text(b, id);
    big ? Be32(b, static_cast<std::uint32_t>(body.size()))
        : Le32(b, static_cast<std::uint32_t>(body.size()));
    Append(b, body);
    if (body.size() % 2 != 0) b.push_back(0);
    return b;
}

Bytes Form(std::string_view id, const Bytes& chunks, bool big = false) {
    Bytes body;
    Text(body, "WAVE");
    Append(body, chunks);
    return Chunk(id, body, big);
}

Bytes PcmData(int frames, int channels, int bits, bool big = false) {
    Bytes b;
    for (std::int16_t s : Tone(frames, channels, 8000)) {
        switch (bits) {
            case 8:
                b.push_back(static_cast<std::uint8_t>((s >> 8) + 128));
                break;
            case 16:
                big ? Be16(b, static_cast<std::uint16_t>(s))
                    : Le16(b, static_cast<std::uint16_t>(s));
                break;
            case 24:
                if (big) {
                    Be16(b, static_cast<std::uint16_t>(s));
                    b.push_back(0x5A);
                } else {
                    b.push_back(0x5A);
                    Le16(b, static_cast<std::uint16_t>(s));
                }
                break;
            default:
                big ? Be32(b, static_cast<std::uint32_t>(s) << 16)
                    : Le32(b, static_cast<std::uint32_t>(s) << 16);
                break;
        }
    }
    return b;
}

Bytes FloatData(int frames, int channels, int bits, bool big = false) {
    Bytes b;
    for (std::int16_t s : Tone(frames, channels, 8000)) {
        const double x = s / 32768.0;
        if (bits == 32) {
            std::uint32_t u;
            const float f = static_cast<float>(x);
            std::memcpy(&u, &f, 4);
            big ? Be32(b, u) : Le32(b, u);
        } else {
            std::uint64_t u;
            std::memcpy(&u, &x, 8);
            if (big) {
                Be32(b, static_cast<std::uint32_t>(u >> 32));
                Be32(b, static_cast<std::uint32_t>(u));
            } else {
                Le64(b, u);
            }
        }
    }
    return b;
}

Bytes NoiseBytes(std::size_t n, std::uint32_t seed) {
    Bytes b;
    for (std::size_t i = 0; i < n; ++i) {
        seed = seed * 1664525 + 1013904223;
        b.push_back(static_cast<std::uint8_t>(seed >> 24));
    }
    return b;
}

Bytes Fact(std::uint32_t frames) {
    Bytes b;
    Le32(b, frames);
    return Chunk("fact", b);
}

Bytes ExtensibleExtension(std::uint16_t validBits, std::uint32_t mask, std::uint16_t subFormat) {
    Bytes b;
    Le16(b, validBits);
    Le32(b, mask);
    Le32(b, subFormat);
    const std::uint8_t tail[12] = {0x00, 0x00, 0x10, 0x00, 0x80, 0x00,
                                   0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
    b.insert(b.end(), std::begin(tail), std::end(tail));
    return b;
}

// IMA ADPCM blocks: a 4-byte header per channel (first sample, step index) and noise.
Bytes ImaBlocks(int blocks, int channels, int blockAlign) {
    Bytes b;
    for (int k = 0; k < blocks; ++k) {
        Bytes block;
        for (int c = 0; c < channels; ++c) {
            Le16(block, static_cast<std::uint16_t>(100 * k));
            block.push_back(static_cast<std::uint8_t>(20 + c));
            block.push_back(0);
        }
        Append(block, NoiseBytes(static_cast<std::size_t>(blockAlign) - block.size(), k + 1));
        Append(b, block);
    }
    return b;
}

// Microsoft ADPCM blocks: per channel a predictor, a delta and two samples, then noise.
Bytes MsAdpcmBlocks(int blocks, int channels, int blockAlign) {
    Bytes b;
    for (int k = 0; k < blocks; ++k) {
        Bytes block;
        for (int c = 0; c < channels; ++c) block.push_back(static_cast<std::uint8_t>((k + c) % 7));
        for (int c = 0; c < channels; ++c) Le16(block, 32);
        for (int c = 0; c < channels; ++c) Le16(block, 200);
        for (int c = 0; c < channels; ++c) Le16(block, 100);
        Append(block, NoiseBytes(static_cast<std::size_t>(blockAlign) - block.size(), k + 7));
        Append(b, block);
    }
    return b;
}

Bytes MsAdpcmExtension(std::uint16_t samplesPerBlock) {
    static const std::int16_t kPairs[7][2] = {{256, 0}, {512, -256}, {0, 0},     {192, 64},
                                              {240, 0}, {460, -208}, {392, -232}};
    Bytes b;
    Le16(b, samplesPerBlock);
    Le16(b, 7);
    for (const auto& p : kPairs) {
        Le16(b, static_cast<std::uint16_t>(p[0]));
        Le16(b, static_cast<std::uint16_t>(p[1]));
    }
    return b;
}

Bytes Id3v2Tag() {
    Bytes body;
    Text(body, "TIT2");
    Be32(body, 6);
    Le16(body, 0);
    body.push_back(0);
    Text(body, "Seed");
    body.push_back(0);
    Bytes b;
    Text(b, "ID3");
    b.push_back(3);
    b.push_back(0);
    b.push_back(0);
    Be32(b, static_cast<std::uint32_t>(body.size()));  // below 128: synchsafe as it is
    Append(b, body);
    return b;
}

// ---- MP3 ----

// Encodes a short tone with LAME. With `xing` the stream starts with LAME's Xing ("Info"
// for constant bit rate) frame, which our own writer never writes.
Bytes EncodeMp3(int rate, int channels, int kbps, bool vbr, bool xing) {
    lame_t lame = lame_init();
    lame_set_in_samplerate(lame, rate);
    lame_set_out_samplerate(lame, rate);
    lame_set_num_channels(lame, channels);
    lame_set_mode(lame, channels == 1 ? MONO : JOINT_STEREO);
    if (vbr) {
        lame_set_VBR(lame, vbr_default);
        lame_set_VBR_quality(lame, 6);
    } else {
        lame_set_brate(lame, kbps);
    }
    lame_set_bWriteVbrTag(lame, xing ? 1 : 0);
    lame_set_quality(lame, 7);
    if (lame_init_params(lame) < 0) {
        lame_close(lame);
        return {};
    }
    const int frames = rate / 5;
    const std::vector<std::int16_t> pcm = Tone(frames, channels, rate);
    Bytes out(static_cast<std::size_t>(frames) * 2 + 16384);
    int n = channels == 2
                ? lame_encode_buffer_interleaved(lame, const_cast<short*>(pcm.data()), frames,
                                                 out.data(), static_cast<int>(out.size()))
                : lame_encode_buffer(lame, pcm.data(), pcm.data(), frames, out.data(),
                                     static_cast<int>(out.size()));
    if (n < 0) n = 0;
    const int tail = lame_encode_flush(lame, out.data() + n, static_cast<int>(out.size()) - n);
    out.resize(static_cast<std::size_t>(n + std::max(tail, 0)));
    if (xing) {
        // The first frame was held for the tag; it is known only now.
        unsigned char tag[2880];
        const std::size_t size = lame_get_lametag_frame(lame, tag, sizeof tag);
        if (size > 0 && size <= out.size()) std::memcpy(out.data(), tag, size);
    }
    lame_close(lame);
    return out;
}

// ---- Tags ----

MediaTags RichTags() {
    MediaTags t;
    t.set("TITLE", "Seed \xE2\x80\x93 title");
    t.set("ARTIST", "\xD0\x90\xD1\x80\xD1\x82\xD0\xB8\xD1\x81\xD1\x82");
    t.set("ALBUMARTIST", "Seed");
    t.set("DATE", "2024-05-17");
    t.set("GENRE", "Seed genre");
    t.set("TRACKNUMBER", "3");
    t.set("TRACKTOTAL", "12");
    t.set("DISCNUMBER", "1");
    t.set("DISCTOTAL", "2");
    t.set("LYRICS", "line one\nline two");
    t.set("MUSICBRAINZ_ALBUMID", "00000000-0000-4000-8000-000000000000");
    t.set("REPLAYGAIN_TRACK_GAIN", "-3.00 dB");
    t.set("Custom", "value");
    // The smallest PNG signature with a header chunk: enough to be carried as a picture.
    Bytes png;
    Text(png, "\x89PNG\r\n\x1A\n");
    Be32(png, 13);
    Text(png, "IHDR");
    Be32(png, 1);
    Be32(png, 1);
    for (std::uint8_t b : {8, 2, 0, 0, 0}) png.push_back(b);
    Be32(png, 0);
    t.addPicture(TagPicture::kFrontCover, "front", png);
    return t;
}

// ---- Windows Media ----

bool WriteWma(const fs::path& wav, const fs::path& wma, bool tags) {
    FfmpegWmRuntime runtime;
    WmaFormatList formats;
    BuildWmaFormatList(runtime, formats);
    AppSettings settings;
    if (tags) {
        settings.WMAID3TagOpt = kTagAddConfigured;
        settings.WMAID3Tag.nameAsFileName = 0;
        std::strcpy(settings.WMAID3Tag.title, "Seed title");
        std::strcpy(settings.WMAID3Tag.artist, "Seed artist");
        std::strcpy(settings.WMAID3Tag.album, "Seed album");
        std::strcpy(settings.WMAID3Tag.year, "2024");
        settings.WMAID3Tag.genre = 17;
        settings.WMAID3Tag.hasTrack = 1;
        settings.WMAID3Tag.track = 7;
    }
    const ConversionEnvironment env{settings, formats, runtime};
    SilentProgress progress;
    // The routine may move the output to another free name; the seed is wanted under this
    // one, which is free in a fresh seeds folder.
    std::string destination = wma.string();
    return ConvertWavToWma(env, wav.string(), destination, progress) == 1;
}

// ---- Shortcuts ----

// A shell link with a LinkInfo whose local base path and suffix name the target, in the
// 8-bit form or (unicode) also in UTF-16.
Bytes ShellLink(const std::string& base, const std::string& suffix, bool idList, bool unicode) {
    Bytes b;
    Le32(b, 0x4C);
    const std::uint8_t clsid[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                    0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
    b.insert(b.end(), std::begin(clsid), std::end(clsid));
    Le32(b, 0x2 | (idList ? 0x1 : 0) | (unicode ? 0x80 : 0));
    b.resize(0x4C, 0);
    if (idList) {
        Le16(b, 6);
        Le16(b, 4);
        Le16(b, 0x1F);  // one small item, then the terminator
        Le16(b, 0);
    }
    const std::uint32_t header = unicode ? 0x24 : 0x1C;
    Bytes volume;
    Le32(volume, 0x11);
    Le32(volume, 3);  // fixed disk
    Le32(volume, 0x1234);
    Le32(volume, 0x10);
    volume.push_back(0);
    Bytes info;
    const std::uint32_t volumeAt = header;
    const std::uint32_t baseAt = volumeAt + static_cast<std::uint32_t>(volume.size());
    const std::uint32_t suffixAt = baseAt + static_cast<std::uint32_t>(base.size()) + 1;
    std::uint32_t end = suffixAt + static_cast<std::uint32_t>(suffix.size()) + 1;
    const std::uint32_t baseUnicodeAt = end;
    if (unicode) end += static_cast<std::uint32_t>(base.size() + 1) * 2;
    const std::uint32_t suffixUnicodeAt = end;
    if (unicode) end += static_cast<std::uint32_t>(suffix.size() + 1) * 2;
    Le32(info, end);
    Le32(info, header);
    Le32(info, 1);
    Le32(info, volumeAt);
    Le32(info, baseAt);
    Le32(info, 0);
    Le32(info, suffixAt);
    if (unicode) {
        Le32(info, baseUnicodeAt);
        Le32(info, suffixUnicodeAt);
    }
    Append(info, volume);
    Text(info, base);
    info.push_back(0);
    Text(info, suffix);
    info.push_back(0);
    if (unicode) {
        for (const std::string* s : {&base, &suffix}) {
            for (char c : *s) Le16(info, static_cast<std::uint8_t>(c));
            Le16(info, 0);
        }
    }
    Append(b, info);
    Le32(b, 0);  // no extra data blocks
    return b;
}

Bytes TextBytes(std::string_view s) {
    return Bytes(s.begin(), s.end());
}

void WriteSeeds(const fs::path& out) {
    const fs::path wav = out / "wav_reader";
    const fs::path mp3 = out / "mp3_reader";
    const fs::path id3 = out / "id3v1";
    const fs::path lnk = out / "shortcut";
    const fs::path ini = out / "settings_store";
    const fs::path wma = out / "wma_reader";
    const fs::path tags = out / "tags";
    for (const fs::path& p : {wav, mp3, id3, lnk, ini, wma, tags}) fs::create_directories(p);

    // WAV: every format tag, layout and byte order the reader knows.
    const int n = 300;
    for (int bits : {8, 16, 24, 32}) {
        for (std::uint16_t ch : {1, 2}) {
            const auto align = static_cast<std::uint16_t>(bits / 8 * ch);
            Save(wav / ("pcm" + std::to_string(bits) + "-" + std::to_string(ch) + ".wav"),
                 Form("RIFF",
                      Chunk("fmt ",
                            FmtBody({1, ch, 8000, align, static_cast<std::uint16_t>(bits), {}})) +
                          Chunk("data", PcmData(n, ch, bits))));
        }
    }
    for (int bits : {32, 64}) {
        const auto align = static_cast<std::uint16_t>(bits / 8 * 2);
        Save(wav / ("float" + std::to_string(bits) + ".wav"),
             Form("RIFF",
                  Chunk("fmt ",
                        FmtBody({3, 2, 8000, align, static_cast<std::uint16_t>(bits), {}, false})) +
                      Fact(n) + Chunk("data", FloatData(n, 2, bits))));
    }
    for (std::uint16_t tag : {6, 7}) {
        Save(wav / (tag == 6 ? "alaw.wav" : "mulaw.wav"),
             Form("RIFF", Chunk("fmt ", FmtBody({tag, 2, 8000, 2, 8, {}, false})) + Fact(n) +
                              Chunk("data", NoiseBytes(2 * n, tag))));
    }
    for (std::uint16_t ch : {1, 2}) {
        const std::uint16_t align = 256 * ch;
        const auto samples = static_cast<std::uint16_t>((align - 4 * ch) * 8 / (4 * ch) + 1);
        Bytes ext;
        Le16(ext, samples);
        Save(wav / ("ima-" + std::to_string(ch) + ".wav"),
             Form("RIFF", Chunk("fmt ", FmtBody({0x11, ch, 8000, align, 4, ext})) +
                              Fact(3 * samples) + Chunk("data", ImaBlocks(3, ch, align))));
        const auto msSamples = static_cast<std::uint16_t>((align - 7 * ch) * 2 / ch + 2);
        Save(wav / ("msadpcm-" + std::to_string(ch) + ".wav"),
             Form("RIFF",
                  Chunk("fmt ", FmtBody({2, ch, 8000, align, 4, MsAdpcmExtension(msSamples)})) +
                      Fact(3 * msSamples) + Chunk("data", MsAdpcmBlocks(3, ch, align))));
    }
    {
        Bytes ext;
        Le16(ext, 320);
        Save(wav / "gsm.wav",
             Form("RIFF", Chunk("fmt ", FmtBody({0x31, 1, 8000, 65, 0, ext})) + Fact(320 * 4) +
                              Chunk("data", NoiseBytes(65 * 4, 3))));
    }
    {
        const Bytes stream = EncodeMp3(22050, 1, 32, false, false);
        Bytes ext;
        Le16(ext, 1);     // MPEGLAYER3_ID_MPEG
        Le32(ext, 2);     // padding off
        Le16(ext, 104);   // block size
        Le16(ext, 1);     // frames per block
        Le16(ext, 1393);  // codec delay
        Save(wav / "mpeglayer3.wav",
             Form("RIFF", Chunk("fmt ", FmtBody({0x55, 1, 22050, 1, 0, ext})) + Fact(22050 / 5) +
                              Chunk("data", stream)));
    }
    for (std::uint16_t sub : {1, 3, 6, 7}) {
        const std::uint16_t bits = sub == 1 ? 16 : sub == 3 ? 32 : 8;
        const std::uint16_t align = static_cast<std::uint16_t>(bits / 8 * 2);
        const Bytes data = sub == 1   ? PcmData(n, 2, 16)
                           : sub == 3 ? FloatData(n, 2, 32)
                                      : NoiseBytes(2 * n, sub);
        Save(wav / ("extensible-" + std::to_string(sub) + ".wav"),
             Form("RIFF", Chunk("fmt ", FmtBody({0xFFFE, 2, 8000, align, bits,
                                                 ExtensibleExtension(bits, 3, sub)})) +
                              Chunk("data", data)));
    }
    for (std::string_view form : {"RF64", "BW64"}) {
        const Bytes data = PcmData(n, 2, 16);
        Bytes ds64;
        Le64(ds64, 4 + 8 + 28 + 12 + 8 + 24 + 8 + data.size());
        Le64(ds64, data.size());
        Le64(ds64, n);
        Le32(ds64, 1);
        Text(ds64, "junk");  // a table entry, as for a large chunk
        Le64(ds64, 4);
        Bytes chunks = Chunk("ds64", ds64) + Chunk("fmt ", FmtBody({1, 2, 8000, 4, 16, {}}));
        Text(chunks, "data");
        Le32(chunks, 0xFFFFFFFF);
        Append(chunks, data);
        Bytes file;
        Text(file, form);
        Le32(file, 0xFFFFFFFF);
        Text(file, "WAVE");
        Append(file, chunks);
        Save(wav / (std::string(form) + ".wav"), file);
    }
    // RIFX: every sample width of PCM and float, big-endian throughout.
    for (int bits : {8, 16, 24, 32}) {
        const auto align = static_cast<std::uint16_t>(bits / 8 * 2);
        Save(wav / ("rifx-pcm" + std::to_string(bits) + ".wav"),
             Form("RIFX",
                  Chunk("fmt ",
                        FmtBody({1, 2, 8000, align, static_cast<std::uint16_t>(bits), {}}, true),
                        true) +
                      Chunk("data", PcmData(n, 2, bits, true), true),
                  true));
    }
    for (int bits : {32, 64}) {
        const auto align = static_cast<std::uint16_t>(bits / 8);
        Save(wav / ("rifx-float" + std::to_string(bits) + ".wav"),
             Form("RIFX",
                  Chunk("fmt ",
                        FmtBody({3, 1, 8000, align, static_cast<std::uint16_t>(bits), {}}, true),
                        true) +
                      Chunk("data", FloatData(n, 1, bits, true), true),
                  true));
    }
    {
        Bytes list;
        Text(list, "INFO");
        Append(list, Chunk("INAM", TextBytes("odd")));
        Bytes file = Id3v2Tag();
        Append(file,
               Form("RIFF", Chunk("LIST", list) + Chunk("fmt ", FmtBody({1, 1, 8000, 2, 16, {}})) +
                                Chunk("data", PcmData(n, 1, 16))));
        Save(wav / "id3v2-list.wav", file);
    }

    // MP3: the three MPEG versions, a Xing header, VBR, and both kinds of tag.
    const Id3v1Block v11 = BuildId3v1Block(
        {.title = "Seed", .artist = "Tonvexa", .genre = 17, .hasTrack = true, .track = 3});
    const Id3v1Block v10 =
        BuildId3v1Block({.title = "Seed", .comment = "a comment thirty chars long..."});
    Save(mp3 / "mpeg1-stereo.mp3", EncodeMp3(44100, 2, 128, false, false));
    Save(mp3 / "mpeg2-mono.mp3", EncodeMp3(22050, 1, 32, false, false));
    Save(mp3 / "mpeg25-mono.mp3", EncodeMp3(8000, 1, 8, false, false));
    Save(mp3 / "info.mp3", EncodeMp3(32000, 2, 64, false, true));
    {
        Bytes file = Id3v2Tag();
        Append(file, EncodeMp3(48000, 1, 0, true, true));
        file.insert(file.end(), v11.begin(), v11.end());
        Save(mp3 / "id3-xing-vbr.mp3", file);
    }
    {
        Bytes file;
        Text(file, "AiD");
        file.push_back(1);
        Le16(file, 6);
        Append(file, EncodeMp3(16000, 1, 24, false, false));
        file.insert(file.end(), v10.begin(), v10.end());
        Save(mp3 / "aid.mp3", file);
    }

    // ID3v1 blocks of both versions, and one that is no block.
    Save(id3 / "v11.bin", Bytes(v11.begin(), v11.end()));
    Save(id3 / "v10.bin", Bytes(v10.begin(), v10.end()));
    Save(id3 / "latin1.bin", [] {
        Id3v1Block b = BuildId3v1Block({.title = "Caf\xE9", .genre = 200});
        return Bytes(b.begin(), b.end());
    }());

    // Shortcuts.
    Save(lnk / "plain.lnk", ShellLink("C:\\Music\\", "song.mp3", false, false));
    Save(lnk / "idlist-unicode.lnk", ShellLink("/home/user/Music/", "song.wav", true, true));
    Save(lnk / "link.desktop", TextBytes("[Desktop Entry]\nVersion=1.0\nType=Link\nName=Song\n"
                                         "URL=file:///home/user/Music/song%20one.wma\n"));
    Save(lnk / "application.desktop",
         TextBytes("[Desktop Entry]\nType=Application\nName=Player\nExec=player %f\n"));

    // Options files, as the store itself writes them.
    {
        SettingsStore store((ini / "defaults.ini").string());
        (void)store.SaveSettings(AppSettings{},
                                 SettingsStore::SaveFolder | SettingsStore::SaveOptions);
        store.WriteFirstRun(1);
    }
    {
        AppSettings s;
        s.Folder = "/home/user/Music/\xC3\xA9t\xC3\xA9";
        s.DestOutputFolderOpt = kOutputSpecifiedFolder;
        s.DestSpecifiedFolder = "/tmp/out";
        s.ID3TagOpt = kTagAddConfigured;
        std::strcpy(s.ID3Tag.title, "Seed");
        s.ID3Tag.hasTrack = 1;
        s.ID3Tag.track = 4;
        s.AmplifyWav = 1;
        s.AmplifyWavCoeff = 250;
        s.MP3ChannelMode = 3;
        SettingsStore store((ini / "changed.ini").string());
        (void)store.SaveSettings(s, SettingsStore::SaveFolder | SettingsStore::SaveOptions);
    }

    // Windows Media: our own writer's output from two of the WAV seeds.
    const fs::path scratch = out / "scratch";
    fs::create_directories(scratch);
    const fs::path tone = scratch / "tone.wav";
    Save(tone, Form("RIFF", Chunk("fmt ", FmtBody({1, 2, 22050, 4, 16, {}})) +
                                Chunk("data", PcmData(22050 / 4, 2, 16))));
    if (!WriteWma(tone, wma / "stereo-tags.wma", true))
        std::fprintf(stderr, "fuzz_seeds: no Windows Media seed (stereo)\n");
    const fs::path mono = scratch / "mono.wav";
    Save(mono, Form("RIFF", Chunk("fmt ", FmtBody({1, 1, 8000, 2, 16, {}})) +
                                Chunk("data", PcmData(2000, 1, 16))));
    if (!WriteWma(mono, wma / "mono.wma", false))
        std::fprintf(stderr, "fuzz_seeds: no Windows Media seed (mono)\n");

    // Whole tags, with a picture, in each format's place for them.
    const MediaTags rich = RichTags();
    {
        const auto id3v2 = RenderId3v2Tag(rich);
        Bytes file(id3v2.begin(), id3v2.end());
        Append(file, EncodeMp3(44100, 1, 64, false, false));
        Save(tags / "id3v23.mp3", file);
        const auto chunks = RenderWavTagChunks(rich);
        Save(tags / "info-id3.wav",
             Form("RIFF", Chunk("fmt ", FmtBody({1, 1, 8000, 2, 16, {}})) +
                              Chunk("data", PcmData(400, 1, 16)) + Bytes(chunks.begin(), chunks.end())));
    }
    if (WriteWma(mono, tags / "attributes.wma", false)) {
        const int fd = ::open((tags / "attributes.wma").c_str(), O_RDWR | O_CLOEXEC);
        if (fd < 0 || !WriteAsfTags(fd, rich))
            std::fprintf(stderr, "fuzz_seeds: no tagged Windows Media seed\n");
        if (fd >= 0) ::close(fd);
    }
    fs::remove_all(scratch);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT\n", argv[0]);
        return 2;
    }
    QuietFfmpegLog();
    WriteSeeds(argv[1]);
    return 0;
}
