// Which display slots the sheet draws for a given height.
#include "worksheetFixture.h"

using namespace worksheet;

namespace {

struct sheetCase {
    int sheetHeight;
    int lineHeight;
    int displayNext;
    std::vector<int> slots;
};

void PrintTo(const sheetCase& oneCase, std::ostream* out) {
    *out << "sheet " << oneCase.sheetHeight << ", line " << oneCase.lineHeight << ", displayNext "
         << oneCase.displayNext;
}

class visibleSlotsTest : public worksheetTest, public ::testing::WithParamInterface<sheetCase> {};

TEST_P(visibleSlotsTest, oldestAtTheTopNewestJustBeforeDisplayNext) {
    const sheetCase& oneCase = GetParam();
    displayNext = oneCase.displayNext;
    int slots[ringSlots];
    const int count = visibleSlots(oneCase.sheetHeight, oneCase.lineHeight, slots);
    EXPECT_EQ(std::vector<int>(slots, slots + count), oneCase.slots);
}

std::vector<int> slotRange(int first, int count) {
    std::vector<int> slots;
    for (int row = 0; row < count; ++row) {
        slots.push_back((first + row) % ringSlots);
    }
    return slots;
}

INSTANTIATE_TEST_SUITE_P(
    sheetHeights, visibleSlotsTest,
    ::testing::Values(
        // The height minus one pixel, divided by the line height, rounded down.
        sheetCase{20, 20, 5, {}}, sheetCase{21, 20, 5, {4}}, sheetCase{41, 20, 5, {3, 4}},
        sheetCase{60, 20, 5, {3, 4}}, sheetCase{61, 20, 5, {2, 3, 4}},
        // The window's first size: a sheet of 230 pixels.
        sheetCase{230, 20, 11, slotRange(0, 11)},
        // Slots before 0 wrap to the end of the ring.
        sheetCase{61, 20, 1, {28, 29, 0}},
        // The tallest sheet the window allows shows 29 texts, and no taller
        // one shows more.
        sheetCase{600, 20, 0, slotRange(1, 29)}, sheetCase{5000, 20, 7, slotRange(8, 29)},
        // A sheet squeezed below one line, or a font height not known.
        sheetCase{0, 20, 5, {}}, sheetCase{-300, 20, 5, {}}, sheetCase{230, 0, 5, {}}));

} // namespace
