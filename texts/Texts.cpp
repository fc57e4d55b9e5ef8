#include "texts/Texts.h"

#include <QCoreApplication>
#include <QString>

#include "base/PathUtil.h"

namespace tonvexa {

namespace {

constexpr char kSupportAddress[] = "support@tonvexa.example";

QString targetName(AudioFormatCode target) {
    if (target == FormatWma) return QStringLiteral("WMA");
    if (target == FormatMp3) return QStringLiteral("MP3");
    return QStringLiteral("WAV");
}

}  // namespace

std::string FillIn(const QString& text, std::initializer_list<std::string> args) {
    const std::string t = text.toStdString();
    std::string out;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '%' && i + 1 < t.size() && t[i + 1] >= '1' && t[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(t[i + 1] - '1');
            if (n < args.size()) {
                out += *(args.begin() + n);
                ++i;
                continue;
            }
        }
        out += t[i];
    }
    return out;
}

std::string StatusText(const JobOutcome& outcome) {
    switch (outcome.result) {
        case JobResult::Converted:
            return FileNamePart(outcome.path);
        case JobResult::Failed:
            return QCoreApplication::translate("Tonvexa", "Conversion Failure").toStdString();
        case JobResult::Cancelled:
            return QCoreApplication::translate("Tonvexa", "Cancelled").toStdString();
        case JobResult::Skipped:
            return QCoreApplication::translate(
                       "Tonvexa",
                       "Skipped. Please use Sonidrift "
                       "(https://www.sonidrift.example/) to convert between "
                       "WAV and MP3.")
                .toStdString();
        case JobResult::FolderNotCreated:
            //: %1 is a folder's path
            return FillIn(
                QCoreApplication::translate("Tonvexa", "Failed to create folder \"%1\""),
                {outcome.path});
        case JobResult::DestinationNotCreated:
            return QCoreApplication::translate("Tonvexa", "Failed to create destination file")
                .toStdString();
    }
    return {};
}

std::string ConvertingText() {
    return QCoreApplication::translate("Tonvexa", "Converting...").toStdString();
}

std::string BatchLine(int begun, int count, AudioFormatCode target) {
    //: %1 files begun of %n in all; %2 is the target format (MP3, WMA or WAV)
    return FillIn(QCoreApplication::translate("Tonvexa", "Converting %1 of %n file(s) to %2...",
                                                  nullptr, count),
                      {std::to_string(begun), targetName(target).toStdString()});
}

std::string FileLine(const std::string& fileName, int percent) {
    //: %1 is the file's name, %2 how far it is in percent
    return FillIn(QCoreApplication::translate("Tonvexa", "Converting %1...%2%"),
                      {fileName, std::to_string(percent)});
}

std::string NoSelectionMessage() {
    return QCoreApplication::translate("Tonvexa", "You should select a file at least.")
        .toStdString();
}

std::string EmptyListMessage() {
    return QCoreApplication::translate("Tonvexa", "There aren't files in list.").toStdString();
}

std::string LoadFailureMessage(const AddFailureReport& report, const ShownPath& shown) {
    std::string paths;
    for (const std::string& path : report.named()) paths += (shown ? shown(path) : path) + "\n";
    if (report.count() > AddFailureReport::kMaxNamed)
        paths += QCoreApplication::translate("Tonvexa", "<more files>...").toStdString() + "\n";
    //: %1 is the list of files, one a line; %2 the support address
    const QString text = QCoreApplication::translate(
        "Tonvexa", "Failed to load the following files.\n\n%1\nTo get help, please contact <%2>.");
    return FillIn(text, {paths, kSupportAddress});
}

}  // namespace tonvexa
