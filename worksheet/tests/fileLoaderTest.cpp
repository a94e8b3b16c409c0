// loadFile, runStream and lineInput on files and bytes written by the tests.
#include "rings.h"
#include "worksheetFixture.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

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
    // "line: reason" of the load error, if any.
    std::string loadError = {};
};

const std::string tooLong = "line longer than 2047 characters";
const std::string byteOrderMark = "\xEF\xBB\xBF";
const std::string markStart = byteOrderMark.substr(0, 2);

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
         {"1+1", "[ans = 2]", "# load error"},
         "2: " + tooLong},
        {"2048 characters at the end",
         "1+1\n" + std::string(2048, '1'),
         {"1+1", "[ans = 2]", "# load error"},
         "2: " + tooLong},
        {"far longer lines end it too",
         std::string(10000, '1') + "\n2+2\n",
         {"# load error"},
         "1: " + tooLong},
        {"line numbers count CR LF, CR, LF and NUL once each, blank lines too",
         "# 1\r\n\r\n# 3\r# 4\n\n\0"s + std::string(3000, 'x'),
         {"# 1", "# 3", "# 4", "# load error"},
         "7: " + tooLong},
        {"a byte order mark is skipped",
         byteOrderMark + "# note\n1+1\n",
         {"# note", "1+1", "[ans = 2]"}},
        {"a byte order mark alone", byteOrderMark, {}},
        {"a byte order mark counts for nothing on the first line",
         byteOrderMark + longest + "\n",
         {longest, "[ans = 1024]"}},
        {"only the first one is skipped",
         byteOrderMark + "1\n" + byteOrderMark + "2\n",
         {"1", "[ans = 1]", byteOrderMark + "2", "# parse error"}},
        {"the start of a mark is text", markStart + "1\n", {markStart + "1", "# parse error"}},
        {"the start of a mark at the end is a line", markStart, {markStart, "# parse error"}},
    };
}

void PrintTo(const fileCase& oneCase, std::ostream* out) {
    *out << oneCase.what;
}

class fileLoaderCases : public worksheetTest, public ::testing::WithParamInterface<fileCase> {
  protected:
    std::vector<std::string> expectedLoadErrors(const std::string& inputName) const {
        if (GetParam().loadError.empty()) {
            return {};
        }
        return {inputName + ":" + GetParam().loadError};
    }
};

TEST_P(fileLoaderCases, loadFileRunsTheLinesItReads) {
    const std::string path = writeScratchFile("lines.qw", GetParam().bytes);
    loadFile(path.c_str());
    EXPECT_EQ(takeSheet(), GetParam().sheet);
    EXPECT_EQ(takeLoadErrors(), expectedLoadErrors(path));
}

TEST_P(fileLoaderCases, runStreamReadsAStreamTheSameWay) {
    const std::string path = writeScratchFile("lines.qw", GetParam().bytes);
    std::FILE* stream = std::fopen(path.c_str(), "rb");
    ASSERT_NE(stream, nullptr);
    lineInput input("stream");
    EXPECT_EQ(runStream(stream, input), 0);
    std::fclose(stream);
    EXPECT_EQ(takeSheet(), GetParam().sheet);
    EXPECT_EQ(takeLoadErrors(), expectedLoadErrors("stream"));
}

// As from a pipe: every byte on its own, so that every rule must hold
// across the ends of blocks.
TEST_P(fileLoaderCases, aLineInputFedByteByByteCutsTheSameLines) {
    lineInput input("bytes");
    bool fedWhole = true;
    for (const char byte : GetParam().bytes) {
        if (!input.feed(&byte, 1)) {
            fedWhole = false;
            break;
        }
    }
    if (fedWhole) {
        input.finish();
    }
    EXPECT_EQ(takeSheet(), GetParam().sheet);
    EXPECT_EQ(takeLoadErrors(), expectedLoadErrors("bytes"));
}

INSTANTIATE_TEST_SUITE_P(lineRules, fileLoaderCases, ::testing::ValuesIn(fileCases()));

TEST_F(fileLoaderTest, aFileThatCannotBeReadRunsTheLineLoadErrorAndSaysWhy) {
    const std::string absent = writeScratchFile("present.qw", "") + ".absent";
    // Opening a folder fails on Windows, reading it on Linux: the same to the user.
    const std::string folder = std::filesystem::path(absent).parent_path().string();
    for (const std::string& path : {absent, folder}) {
        EXPECT_EQ(run({loadLine(path)}), (sheetTexts{loadLine(path), "# load error"}));
        const std::vector<std::string> reported = takeLoadErrors();
        ASSERT_EQ(reported.size(), 1u);
        EXPECT_TRUE(reported[0].starts_with("-:0: cannot read '" + path + "': ")) << reported[0];
        EXPECT_STREQ(recallEarlier(), "# load error");
    }
    EXPECT_EQ(run({loadLine(absent)}), (sheetTexts{loadLine(absent), "# load error"}));
    EXPECT_EQ(takeLoadErrors(), std::vector<std::string>{"-:0: cannot read '" + absent +
                                                         "': " + std::strerror(ENOENT)});
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

TEST_F(fileLoaderTest, loadErrorsNameTheInnermostFileAndLine) {
    const std::string inner = writeScratchFile("inner.qw", "\n\n!load \"absent.qw\"\n" +
                                                               std::string(2048, '1') + "\n2\n");
    const std::string outer = writeScratchFile("outer.qw", "# 1\n" + loadLine(inner) + "\n3\n");
    EXPECT_EQ(run({loadLine(outer)}),
              (sheetTexts{loadLine(outer), "# 1", loadLine(inner), "!load \"absent.qw\"",
                          "# load error", "# load error", "3", "[ans = 3]"}));
    EXPECT_EQ(takeLoadErrors(), (std::vector<std::string>{
                                    inner + ":3: cannot read 'absent.qw': " + std::strerror(ENOENT),
                                    inner + ":4: " + tooLong}));
}

TEST_F(fileLoaderTest, aFileThatLoadsItselfStopsAtTheDepthBound) {
    const std::string path = writeScratchFile("self.qw", "");
    writeScratchFile("self.qw", "# first\n" + loadLine(path) + "\n1\n");
    const sheetTexts sheet = run({loadLine(path)});
    // The typed load and maxLoadDepth loaded ones each show the load line;
    // the refused one adds "# load error"; then every running load goes on
    // with its next line.
    sheetTexts expected = {loadLine(path)};
    for (int load = 0; load < maxLoadDepth; ++load) {
        expected.insert(expected.end(), {"# first", loadLine(path)});
    }
    expected.push_back("# load error");
    for (int load = 0; load < maxLoadDepth; ++load) {
        expected.insert(expected.end(), {"1", "[ans = 1]"});
    }
    EXPECT_EQ(sheet, expected);
    EXPECT_EQ(takeLoadErrors(), std::vector<std::string>{path + ":2: loads nested deeper than 32"});
    // The bound counts nesting only: the next load runs as deep again.
    EXPECT_EQ(run({loadLine(path)}).size(), expected.size());
}

TEST_F(fileLoaderTest, aStreamLoadedAsALevelLeavesOneLevelLess) {
    const std::string path = writeScratchFile("self.qw", "");
    writeScratchFile("self.qw", loadLine(path) + "\n");
    std::FILE* stream = std::fopen(path.c_str(), "rb");
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(loadStream(stream, path.c_str()), 0);
    std::fclose(stream);
    const sheetTexts sheet = takeSheet();
    EXPECT_EQ(std::count(sheet.begin(), sheet.end(), loadLine(path)), maxLoadDepth);
    EXPECT_EQ(sheet.back(), "# load error");
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

// Typed lines at a prompt: a line too long is refused, and the next one
// runs again once its line end has come.
TEST_F(fileLoaderTest, aLineInputGoesOnAfterATooLongLineWhenFedOnwards) {
    lineInput input("typed");
    const std::string longLine(2100, '1');
    for (const std::string& typed : {"1"s, longLine, "2"s}) {
        input.feed(typed.data(), typed.size());
        input.feed("\n", 1);
    }
    EXPECT_EQ(takeSheet(), (sheetTexts{"1", "[ans = 1]", "# load error", "2", "[ans = 2]"}));
    EXPECT_EQ(takeLoadErrors(), std::vector<std::string>{"typed:2: " + tooLong});
}

} // namespace
