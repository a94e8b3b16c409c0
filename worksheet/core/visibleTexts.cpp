// Which texts the sheet draws, top to bottom.
#include "rings.h"

#include <algorithm>

namespace worksheet {

int worksheetCore::visibleTexts(int sheetHeight, int lineHeight, const char** texts) const {
    const int rowsThatFit = lineHeight > 0 ? (sheetHeight - 1) / lineHeight : 0;
    // One slot always stays hidden: the oldest, which the next text overwrites.
    const int count = std::clamp(rowsThatFit, 0, maxVisibleTexts);
    for (int row = 0; row < count; ++row) {
        texts[row] = displayLines[(row + displayNext - count + ringSlots) % ringSlots];
    }
    return count;
}

} // namespace worksheet
