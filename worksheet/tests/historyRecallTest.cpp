// The Up and Down keys: which history slot they show, or that they are swallowed.
#include "worksheetFixture.h"

using namespace worksheet;

namespace {

using historyRecallTest = worksheetTest;

constexpr int swallowed = -1;

std::vector<int> pressUp(int times) {
    std::vector<int> shown;
    for (int press = 0; press < times; ++press) {
        shown.push_back(recallEarlier());
    }
    return shown;
}

std::vector<int> pressDown(int times) {
    std::vector<int> shown;
    for (int press = 0; press < times; ++press) {
        shown.push_back(recallLater());
    }
    return shown;
}

TEST_F(historyRecallTest, anEmptyHistorySwallowsBothKeys) {
    EXPECT_EQ(pressUp(2), (std::vector<int>{swallowed, swallowed}));
    EXPECT_EQ(pressDown(2), (std::vector<int>{swallowed, swallowed}));
    EXPECT_EQ(historyCursor, 0);
}

TEST_F(historyRecallTest, threeLinesComeBackNewestFirstThenDownReturnsToTheEmptyLine) {
    run({"1", "2", "3"});
    EXPECT_EQ(pressUp(4), (std::vector<int>{2, 1, 0, swallowed}));
    EXPECT_EQ(historyCursor, 0);
    EXPECT_EQ(pressDown(4), (std::vector<int>{1, 2, 3, swallowed}));
    EXPECT_STREQ(historyLines[3], "");
}

TEST_F(historyRecallTest, upAndDownMixedStayWithinTheWrittenLines) {
    run({"1", "2"});
    EXPECT_EQ(recallEarlier(), 1);
    EXPECT_EQ(recallLater(), 2);
    EXPECT_EQ(recallEarlier(), 1);
    EXPECT_EQ(recallEarlier(), 0);
    EXPECT_EQ(recallEarlier(), swallowed);
}

TEST_F(historyRecallTest, aNewLineStartsBrowsingAgainFromTheNewest) {
    run({"1", "2"});
    pressUp(2);
    run({"3"});
    EXPECT_EQ(historyCursor, 3);
    EXPECT_EQ(recallEarlier(), 2);
}

TEST_F(historyRecallTest, afterThirtyLinesTheWrapStopsAt29Recalls) {
    for (int line = 1; line <= ringSlots; ++line) {
        run({std::to_string(line)});
    }
    ASSERT_EQ(historyNext, 0);
    std::vector<int> expected;
    for (int slot = ringSlots - 1; slot >= 1; --slot) {
        expected.push_back(slot);
    }
    expected.push_back(swallowed);
    EXPECT_EQ(pressUp(ringSlots), expected);
    EXPECT_STREQ(historyLines[1], "2");
    EXPECT_EQ(pressDown(ringSlots - 1).back(), 0);
    EXPECT_EQ(recallLater(), swallowed);
}

} // namespace
