#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace tonvexa {

// The program's own artwork. Every picture is kept as an SVG source in the program's
// resources and rendered when asked for, at the device pixel ratio of the screen it goes to,
// so that the window stays sharp at any scale.
enum class Art {
    Background,    // the main window, 699 x 538
    ButtonNormal,  // a command button's face, 106 x 26
    ButtonHot,     // the same while the pointer is over it
    HelpIcon,      // title-bar buttons, 16 x 16
    MinimizeIcon,
    CloseIcon,
    ProgramIcon,   // square; the window's and the About box's icon
};

// The logical size an artwork is drawn at.
QSize ArtworkSize(Art art);
// The artwork rendered at size x ratio pixels, with that device pixel ratio set.
QPixmap ArtworkPixmap(Art art, qreal devicePixelRatio);
// The program icon at the usual icon sizes (16 to 256 pixels).
QIcon ProgramIcon();
// The 16 x 15 menu image of a command, or a null icon for commands without one.
QIcon MenuIcon(int commandId);
// The pointer shown over the window's buttons.
QCursor PointerCursor(qreal devicePixelRatio);

// Registers the compiled-in resources (the artwork and the help document, under ":/art" and
// ":/help"). The functions above do it themselves; code that opens those resources directly
// calls it first. Calling it again does nothing.
void RegisterResources();

}  // namespace tonvexa
