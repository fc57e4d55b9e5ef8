#include "settings/SettingsStore.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <span>
#include <type_traits>
#include <variant>
#include <vector>

namespace tonvexa {
namespace {

const QString kGroup = QStringLiteral("Options");
const QString kFirstRun = QStringLiteral("FirstRun");

// A number must be a 32-bit integer: a stored integer (a DWORD of the registry arrives as
// int or uint) or a text that parses completely in base 10.
std::optional<std::int32_t> numberOf(const QVariant& v) {
    switch (v.typeId()) {
        case QMetaType::Int:
            return v.toInt();
        case QMetaType::UInt:
            // A DWORD keeps its 32 bits.
            return static_cast<std::int32_t>(v.toUInt());
        case QMetaType::LongLong:
        case QMetaType::ULongLong: {
            bool ok = false;
            const qlonglong n = v.toLongLong(&ok);
            if (!ok || n < std::numeric_limits<std::int32_t>::min() ||
                n > std::numeric_limits<std::int32_t>::max())
                return std::nullopt;
            return static_cast<std::int32_t>(n);
        }
        case QMetaType::QString: {
            bool ok = false;
            const int n = v.toString().toInt(&ok, 10);
            if (!ok) return std::nullopt;
            return n;
        }
        default:
            return std::nullopt;
    }
}

// Each read below takes a value as the store holds it and reports whether the field took it;
// a value that does not fit the field's kind leaves the field as it was.
bool readNumber(const QVariant& v, std::int32_t& field) {
    const auto n = numberOf(v);
    if (n) field = *n;
    return n.has_value();
}

bool readText(const QVariant& v, std::string& field) {
    if (v.typeId() != QMetaType::QString) return false;
    QString t = v.toString();
    // A text ends at its first zero, as a stored string does.
    if (const auto zero = t.indexOf(QChar(u'\0')); zero >= 0) t.truncate(zero);
    if (t.size() > static_cast<qsizetype>(AppSettings::kMaxTextLength)) return false;
    field = t.toStdString();
    return true;
}

bool readTag(const QVariant& v, Id3Tag& field) {
    if (v.typeId() != QMetaType::QByteArray) return false;
    const QByteArray b = v.toByteArray();
    if (b.isEmpty()) return false;
    return field.assignBytes(std::span<const std::uint8_t>(
        reinterpret_cast<const std::uint8_t*>(b.constData()), static_cast<std::size_t>(b.size())));
}

void checkChannelMode(std::int32_t& mode) {
    if (mode != kMp3Stereo && mode != kMp3JointStereo && mode != kMp3Mono) mode = kMp3JointStereo;
}

void checkChannels(std::int32_t& channels) {
    if (channels != 1 && channels != 2) channels = 2;
}

void clampPercent(std::int32_t& percent) {
    percent = std::clamp<std::int32_t>(percent, 10, 3000);
}

// One stored option: its name, its field (whose type is its kind) and the check that runs on
// the field after every read.
struct Option {
    const char* name;
    std::variant<std::int32_t AppSettings::*, std::string AppSettings::*, Id3Tag AppSettings::*>
        field;
    void (*check)(std::int32_t&) = nullptr;
    int part = SettingsStore::SaveOptions;  // the part of SaveSettings that writes it
};

// In the order the options are read and written.
const Option kOptions[] = {
    {"Folder", &AppSettings::Folder, nullptr, SettingsStore::SaveFolder},
    {"DestOutputFolderOpt", &AppSettings::DestOutputFolderOpt},
    {"DestSpecifiedFolder", &AppSettings::DestSpecifiedFolder},
    {"CreateDirs", &AppSettings::CreateDirs},
    {"BrowseOutputFolder", &AppSettings::BrowseOutputFolder},
    {"AutoDestMP3EncodingParam", &AppSettings::AutoDestMP3EncodingParam},
    {"MP3BitRate", &AppSettings::MP3BitRate},
    {"MP3SampleRate", &AppSettings::MP3SampleRate},
    {"MP3ChannelMode", &AppSettings::MP3ChannelMode, checkChannelMode},
    {"ID3TagOpt", &AppSettings::ID3TagOpt},
    {"ID3Tag", &AppSettings::ID3Tag},
    {"AmplifyMp3", &AppSettings::AmplifyMp3},
    {"AmplifyMp3Coeff", &AppSettings::AmplifyMp3Coeff, clampPercent},
    {"AutoDestWAVEncodingParam", &AppSettings::AutoDestWAVEncodingParam},
    {"WAVBitsPerSample", &AppSettings::WAVBitsPerSample},
    {"WAVSampleRate", &AppSettings::WAVSampleRate},
    {"WAVChannelNum", &AppSettings::WAVChannelNum, checkChannels},
    {"AmplifyWav", &AppSettings::AmplifyWav},
    {"AmplifyWavCoeff", &AppSettings::AmplifyWavCoeff, clampPercent},
    {"AutoDestWMAEncodingParam", &AppSettings::AutoDestWMAEncodingParam},
    {"WMABitRate", &AppSettings::WMABitRate},
    {"WMASampleRate", &AppSettings::WMASampleRate},
    {"WMAChannels", &AppSettings::WMAChannels, checkChannels},
    {"WMAID3TagOpt", &AppSettings::WMAID3TagOpt},
    {"WMAID3Tag", &AppSettings::WMAID3Tag},
    {"AmplifyWMA", &AppSettings::AmplifyWMA},
    {"AmplifyWMACoeff", &AppSettings::AmplifyWMACoeff, clampPercent},
    // Any number is kept: the one that reads it decides what a count out of range means.
    {"SimultaneousConversions", &AppSettings::SimultaneousConversions},
};

const Option* findOption(std::string_view name) {
    for (const Option& o : kOptions)
        if (name == o.name) return &o;
    return nullptr;
}

// Reads one value into its field by the field's kind; true when the field took it.
bool readOption(const Option& o, const QVariant& v, AppSettings& s) {
    return std::visit(
        [&](auto member) {
            auto& field = s.*member;
            using Field = std::remove_reference_t<decltype(field)>;
            if constexpr (std::is_same_v<Field, std::int32_t>)
                return readNumber(v, field);
            else if constexpr (std::is_same_v<Field, std::string>)
                return readText(v, field);
            else
                return readTag(v, field);
        },
        o.field);
}

// The check of a number option, on whatever its field holds.
void checkOption(const Option& o, AppSettings& s) {
    if (o.check) o.check(s.*std::get<std::int32_t AppSettings::*>(o.field));
}

QVariant storedValue(const Option& o, const AppSettings& s) {
    return std::visit(
        [&](auto member) -> QVariant {
            const auto& field = s.*member;
            using Field = std::remove_cvref_t<decltype(field)>;
            if constexpr (std::is_same_v<Field, std::int32_t>) {
                return static_cast<int>(field);
            } else if constexpr (std::is_same_v<Field, std::string>) {
                return QString::fromStdString(field);
            } else {
                const Id3Tag::Bytes b = field.toBytes();
                return QByteArray(reinterpret_cast<const char*>(b.data()),
                                  static_cast<qsizetype>(b.size()));
            }
        },
        o.field);
}

std::error_code LastSystemError() {
    return {errno, std::generic_category()};
}

// QSettings tells only that a save failed, not why. The steps of its save are tried again:
// make the folder, open the existing file for writing, and write a new file beside it (the
// file is replaced by a new one, atomically); the first step that the system refuses gives the
// reason. An empty code when every step works now.
std::error_code FindWriteError(const std::filesystem::path& file) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path folder = file.parent_path();
    if (!folder.empty()) {
        fs::create_directories(folder, ec);
        if (ec) return ec;
    }
    std::uintmax_t size = 0;
    if (fs::exists(file, ec)) {
        std::FILE* existing = std::fopen(file.string().c_str(), "r+b");
        if (existing == nullptr) return LastSystemError();
        std::fclose(existing);
        size = fs::file_size(file, ec);
        if (ec) size = 0;
    }
    // About as much as the save writes, and a block at least, which a full disk refuses.
    constexpr std::uintmax_t kBlock = 4096;
    constexpr std::uintmax_t kMostBytes = 1 << 20;
    const std::vector<char> bytes(static_cast<std::size_t>(std::clamp(size, kBlock, kMostBytes)),
                                  '\n');
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path probe =
            folder / (file.filename().string() + ".probe" + std::to_string(attempt));
        std::FILE* out = std::fopen(probe.string().c_str(), "wbx");
        if (out == nullptr) {
            if (errno == EEXIST) continue;
            return LastSystemError();
        }
        std::error_code written;
        if (std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size() ||
            std::fflush(out) != 0)
            written = LastSystemError();
        if (std::fclose(out) != 0 && !written) written = LastSystemError();
        fs::remove(probe, ec);
        return written;
    }
    return {};
}

}  // namespace

SettingsStore::SettingsStore() : settings_(makeSettings()) {}

SettingsStore::SettingsStore(const std::string& iniPath)
    : iniPath_(iniPath), settings_(makeSettings()) {}

std::unique_ptr<QSettings> SettingsStore::makeSettings() const {
    auto settings =
        iniPath_.empty()
            ? std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                          QStringLiteral("Brakkfield"), QStringLiteral("Tonvexa"))
            : std::make_unique<QSettings>(QString::fromStdString(iniPath_), QSettings::IniFormat);
    // Only the user's own values count, not organisation-wide or system-wide ones.
    settings->setFallbacksEnabled(false);
    return settings;
}

SettingsStore::~SettingsStore() = default;

bool SettingsStore::LoadSettings(AppSettings& s) {
    QSettings& q = *settings_;
    q.sync();  // see what another writer stored meanwhile
    q.beginGroup(kGroup);
    // No stored options at all: every field keeps its value, and the checks do not run.
    if (!q.childKeys().isEmpty()) {
        for (const Option& o : kOptions) {
            (void)readOption(o, q.value(QLatin1String(o.name)), s);
            checkOption(o, s);
        }
    }
    q.endGroup();
    return true;
}

int SettingsStore::SaveSettings(const AppSettings& s, int parts) {
    if ((parts & (SaveFolder | SaveOptions)) == 0) return 0;
    // QSettings keeps the first error it met for good; a fresh one tells whether this save
    // works. (What a failed save left unwritten it shares with the fresh one, which writes it.)
    if (settings_->status() != QSettings::NoError) settings_ = makeSettings();
    QSettings& q = *settings_;
    q.beginGroup(kGroup);
    for (const Option& o : kOptions)
        if (parts & o.part) q.setValue(QLatin1String(o.name), storedValue(o, s));
    q.endGroup();
    q.sync();
    saveError_.reset();
    if (q.status() != QSettings::NoError) {
#ifdef Q_OS_WIN
        // The native store is the registry, where there is no file to try.
        saveError_ =
            iniPath_.empty() ? std::error_code() : FindWriteError(std::filesystem::path(iniPath_));
#else
        saveError_ = FindWriteError(std::filesystem::path(q.fileName().toStdString()));
#endif
    }
    return 1;
}

SettingsStore::OptionResult SettingsStore::SetOption(AppSettings& s, std::string_view name,
                                                     std::string_view value) {
    const Option* o = findOption(name);
    if (o == nullptr) return OptionResult::UnknownName;
    const QVariant v(QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
    if (!readOption(*o, v, s)) {
        if (std::holds_alternative<std::int32_t AppSettings::*>(o->field))
            return OptionResult::NotANumber;
        if (std::holds_alternative<std::string AppSettings::*>(o->field))
            return OptionResult::TextTooLong;
        return OptionResult::NotText;
    }
    checkOption(*o, s);
    return OptionResult::Set;
}

std::vector<std::string> SettingsStore::OptionNames() {
    std::vector<std::string> names;
    for (const Option& o : kOptions) names.emplace_back(o.name);
    return names;
}

std::optional<std::int32_t> SettingsStore::ReadFirstRun() const {
    settings_->sync();
    settings_->beginGroup(kGroup);
    const auto n = numberOf(settings_->value(kFirstRun));
    settings_->endGroup();
    return n;
}

void SettingsStore::WriteFirstRun(std::int32_t value) {
    settings_->beginGroup(kGroup);
    settings_->setValue(kFirstRun, static_cast<int>(value));
    settings_->endGroup();
    settings_->sync();
}

QSettings::Status SettingsStore::status() const {
    return settings_->status();
}

std::string SettingsStore::location() const {
    return settings_->fileName().toStdString();
}

}  // namespace tonvexa
