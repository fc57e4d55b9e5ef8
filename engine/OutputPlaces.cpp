#include "engine/OutputPlaces.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include "base/PathUtil.h"

namespace tonvexa {
namespace {

std::string withSeparator(std::string folder) {
    if (folder.empty() || !IsPathSeparator(folder.back())) folder += kPreferredSeparator;
    return folder;
}

}  // namespace

OutputPlaces OutputPlacesFrom(const AppSettings& settings) {
    OutputPlaces places;
    places.destOutputFolderOpt = settings.DestOutputFolderOpt;
    places.destSpecifiedFolder = settings.DestSpecifiedFolder;
    places.createDirs = settings.CreateDirs != 0;

    // The documents folder is created only when a fallback needs it (PrepareOutputFile).
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty())
        places.documentsFolder = withSeparator(QDir::toNativeSeparators(documents).toStdString());

    if (QCoreApplication::instance() != nullptr) {
        const QString folder = QCoreApplication::applicationDirPath();
        if (!folder.isEmpty())
            places.programFolder = withSeparator(QDir::toNativeSeparators(folder).toStdString());
    }
    if (!places.programFolder) places.programFolder = ProgramFolder();
    return places;
}

}  // namespace tonvexa
