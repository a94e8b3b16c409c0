// Which texts the sheet draws for a given height.
#include "worksheetFixture.h"

namespace {

struct sheetCase {
    int sheetHeight;
    int lineHeight;
    int textsShown;
    // The numbers of the texts drawn, top to bottom; -1 for a slot that
    // never held a text.
    std::vector<int> drawn;
};

void PrintTo(const sheetCase& oneCase, std::ostream* out) {
    *out << "sheet " << oneCase.sheetHeight << ", line " << oneCase.lineHeight << ", "
         << oneCase.textsShown << " texts shown";
}

class visibleTextsTest : public worksheetTest, public ::testing::WithParamInterface<sheetCase> {};

TEST_P(visibleTextsTest, oldestAtTheTopNewestAtTheBottom) {
    const sheetCase& oneCase = GetParam();
    for (int text = 0; text < oneCase.textsShown; ++text) {
        sheet.handleLine("# " + std::to_string(text));
    }
    const char* texts[worksheet::maxVisibleTexts];
    const int count = sheet.visibleTexts(oneCase.sheetHeight, oneCase.lineHeight, texts);
    std::vector<std::string> expected;
    for (const int text : oneCase.drawn) {
        expected.push_back(text < 0 ? "" : "# " + std::to_string(text));
    }
    EXPECT_EQ(std::vector<std::string>(texts, texts + count), expected);
}

std::vector<int> textRange(int first, int count) {
    std::vector<int> texts;
    for (int row = 0; row < count; ++row) {
        texts.push_back(first + row);
    }
    return texts;
}

INSTANTIATE_TEST_SUITE_P(
    sheetHeights, visibleTextsTest,
    ::testing::Values(
        // The height minus one pixel, divided by the line height, rounded down.
        sheetCase{20, 20, 5, {}}, sheetCase{21, 20, 5, {4}}, sheetCase{41, 20, 5, {3, 4}},
        sheetCase{60, 20, 5, {3, 4}}, sheetCase{61, 20, 5, {2, 3, 4}},
        // The window's first size: a sheet of 230 pixels.
        sheetCase{230, 20, 11, textRange(0, 11)},
        // Before the sheet is full, the rows above the first text stay empty.
        sheetCase{61, 20, 1, {-1, -1, 0}},
        // The tallest sheet the window allows shows 29 texts, and no taller
        // one shows more; the ring keeps the newest 30.
        sheetCase{600, 20, 30, textRange(1, 29)}, sheetCase{5000, 20, 37, textRange(8, 29)},
        // A sheet squeezed below one line, or a font height not known.
        sheetCase{0, 20, 5, {}}, sheetCase{-300, 20, 5, {}}, sheetCase{230, 0, 5, {}}));

} // namespace
