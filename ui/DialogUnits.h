#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

namespace tonvexa {

// Dialog templates are laid out in dialog units of their 8-point font: a horizontal unit is
// a quarter of the font's average character width (6 px), a vertical one an eighth of its
// height (13 px), rounded as the platform's MulDiv rounds.
constexpr int DialogUnitsToPixelsX(int units) {
    return (units * 6 + 2) / 4;
}
constexpr int DialogUnitsToPixelsY(int units) {
    return (units * 13 + 4) / 8;
}

inline QRect DialogUnitsRect(int x, int y, int width, int height) {
    return QRect(DialogUnitsToPixelsX(x), DialogUnitsToPixelsY(y), DialogUnitsToPixelsX(width),
                 DialogUnitsToPixelsY(height));
}

inline QSize DialogUnitsSize(int width, int height) {
    return QSize(DialogUnitsToPixelsX(width), DialogUnitsToPixelsY(height));
}

// "Tahoma" 8 point where it is installed, else the system's sans-serif at 8 point.
QFont DialogFont();

}  // namespace tonvexa
