#include "ui/PumpMessages.h"

#include <QCoreApplication>

namespace tonvexa {

void PumpMessages() {
    QCoreApplication::processEvents();
}

}  // namespace tonvexa
