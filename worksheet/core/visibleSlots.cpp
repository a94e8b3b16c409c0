// Which display slots the sheet draws, top to bottom.
#include "rings.h"

#include <algorithm>

namespace worksheet {

int visibleSlots(int sheetHeight, int lineHeight, int* slots) {
    const int rowsThatFit = lineHeight > 0 ? (sheetHeight - 1) / lineHeight : 0;
    // One slot always stays hidden: the oldest, which showLine overwrites next.
    const int count = std::clamp(rowsThatFit, 0, ringSlots - 1);
    for (int row = 0; row < count; ++row) {
        slots[row] = (row + displayNext - count + ringSlots) % ringSlots;
    }
    return count;
}

} // namespace worksheet
