#pragma once

#include <QTest>

#include "ui/MainDialog.h"

namespace tonvexa::test {

// Lets the window work until the batch or the adding it runs has ended; false when it has
// not ended in time.
inline bool WaitUntilIdle(const MainDialog& window, int timeoutMs = 120000) {
    return QTest::qWaitFor([&] { return !window.busy(); }, timeoutMs);
}

}  // namespace tonvexa::test
