#pragma once

#include <QSettings>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "settings/AppSettings.h"

namespace tonvexa {

// The persistent home of AppSettings: the user's "Brakkfield/Tonvexa" settings, group
// "Options" (on Linux an INI file under the user's config folder, which QSettings replaces
// atomically). Each value is read by the kind of its field, so a hand-edited or damaged file
// can only leave fields as they were, never put garbage into them.
class SettingsStore {
public:
    // Bits of SaveSettings' parts.
    static constexpr int SaveFolder = 4;
    static constexpr int SaveOptions = 8;

    // The user's own store.
    SettingsStore();
    // An INI file anywhere (tests, and the command-line converter's options file).
    explicit SettingsStore(const std::string& iniPath);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // Reads every stored option into settings; a value that is missing or unreadable keeps
    // its field. Always true.
    bool LoadSettings(AppSettings& settings);
    // Writes the parts asked for (SaveFolder, SaveOptions) and flushes them. 0 when parts is
    // 0 (nothing is touched), else 1 whatever the store did; saveError() tells what it did.
    int SaveSettings(const AppSettings& settings, int parts);
    // Why the last SaveSettings could not write the options: nothing when it wrote them (or
    // nothing was saved yet), else the system's reason, found by trying the steps of a save
    // again (an empty code when none of them fails any more).
    std::optional<std::error_code> saveError() const { return saveError_; }

    // What SetOption made of a name and a value.
    enum class OptionResult {
        Set,
        UnknownName,  // no stored option has that name
        NotANumber,   // a number option's value is not a 32-bit integer
        TextTooLong,  // a text option's value is longer than AppSettings::kMaxTextLength
        NotText,      // a tag option: its 152 bytes are read from a store only
    };
    // Sets one option, named by its stored name, from a text, which is read by the field's
    // kind exactly as a stored value of that name is, and checked as a loaded one is (a
    // channel count of 3 becomes 2, a percentage is clamped). Anything but Set leaves the
    // settings as they were.
    static OptionResult SetOption(AppSettings& settings, std::string_view name,
                                  std::string_view value);
    // The stored names of every option, in the order they are read.
    static std::vector<std::string> OptionNames();

    // The first-run marker beside the options; nothing when it is not stored as a number.
    std::optional<std::int32_t> ReadFirstRun() const;
    void WriteFirstRun(std::int32_t value);

    // The outcome of the last access (QSettings::AccessError when the file could not be
    // written).
    QSettings::Status status() const;
    // Where the values live (a file path, or a registry path on Windows).
    std::string location() const;

private:
    std::unique_ptr<QSettings> makeSettings() const;

    std::string iniPath_;  // empty for the user's own store
    std::unique_ptr<QSettings> settings_;
    std::optional<std::error_code> saveError_;
};

}  // namespace tonvexa
