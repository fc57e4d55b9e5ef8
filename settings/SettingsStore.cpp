#include "settings/SettingsStore.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <algorithm>
#include <limits>
#include <span>

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

class Reader {
public:
    explicit Reader(const QSettings& s) : s_(s) {}

    void number(const char* name, std::int32_t& field) const {
        if (const auto n = numberOf(s_.value(QLatin1String(name)))) field = *n;
    }

    void text(const char* name, std::string& field) const {
        const QVariant v = s_.value(QLatin1String(name));
        if (v.typeId() != QMetaType::QString) return;
        QString t = v.toString();
        // A text ends at its first zero, as a stored string does.
        if (const auto zero = t.indexOf(QChar(u'\0')); zero >= 0) t.truncate(zero);
        if (t.size() > static_cast<qsizetype>(AppSettings::kMaxTextLength)) return;
        field = t.toStdString();
    }

    void tag(const char* name, Id3Tag& field) const {
        const QVariant v = s_.value(QLatin1String(name));
        if (v.typeId() != QMetaType::QByteArray) return;
        const QByteArray b = v.toByteArray();
        if (b.isEmpty()) return;
        (void)field.assignBytes(
            std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(b.constData()),
                                          static_cast<std::size_t>(b.size())));
    }

private:
    const QSettings& s_;
};

void checkChannelMode(std::int32_t& mode) {
    if (mode != 0 && mode != 1 && mode != 3) mode = 1;
}

void checkChannels(std::int32_t& channels) {
    if (channels != 1 && channels != 2) channels = 2;
}

void clampPercent(std::int32_t& percent) {
    percent = std::clamp<std::int32_t>(percent, 10, 3000);
}

QByteArray tagBytes(const Id3Tag& tag) {
    const Id3Tag::Bytes b = tag.toBytes();
    return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
}

}  // namespace

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QStringLiteral("Brakkfield"),
                                            QStringLiteral("Tonvexa"))) {
    // Only the user's own values count, not organisation-wide or system-wide ones.
    settings_->setFallbacksEnabled(false);
}

SettingsStore::SettingsStore(const std::string& iniPath)
    : settings_(
          std::make_unique<QSettings>(QString::fromStdString(iniPath), QSettings::IniFormat)) {
    settings_->setFallbacksEnabled(false);
}

SettingsStore::~SettingsStore() = default;

bool SettingsStore::LoadSettings(AppSettings& s) {
    QSettings& q = *settings_;
    q.sync();  // see what another writer stored meanwhile
    q.beginGroup(kGroup);
    // No stored options at all: every field keeps its value, and the checks do not run.
    if (q.childKeys().isEmpty()) {
        q.endGroup();
        return true;
    }
    const Reader r(q);
    r.text("Folder", s.Folder);
    r.number("DestOutputFolderOpt", s.DestOutputFolderOpt);
    r.text("DestSpecifiedFolder", s.DestSpecifiedFolder);
    r.number("CreateDirs", s.CreateDirs);
    r.number("BrowseOutputFolder", s.BrowseOutputFolder);
    r.number("AutoDestMP3EncodingParam", s.AutoDestMP3EncodingParam);
    r.number("MP3BitRate", s.MP3BitRate);
    r.number("MP3SampleRate", s.MP3SampleRate);
    r.number("MP3ChannelMode", s.MP3ChannelMode);
    checkChannelMode(s.MP3ChannelMode);
    r.number("ID3TagOpt", s.ID3TagOpt);
    r.tag("ID3Tag", s.ID3Tag);
    r.number("AmplifyMp3", s.AmplifyMp3);
    r.number("AmplifyMp3Coeff", s.AmplifyMp3Coeff);
    clampPercent(s.AmplifyMp3Coeff);
    r.number("AutoDestWAVEncodingParam", s.AutoDestWAVEncodingParam);
    r.number("WAVBitsPerSample", s.WAVBitsPerSample);
    r.number("WAVSampleRate", s.WAVSampleRate);
    r.number("WAVChannelNum", s.WAVChannelNum);
    checkChannels(s.WAVChannelNum);
    r.number("AmplifyWav", s.AmplifyWav);
    r.number("AmplifyWavCoeff", s.AmplifyWavCoeff);
    clampPercent(s.AmplifyWavCoeff);
    r.number("AutoDestWMAEncodingParam", s.AutoDestWMAEncodingParam);
    r.number("WMABitRate", s.WMABitRate);
    r.number("WMASampleRate", s.WMASampleRate);
    r.number("WMAChannels", s.WMAChannels);
    checkChannels(s.WMAChannels);
    r.number("WMAID3TagOpt", s.WMAID3TagOpt);
    r.tag("WMAID3Tag", s.WMAID3Tag);
    r.number("AmplifyWMA", s.AmplifyWMA);
    r.number("AmplifyWMACoeff", s.AmplifyWMACoeff);
    clampPercent(s.AmplifyWMACoeff);
    q.endGroup();
    return true;
}

int SettingsStore::SaveSettings(const AppSettings& s, int parts) {
    if ((parts & (SaveFolder | SaveOptions)) == 0) return 0;
    QSettings& q = *settings_;
    q.beginGroup(kGroup);
    const auto number = [&q](const char* name, std::int32_t v) {
        q.setValue(QLatin1String(name), static_cast<int>(v));
    };
    const auto text = [&q](const char* name, const std::string& v) {
        q.setValue(QLatin1String(name), QString::fromStdString(v));
    };
    if (parts & SaveFolder) text("Folder", s.Folder);
    if (parts & SaveOptions) {
        number("DestOutputFolderOpt", s.DestOutputFolderOpt);
        text("DestSpecifiedFolder", s.DestSpecifiedFolder);
        number("CreateDirs", s.CreateDirs);
        number("BrowseOutputFolder", s.BrowseOutputFolder);
        number("AutoDestMP3EncodingParam", s.AutoDestMP3EncodingParam);
        number("MP3BitRate", s.MP3BitRate);
        number("MP3SampleRate", s.MP3SampleRate);
        number("MP3ChannelMode", s.MP3ChannelMode);
        number("ID3TagOpt", s.ID3TagOpt);
        q.setValue(QStringLiteral("ID3Tag"), tagBytes(s.ID3Tag));
        number("AmplifyMp3", s.AmplifyMp3);
        number("AmplifyMp3Coeff", s.AmplifyMp3Coeff);
        number("AutoDestWAVEncodingParam", s.AutoDestWAVEncodingParam);
        number("WAVBitsPerSample", s.WAVBitsPerSample);
        number("WAVSampleRate", s.WAVSampleRate);
        number("WAVChannelNum", s.WAVChannelNum);
        number("AmplifyWav", s.AmplifyWav);
        number("AmplifyWavCoeff", s.AmplifyWavCoeff);
        number("AutoDestWMAEncodingParam", s.AutoDestWMAEncodingParam);
        number("WMABitRate", s.WMABitRate);
        number("WMASampleRate", s.WMASampleRate);
        number("WMAChannels", s.WMAChannels);
        number("WMAID3TagOpt", s.WMAID3TagOpt);
        q.setValue(QStringLiteral("WMAID3Tag"), tagBytes(s.WMAID3Tag));
        number("AmplifyWMA", s.AmplifyWMA);
        number("AmplifyWMACoeff", s.AmplifyWMACoeff);
    }
    q.endGroup();
    q.sync();
    return 1;
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
