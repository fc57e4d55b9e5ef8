#include "DialogUnits.h"

#include <QFontDatabase>
#include <QStringList>

namespace tonvexa {

QFont DialogFont() {
    const QString tahoma = QStringLiteral("Tahoma");
    if (QFontDatabase::families().contains(tahoma, Qt::CaseInsensitive)) return QFont(tahoma, 8);
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

}  // namespace tonvexa
