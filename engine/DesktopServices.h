#pragma once

#include <string>

namespace tonvexa {

// What the core asks of the desktop. The window side supplies the real one (file manager
// over D-Bus); tests and the command-line converter supply their own.
class DesktopServices {
public:
    virtual ~DesktopServices() = default;

    // Shows the file selected in the desktop's file manager. Returns at once; failures are
    // silent.
    virtual void ShowInExplorer(const std::string& path) = 0;
};

}  // namespace tonvexa
