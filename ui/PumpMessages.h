#pragma once

namespace tonvexa {

// Handles every event waiting for this thread's windows, without waiting for new ones, and
// returns. Long work on the interface thread calls it to keep the windows alive and to let
// a Cancel button be pressed.
void PumpMessages();

}  // namespace tonvexa
