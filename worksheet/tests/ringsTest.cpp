// The two rings and the line cycle that fills them.
#include "rings.h"
#include "sheetLines.h"
#include "worksheetFixture.h"

#include <cstring>

using namespace worksheet;

namespace {

using ringsTest = worksheetTest;

TEST_F(ringsTest, startEngineGivesEmptyDisplayAndUnwrittenHistory) {
    for (int slot = 0; slot < ringSlots; ++slot) {
        EXPECT_EQ(displayLines[slot][0], '\0') << slot;
        EXPECT_EQ(historyLines[slot][0], unwrittenMark) << slot;
    }
    EXPECT_EQ(displayNext, 0);
    EXPECT_EQ(historyNext, 0);
    EXPECT_EQ(historyCursor, 0);
}

TEST_F(ringsTest, stopEngineLeavesNoRings) {
    stopEngine();
    EXPECT_EQ(displayLines, nullptr);
    EXPECT_EQ(historyLines, nullptr);
    startEngine();
}

TEST_F(ringsTest, showLineOverwritesTheOldestSlotOnceTheRingIsFull) {
    for (int text = 0; text <= ringSlots; ++text) {
        showLine(std::to_string(text).c_str(), textKind::answer);
    }
    EXPECT_EQ(displayNext, 1);
    EXPECT_STREQ(displayLines[0], "30");
    EXPECT_STREQ(displayLines[1], "1");
    EXPECT_EQ(takeSheet().size(), ringSlots + 1u);
}

TEST_F(ringsTest, textsLongerThanASlotAreCutTo2047Characters) {
    for (const std::size_t length : {2046u, 2047u, 2048u, 5000u}) {
        showLine(std::string(length, 'a').c_str(), textKind::answer);
        const std::size_t kept = std::min<std::size_t>(length, 2047);
        EXPECT_EQ(std::strlen(displayLines[displayNext - 1]), kept) << length;
        EXPECT_EQ(takeSheet(), sheetTexts{std::string(kept, 'a')}) << length;
    }
    handleLine(("#" + std::string(3000, 'b')).c_str());
    EXPECT_EQ(std::strlen(historyLines[0]), 2047u);
}

TEST_F(ringsTest, eachBranchOfTheLineCycle) {
    struct lineAndSheet {
        std::string line;
        sheetTexts sheet;
    };
    const std::vector<lineAndSheet> cases = {
        {"1+2", {"1+2", "[ans = 3]"}},
        {"# a note, never evaluated", {"# a note, never evaluated"}},
        {"", {"", "# parse error"}},
        {"[a = 1]", {"[a = 1]", "# set root environment."}},
        {"2 3 4", {"2 3 4", "# parse error at mount"}},
        {"!clear", {"!clear"}},
        {"!nonsense", {"!nonsense", "# illegal command"}},
    };
    for (const lineAndSheet& oneCase : cases) {
        EXPECT_EQ(run({oneCase.line}), oneCase.sheet) << oneCase.line;
    }
}

TEST_F(ringsTest, everyLineEntersTheHistoryAndResetsTheCursor) {
    run({"1+2", "# note", "!clear"});
    EXPECT_STREQ(historyLines[0], "1+2");
    EXPECT_STREQ(historyLines[1], "# note");
    EXPECT_STREQ(historyLines[2], "!clear");
    EXPECT_EQ(historyNext, 3);
    EXPECT_EQ(historyCursor, 3);
    EXPECT_EQ(historyLines[3][0], '\0');
    EXPECT_EQ(historyLines[4][0], unwrittenMark);
}

TEST_F(ringsTest, aLineTypedIntoItsHistorySlotRunsFromThere) {
    std::strcpy(typingSlot(), "2*3");
    handleLine(typingSlot());
    EXPECT_EQ(takeSheet(), (sheetTexts{"2*3", "[ans = 6]"}));
    EXPECT_STREQ(historyLines[0], "2*3");
}

TEST_F(ringsTest, aLineFromTheSlotThatRecordingClearsStillRuns) {
    for (int line = 0; line < ringSlots - 1; ++line) {
        handleLine("# filler");
    }
    std::strcpy(historyLines[0], "4+4");
    takeSheet();
    // Slot 0 follows historyNext, so recording this line empties it.
    handleLine(historyLines[0]);
    EXPECT_EQ(takeSheet(), (sheetTexts{"4+4", "[ans = 8]"}));
}

} // namespace
