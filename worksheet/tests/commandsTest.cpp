// The command lines: "!clear", "!load" and every way of getting them wrong.
#include "commands.h"
#include "worksheetFixture.h"

using namespace worksheet;

namespace {

using commandsTest = worksheetTest;

TEST(loadCommandFileName, takesEverythingBetweenTheQuotes) {
    const std::vector<std::pair<std::string_view, std::string_view>> cases = {
        {R"(load "a.qw")", "a.qw"},
        {R"(load      "a.qw")", "a.qw"},
        {R"(load "with spaces in it.qw")", "with spaces in it.qw"},
        {R"(load "a.qw" and whatever follows)", "a.qw"},
        {R"(load "a.qw""b.qw")", "a.qw"},
        {R"(load "")", ""},
        {R"(load "C:\dir\a.qw")", R"(C:\dir\a.qw)"},
    };
    for (const auto& [command, name] : cases) {
        EXPECT_EQ(loadCommandFileName(command), name) << command;
    }
}

TEST(loadCommandFileName, refusesEveryMalformedLoad) {
    for (const std::string_view command : {
             "load",              // no name at all
             "load ",             // only the space
             "load     ",         // only spaces
             R"(load"a.qw")",     // the space after load is required
             "load a.qw",         // no quotes
             R"(load a.qw")",     // no opening quote
             R"(load "a.qw)",     // no closing quote
             R"(load	"a.qw")", // a tab is no space
             R"(LOAD "a.qw")",    // commands are case-sensitive
             R"(Load "a.qw")",
             R"( load "a.qw")", // nothing may come before load
             R"(loads "a.qw")",
             R"(load x "a.qw")", // only spaces between load and the quote
         }) {
        EXPECT_EQ(loadCommandFileName(command), std::nullopt) << command;
    }
}

TEST_F(commandsTest, illegalCommandsAreAnsweredOnTheSheet) {
    for (const std::string line :
         {"!", "!clear ", "! clear", "!clear2", "!CLEAR", "!Clear", "!clea", "!load", "!load x",
          R"(!load"x")", R"(!load "x)", "!quit", "!!clear"}) {
        EXPECT_EQ(run({line}), (sheetTexts{line, "# illegal command"})) << line;
    }
}

TEST_F(commandsTest, aWellFormedLoadOfAMissingFileIsALoadError) {
    for (const std::string line :
         {R"(!load "no such file.qw")", R"(!load   "no such file.qw" ignored)", R"(!load "")"}) {
        EXPECT_EQ(run({line}), (sheetTexts{line, "# load error"})) << line;
    }
}

TEST_F(commandsTest, clearForgetsDefinitionsAndAnsButNotTheSheetOrHistory) {
    run({"[a = 5]", "a[]", "!clear"});
    EXPECT_EQ(run({"a[]", "PI[]"}), (sheetTexts{"a[]", "[ans = a]", "PI[]", "[ans = 3.14159]"}));
    const sheetTexts drawn = visibleSheet();
    EXPECT_EQ(sheetTexts(drawn.end() - 9, drawn.end()),
              (sheetTexts{"[a = 5]", "# set root environment.", "a[]", "[ans = 5]", "!clear", "a[]",
                          "[ans = a]", "PI[]", "[ans = 3.14159]"}));
    for (const char* line : {"PI[]", "a[]", "!clear", "a[]", "[a = 5]"}) {
        EXPECT_STREQ(sheet.recallEarlier(), line);
    }
}

TEST_F(commandsTest, clearAfterALineForgetsAns) {
    run({"2+3", "!clear"});
    EXPECT_EQ(run({"ans[]"}), (sheetTexts{"ans[]", "[ans = ans]"}));
}

} // namespace
