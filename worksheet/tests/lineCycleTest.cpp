// The line cycle: what each line puts on the sheet, and what the sheet and
// the history keep of it.
#include "worksheetFixture.h"

namespace {

using lineCycleTest = worksheetTest;

TEST_F(lineCycleTest, eachBranchOfTheLineCycle) {
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
        EXPECT_EQ(visibleSheet().back(), oneCase.sheet.back()) << oneCase.line;
    }
}

TEST_F(lineCycleTest, theSheetDrawsTheNewestTextsOnceTheRingIsFull) {
    EXPECT_EQ(visibleSheet(), sheetTexts(worksheet::maxVisibleTexts, ""));
    sheetTexts lines;
    for (int line = 1; line <= worksheet::ringSlots + 1; ++line) {
        lines.push_back("# " + std::to_string(line));
    }
    run(lines);
    EXPECT_EQ(visibleSheet(), sheetTexts(lines.end() - worksheet::maxVisibleTexts, lines.end()));
}

TEST_F(lineCycleTest, linesAreCutTo2047CharactersAndAtANul) {
    const std::string note = "#" + std::string(3000, 'b');
    const std::string kept = note.substr(0, worksheet::longestLine);
    EXPECT_EQ(run({note}), sheetTexts{kept});
    EXPECT_EQ(visibleSheet().back(), kept);
    EXPECT_EQ(sheet.recallEarlier(), kept);
    using namespace std::string_literals;
    EXPECT_EQ(run({"1+1\0+1"s}), (sheetTexts{"1+1", "[ans = 2]"}));
}

// The line editor may hand a recalled line straight back: it lies in the
// history, even in the slot that recording the line clears.
TEST_F(lineCycleTest, aRecalledLineRunsStraightFromTheHistory) {
    run({"2*3"});
    sheet.handleLine(sheet.recallEarlier());
    EXPECT_EQ(takeSheet(), (sheetTexts{"2*3", "[ans = 6]"}));
    for (int line = 0; line < worksheet::ringSlots - 3; ++line) {
        run({"# filler"});
    }
    const char* oldest = nullptr;
    while (const char* earlier = sheet.recallEarlier()) {
        oldest = earlier;
    }
    ASSERT_STREQ(oldest, "2*3");
    sheet.handleLine(oldest);
    EXPECT_EQ(takeSheet(), (sheetTexts{"2*3", "[ans = 6]"}));
}

TEST_F(lineCycleTest, theSheetChangesOnceForEveryLineHandedOver) {
    run({"1", "# note", "!nonsense"});
    EXPECT_EQ(seen.sheetChanges, 3);
}

} // namespace
