#pragma once

namespace tonvexa {

// The window program: prepares the process, shows the main window and runs until it closes.
// Arguments are not examined (files are added through the window). Returns the exit status.
int RunConverterApp(int argc, char** argv);

// Whether a window can be shown at all: on X11 and Wayland systems a display must be named
// (DISPLAY or WAYLAND_DISPLAY), unless Qt is told which platform to use.
bool DisplayAvailable();

}  // namespace tonvexa
