// Loads, streams and fed input on files and bytes written by the tests.
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
const std::string utf16 = "UTF-16 text: save the file as UTF-8 or ANSI text";
const std::string byteOrderMark = "\xEF\xBB\xBF";
const std::string markStart = byteOrderMark.substr(0, 2);

// Comment lines of every length from 1 to 99 characters, each ended by
// lineEnd: over several blocks of a file, so that lines, line ends and CR LF
// pairs fall across the ends of blocks.
fileCase linesOverBlocks(const char* what, const std::string& lineEnd) {
    fileCase lines{what, "", {}};
    for (std::size_t length = 1; length < 100; ++length) {
        const std::string line = "#" + std::string(length - 1, 'c');
        lines.bytes += line + lineEnd;
        lines.sheet.push_back(line);
    }
    return lines;
}

std::vector<fileCase> fileCases() {
    const std::string longest = lineOfLength(2047);
    return {
        linesOverBlocks("line feeds over several blocks", "\n"),
        linesOverBlocks("CR LF pairs over several blocks", "\r\n"),
        linesOverBlocks("NUL bytes and carriage returns over several blocks", "\r\0"s),
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
        {"UTF-16 little-endian is refused",
         "\xFF\xFE\x31\0+\0\x32\0\n\0"s,
         {"# load error"},
         "1: " + utf16},
        {"UTF-16 big-endian too", "\xFE\xFF\0\x31\0\n"s, {"# load error"}, "1: " + utf16},
        {"a mark alone is enough", "\xFF\xFE", {"# load error"}, "1: " + utf16},
        {"the first byte of such a mark is text", "\xFF\n# x\n", {"\xFF", "# parse error", "# x"}},
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

TEST_P(fileLoaderCases, aLoadRunsTheLinesItReads) {
    const std::string path = writeScratchFile("lines.qw", GetParam().bytes);
    sheetTexts expected = {loadLine(path)};
    expected.insert(expected.end(), GetParam().sheet.begin(), GetParam().sheet.end());
    EXPECT_EQ(run({loadLine(path)}), expected);
    EXPECT_EQ(takeLoadErrors(), expectedLoadErrors(path));
}

TEST_P(fileLoaderCases, aStreamOfTheFrontEndReadsTheSameWay) {
    const std::string path = writeScratchFile("lines.qw", GetParam().bytes);
    std::FILE* stream = std::fopen(path.c_str(), "rb");
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(sheet.loadStream(stream, "stream"), 0);
    std::fclose(stream);
    EXPECT_EQ(takeSheet(), GetParam().sheet);
    EXPECT_EQ(takeLoadErrors(), expectedLoadErrors("stream"));
}

// As from a pipe: every byte on its own, so that every rule must hold
// across the ends of blocks.
TEST_P(fileLoaderCases, inputFedByteByByteCutsTheSameLines) {
    sheet.beginInput("bytes", inputKind::file);
    for (const char byte : GetParam().bytes) {
        if (!sheet.feedInput(&byte, 1)) break;
    }
    sheet.endInput();
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
        EXPECT_STREQ(sheet.recallEarlier(), "# load error");
    }
    EXPECT_EQ(run({loadLine(absent)}), (sheetTexts{loadLine(absent), "# load error"}));
    EXPECT_EQ(takeLoadErrors(), std::vector<std::string>{"-:0: cannot read '" + absent +
                                                         "': " + std::strerror(ENOENT)});
}

TEST_F(fileLoaderTest, aLoadInsideALoadRunsCompletelyAtItsLine) {
    const std::string inner = writeScratchFile("inner.qw", "2\n# inner\n");
    const std::string outer = writeScratchFile("outer file.qw", "1\n" + loadLine(inner) + "\n3\n");
    sheet.handleLine(loadLine(outer));
    EXPECT_EQ(seen.loadDepths, (std::vector<int>{0, 1, 1, 1, 2, 2, 2, 1, 1}));
    EXPECT_EQ(takeSheet(), (sheetTexts{loadLine(outer), "1", "[ans = 1]", loadLine(inner), "2",
                                       "[ans = 2]", "# inner", "3", "[ans = 3]"}));
    EXPECT_EQ(seen.sheetChanges, 1) << "one redraw, once the load has ended";
}

TEST_F(fileLoaderTest, loadedLinesAreRecalledLikeTypedOnes) {
    const std::string path = writeScratchFile("lines.qw", "1\n2\n");
    run({loadLine(path)});
    for (const std::string& line : {"2"s, "1"s, loadLine(path)}) {
        EXPECT_EQ(sheet.recallEarlier(), line);
    }
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
    const sheetTexts shown = run({loadLine(path)});
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
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(takeLoadErrors(), std::vector<std::string>{path + ":2: loads nested deeper than 32"});
    // The bound counts nesting only: the next load runs as deep again.
    EXPECT_EQ(run({loadLine(path)}).size(), expected.size());
}

TEST_F(fileLoaderTest, aStreamLoadedAsALevelLeavesOneLevelLess) {
    const std::string path = writeScratchFile("self.qw", "");
    writeScratchFile("self.qw", loadLine(path) + "\n");
    std::FILE* stream = std::fopen(path.c_str(), "rb");
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(sheet.loadStream(stream, path.c_str()), 0);
    std::fclose(stream);
    const sheetTexts shown = takeSheet();
    EXPECT_EQ(std::count(shown.begin(), shown.end(), loadLine(path)), maxLoadDepth);
    EXPECT_EQ(shown.back(), "# load error");
}

TEST_F(fileLoaderTest, loadsInSequenceAreNotNested) {
    const std::string leaf = writeScratchFile("leaf.qw", "1\n");
    std::string manyLoads;
    for (int load = 0; load < 3 * maxLoadDepth; ++load) {
        manyLoads += loadLine(leaf) + "\n";
    }
    const std::string path = writeScratchFile("many.qw", manyLoads);
    const sheetTexts shown = run({loadLine(path)});
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "# load error"), 0);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "[ans = 1]"), 3 * maxLoadDepth);
}

// Typed lines at a prompt: a line too long is refused, and the lines after
// it run again once its line end has come, whatever ended the line before.
TEST_F(fileLoaderTest, typedInputGoesOnAfterATooLongLine) {
    const std::string longLine(2100, '1');
    for (const auto& [endBefore, endAfter] : {std::pair{"\n"s, "\n"s},
                                              {"\r"s, "\r"s},
                                              {"\r\n"s, "\r\n"s},
                                              {"\0"s, "\0"s},
                                              {"\r"s, "\n"s}}) {
        sheet.beginInput("typed", inputKind::typed);
        for (const std::string& part : {"1" + endBefore, longLine, endAfter, "2" + endAfter}) {
            EXPECT_TRUE(sheet.feedInput(part.data(), part.size()));
        }
        sheet.endInput();
        EXPECT_EQ(takeSheet(), (sheetTexts{"1", "[ans = 1]", "# load error", "2", "[ans = 2]"}));
        EXPECT_EQ(takeLoadErrors(), std::vector<std::string>{"typed:2: " + tooLong});
    }
}

TEST_F(fileLoaderTest, typedInputLooksForNoByteOrderMark) {
    sheet.beginInput("typed", inputKind::typed);
    const std::string typed = "\xFF\xFE# x\n";
    sheet.feedInput(typed.data(), typed.size());
    sheet.endInput();
    EXPECT_EQ(takeSheet(), (sheetTexts{"\xFF\xFE# x", "# parse error"}));
}

// An endless file cannot be written here; one far longer than what runs
// shows that the reading stops.
TEST_F(fileLoaderTest, aFileIsReadNoFurtherThanALineTooLong) {
    std::string bytes = "1\n" + std::string(3000, 'x') + "\n";
    const std::size_t refusedEnd = bytes.size();
    for (int line = 0; line < 100000; ++line) {
        bytes += "2\n";
    }
    const std::string path = writeScratchFile("long.qw", bytes);
    std::FILE* stream = std::fopen(path.c_str(), "rb");
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(sheet.loadStream(stream, "long.qw"), 0);
    EXPECT_LT(std::ftell(stream), static_cast<long>(refusedEnd + 65536));
    std::fclose(stream);
    EXPECT_EQ(takeSheet(), (sheetTexts{"1", "[ans = 1]", "# load error"}));
}

// A file that loads itself twice would make 2^32 loads within the depth
// bound: one line may start maxLoadsPerLine loads, refused ones included,
// and the next line as many again.
TEST_F(fileLoaderTest, aFileThatLoadsItselfTwiceEndsAtTheBoundOnLoads) {
    const std::string path = writeScratchFile("two.qw", "");
    writeScratchFile("two.qw", loadLine(path) + "\n" + loadLine(path) + "\n1\n");
    const std::string tooMany = "too many loads: more than 10000 from one line";
    for (int typed = 0; typed < 2; ++typed) {
        const sheetTexts shown = run({loadLine(path)});
        EXPECT_EQ(std::count(shown.begin(), shown.end(), loadLine(path)), maxLoadsPerLine + 1);
        EXPECT_EQ(shown.back(), "# load error");
        const std::vector<std::string> errors = takeLoadErrors();
        ASSERT_FALSE(errors.empty());
        EXPECT_TRUE(errors.back().ends_with(tooMany)) << errors.back();
        EXPECT_EQ(std::count_if(errors.begin(), errors.end(),
                                [&](const std::string& error) { return error.ends_with(tooMany); }),
                  1);
    }
    EXPECT_EQ(run({"1+1"}), (sheetTexts{"1+1", "[ans = 2]"}));
}

TEST_F(fileLoaderTest, theBoundOnLoadsCountsEachFedLineAlone) {
    const std::string leaf = writeScratchFile("leaf.qw", "# leaf\n");
    std::string manyLoads;
    for (int load = 0; load < maxLoadsPerLine * 2 / 3; ++load) {
        manyLoads += loadLine(leaf) + "\n";
    }
    const std::string many = writeScratchFile("many.qw", manyLoads);
    const std::string twice = loadLine(many) + "\n" + loadLine(many) + "\n";
    sheet.beginInput("fed", inputKind::file);
    EXPECT_TRUE(sheet.feedInput(twice.data(), twice.size()));
    sheet.endInput();
    EXPECT_EQ(takeLoadErrors(), std::vector<std::string>{});
    // Handed over as one line, the second load reaches the bound: the loads
    // of both.qw, many.qw and their 6,666 leaves, then many.qw again, whose
    // line 3332 starts the 10,001st.
    const std::string both = writeScratchFile("both.qw", twice);
    run({loadLine(both)});
    EXPECT_EQ(takeLoadErrors(), std::vector<std::string>{
                                    many + ":3332: too many loads: more than 10000 from one line"});
}

// What a person's Ctrl-C does: the loads that run end at their next line,
// lines typed go on, any other input ends.
TEST_F(fileLoaderTest, aStopEndsTheLoadsAtTheirNextLine) {
    const std::string inner = writeScratchFile("inner.qw", "1\n2\n3\n4\n");
    const std::string outer = writeScratchFile("outer.qw", loadLine(inner) + "\n5\n");
    seen.stopAfterTexts = 6;
    for (const inputKind kind : {inputKind::typed, inputKind::file}) {
        sheet.beginInput("fed", kind);
        const std::string typed = loadLine(outer) + "\n";
        EXPECT_EQ(sheet.feedInput(typed.data(), typed.size()), kind == inputKind::typed);
        EXPECT_EQ(takeSheet(), (sheetTexts{loadLine(outer), loadLine(inner), "1", "[ans = 1]", "2",
                                           "[ans = 2]"}));
        EXPECT_EQ(std::exchange(seen.stops, {}), std::vector<std::string>{inner + ":2"});
        sheet.endInput();
    }
}

} // namespace
