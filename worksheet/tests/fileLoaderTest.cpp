// loadFile and runLines on files written by the tests.
#include "worksheetFixture.h"

using namespace worksheet;
using namespace std::string_literals;

namespace {

using fileLoaderTest = worksheetTest;

std::string loadLine(const std::string& path) {
    return "!load \"" + path + "\"";
}

std::string lineOfLength(std::size_t length) {
    // "1+1+...+1" answers with the number of ones; an odd length keeps it whole.
    std::string line = "1";
    while (line.size() + 2 <= length) {
        line += "+1";
    }
    line.resize(length, ' ');
    return line;
}

struct fileCase {
    const char* what;
    std::string bytes;
    sheetTexts sheet;
};

std::vector<fileCase> fileCases() {
    const std::string longest = lineOfLength(2047);
    return {
        {"line feeds", "1+1\n2+2\n", {"1+1", "[ans = 2]", "2+2", "[ans = 4]"}},
        {"carriage return and line feed",
         "1+1\r\n2+2\r\n",
         {"1+1", "[ans = 2]", "2+2", "[ans = 4]"}},
        {"carriage returns alone", "1+1\r2+2\r", {"1+1", "[ans = 2]", "2+2", "[ans = 4]"}},
        {"NUL bytes", "1+1\0002+2\000\000"s, {"1+1", "[ans = 2]", "2+2", "[ans = 4]"}},
        {"no final line end", "1+1\n2+2", {"1+1", "[ans = 2]", "2+2", "[ans = 4]"}},
        {"blank lines skipped", "\n\n1+1\n\r\n\n# note\n", {"1+1", "[ans = 2]", "# note"}},
        {"only line ends", "\r\n\n\r\0"s, {}},
        {"empty file", "", {}},
        {"a blank is no empty line", " \n", {" ", "# parse error"}},
        {"engine errors do not stop the load",
         "2 3 4\n1+1\n",
         {"2 3 4", "# parse error at mount", "1+1", "[ans = 2]"}},
        {"2047 characters run", longest + "\n1\n", {longest, "[ans = 1024]", "1", "[ans = 1]"}},
        {"2047 characters at the end", longest, {longest, "[ans = 1024]"}},
        {"2048 characters end the load",
         "1+1\n" + std::string(2048, '1') + "\n2+2\n",
         {"1+1", "[ans = 2]", "# load error"}},
        {"2048 characters at the end",
         "1+1\n" + std::string(2048, '1'),
         {"1+1", "[ans = 2]", "# load error"}},
        {"far longer lines end it too", std::string(10000, '1') + "\n2+2\n", {"# load error"}},
    };
}

void PrintTo(const fileCase& oneCase, std::ostream* out) {
    *out << oneCase.what;
}

class fileLoaderCases : public worksheetTest, public ::testing::WithParamInterface<fileCase> {};

TEST_P(fileLoaderCases, loadFileRunsTheLinesItReads) {
    const std::string path = writeScratchFile("lines.qw", GetParam().bytes);
    loadFile(path.c_str());
    EXPECT_EQ(takeSheet(), GetParam().sheet) << GetParam().what;
}

TEST_P(fileLoaderCases, runLinesReadsAStreamAndTextTheSameWay) {
    const std::string path = writeScratchFile("lines.qw", GetParam().bytes);
    std::FILE* stream = std::fopen(path.c_str(), "rb");
    ASSERT_NE(stream, nullptr);
    runLines(stream);
    std::fclose(stream);
    EXPECT_EQ(takeSheet(), GetParam().sheet) << GetParam().what;
    runLines(GetParam().bytes.data(), GetParam().bytes.size());
    EXPECT_EQ(takeSheet(), GetParam().sheet) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(lineRules, fileLoaderCases, ::testing::ValuesIn(fileCases()));

TEST_F(fileLoaderTest, aFileThatCannotBeOpenedRunsTheLineLoadError) {
    const std::string path = writeScratchFile("present.qw", "") + ".absent";
    EXPECT_EQ(run({loadLine(path)}), (sheetTexts{loadLine(path), "# load error"}));
    EXPECT_STREQ(historyLines[1], "# load error");
}

TEST_F(fileLoaderTest, aLoadInsideALoadRunsCompletelyAtItsLine) {
    const std::string inner = writeScratchFile("inner.qw", "2\n# inner\n");
    const std::string outer = writeScratchFile("outer file.qw", "1\n" + loadLine(inner) + "\n3\n");
    EXPECT_EQ(run({loadLine(outer)}),
              (sheetTexts{loadLine(outer), "1", "[ans = 1]", loadLine(inner), "2", "[ans = 2]",
                          "# inner", "3", "[ans = 3]"}));
}

TEST_F(fileLoaderTest, loadedLinesEnterTheHistory) {
    const std::string path = writeScratchFile("lines.qw", "1\n2\n");
    run({loadLine(path)});
    EXPECT_EQ(historyNext, 3);
    EXPECT_STREQ(historyLines[2], "2");
}

TEST_F(fileLoaderTest, aTooLongLineInAnInnerLoadLetsTheOuterLoadGoOn) {
    const std::string inner = writeScratchFile("inner.qw", std::string(2048, '1') + "\n2\n");
    const std::string outer = writeScratchFile("outer.qw", loadLine(inner) + "\n3\n");
    EXPECT_EQ(run({loadLine(outer)}),
              (sheetTexts{loadLine(outer), loadLine(inner), "# load error", "3", "[ans = 3]"}));
}

TEST_F(fileLoaderTest, aFileThatLoadsItselfStopsAtTheDepthBound) {
    const std::string path = writeScratchFile("self.qw", "");
    writeScratchFile("self.qw", loadLine(path) + "\n1\n");
    const sheetTexts sheet = run({loadLine(path)});
    // The typed load and maxLoadDepth loaded ones each show the load line;
    // the refused one adds "# load error"; then every running load goes on
    // with its next line.
    sheetTexts expected(maxLoadDepth + 1, loadLine(path));
    expected.push_back("# load error");
    for (int load = 0; load < maxLoadDepth; ++load) {
        expected.insert(expected.end(), {"1", "[ans = 1]"});
    }
    EXPECT_EQ(sheet, expected);
    // The bound counts nesting only: the next load runs as deep again.
    EXPECT_EQ(run({loadLine(path)}).size(), expected.size());
}

TEST_F(fileLoaderTest, loadsInSequenceAreNotNested) {
    const std::string leaf = writeScratchFile("leaf.qw", "1\n");
    std::string manyLoads;
    for (int load = 0; load < 3 * maxLoadDepth; ++load) {
        manyLoads += loadLine(leaf) + "\n";
    }
    const std::string path = writeScratchFile("many.qw", manyLoads);
    const sheetTexts sheet = run({loadLine(path)});
    EXPECT_EQ(std::count(sheet.begin(), sheet.end(), "# load error"), 0);
    EXPECT_EQ(std::count(sheet.begin(), sheet.end(), "[ans = 1]"), 3 * maxLoadDepth);
}

} // namespace
