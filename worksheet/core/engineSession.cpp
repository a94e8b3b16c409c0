// The worksheet's lifetime: the engine and the rings start and stop together.
#include "QuorinDLL.h"
#include "rings.h"

namespace worksheet {

void startEngine() {
    initialize();
    allocateRings();
}

void stopEngine() {
    finalize();
    freeRings();
}

bool isRunning() {
    return historyLines != nullptr;
}

} // namespace worksheet
