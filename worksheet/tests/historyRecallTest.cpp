// The Up and Down keys: which line they show, or that they are swallowed.
#include "worksheetFixture.h"

namespace {

using shownLines = std::vector<std::string>;

constexpr const char* swallowed = "(swallowed)";

class historyRecallTest : public worksheetTest {
  protected:
    shownLines press(const char* (worksheet::worksheetCore::*key)(), int times) {
        shownLines shown;
        for (int press = 0; press < times; ++press) {
            const char* line = (sheet.*key)();
            shown.push_back(line != nullptr ? line : swallowed);
        }
        return shown;
    }

    shownLines pressUp(int times) { return press(&worksheet::worksheetCore::recallEarlier, times); }

    shownLines pressDown(int times) { return press(&worksheet::worksheetCore::recallLater, times); }
};

TEST_F(historyRecallTest, anEmptyHistorySwallowsBothKeys) {
    EXPECT_EQ(pressUp(2), (shownLines{swallowed, swallowed}));
    EXPECT_EQ(pressDown(2), (shownLines{swallowed, swallowed}));
}

TEST_F(historyRecallTest, threeLinesComeBackNewestFirstThenDownReturnsToTheEmptyLine) {
    run({"1", "2", "3"});
    EXPECT_EQ(pressUp(4), (shownLines{"3", "2", "1", swallowed}));
    EXPECT_EQ(pressDown(4), (shownLines{"2", "3", "", swallowed}));
}

TEST_F(historyRecallTest, upAndDownMixedStayWithinTheWrittenLines) {
    run({"1", "2"});
    EXPECT_STREQ(sheet.recallEarlier(), "2");
    EXPECT_STREQ(sheet.recallLater(), "");
    EXPECT_EQ(pressUp(3), (shownLines{"2", "1", swallowed}));
}

TEST_F(historyRecallTest, aNewLineStartsBrowsingAgainFromTheNewest) {
    run({"1", "2"});
    pressUp(2);
    run({"3"});
    EXPECT_EQ(pressUp(2), (shownLines{"3", "2"}));
}

TEST_F(historyRecallTest, afterThirtyLinesTheWrapStopsAt29Recalls) {
    for (int line = 1; line <= worksheet::ringSlots; ++line) {
        run({std::to_string(line)});
    }
    shownLines expected;
    for (int line = worksheet::ringSlots; line >= 2; --line) {
        expected.push_back(std::to_string(line));
    }
    expected.push_back(swallowed);
    EXPECT_EQ(pressUp(worksheet::ringSlots), expected);
    const shownLines down = pressDown(worksheet::ringSlots);
    EXPECT_EQ(down[worksheet::ringSlots - 2], "");
    EXPECT_EQ(down.back(), swallowed);
}

TEST_F(historyRecallTest, loadedLinesAndLoadErrorsAreRecalledLikeTypedOnes) {
    run({"1", "!load \"no such file.qw\""});
    EXPECT_EQ(pressUp(4),
              (shownLines{"# load error", "!load \"no such file.qw\"", "1", swallowed}));
}

} // namespace
