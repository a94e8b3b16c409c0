// What a front end hears from the worksheet unless it listens.
#include "worksheet.h"

namespace worksheet {

void observer::textShown(const char*, std::size_t, textKind, int) {}
void observer::sheetChanged() {}
void observer::loadFailed(inputPlace, const char*) {}
bool observer::stopRequested() {
    return false;
}
void observer::workStopped(inputPlace) {}

} // namespace worksheet
