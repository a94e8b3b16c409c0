// Replays lines.txt in one engine, "!clear" starting it afresh, and checks
// each line's outcome and the diagnostic lines it wrote against answers.txt.
// The lines are the other tests' texts, the fuzzer's seeds, generated
// arithmetic, symbolic lines, definitions, applications, token soup and the
// heaviest lines of the worksheet's length; the answers were recorded when
// failed trial evaluations were still thrown exceptions.
//
// Each line of answers.txt is "C" for a clear, or the count and the 64-bit
// FNV-1a hash of the line's diagnostic text (carriage returns left out, so
// that a text-mode standard output does not count), then "R " and the result
// or "E " and the error. A line cut by the work bound has "- -": how far it
// got before the cut is not part of its outcome.
#include "QuorinDLL.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> readLines(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file) << "cannot read " << path;
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}

std::string fnv1a(const std::string& text) {
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3u;
    }
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(hash));
    return digits;
}

std::string withoutCarriageReturns(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

// "count hash" of a line's diagnostic text.
std::string describeDiagnostics(const std::string& captured) {
    const std::string text = withoutCarriageReturns(captured);
    return std::to_string(std::count(text.begin(), text.end(), '\n')) + " " + fnv1a(text);
}

std::string outcomeOf(std::string line, char* result, char* error) {
    return evalExpression(line.data(), result, error) == 1 ? std::string("R ") + result
                                                           : std::string("E ") + error;
}

TEST(goldenLines, everyLineGivesItsRecordedOutcomeAndDiagnostics) {
    const std::vector<std::string> lines = readLines(QUORIN_GOLDEN_DIR "/lines.txt");
    const std::vector<std::string> answers = readLines(QUORIN_GOLDEN_DIR "/answers.txt");
    ASSERT_EQ(lines.size(), answers.size());
    ASSERT_GT(lines.size(), 10000u);

    static char result[QUORIN_RESULT_BUFFER_SIZE];
    static char error[QUORIN_ERROR_BUFFER_SIZE];
    int mismatches = 0;
    initialize();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string actual;
        if (lines[i] == "!clear") {
            finalize();
            initialize();
            actual = "C";
        } else {
            ::testing::internal::CaptureStdout();
            const std::string outcome = outcomeOf(lines[i], result, error);
            const std::string diagnostics =
                describeDiagnostics(::testing::internal::GetCapturedStdout());
            const bool cut = answers[i].starts_with("- - ");
            actual = (cut ? std::string("- -") : diagnostics) + " " + outcome;
        }
        if (actual != answers[i] && ++mismatches <= 20)
            ADD_FAILURE() << "line " << i + 1 << ": '" << lines[i].substr(0, 80) << "'\n  expected "
                          << answers[i].substr(0, 120) << "\n  actual   " << actual.substr(0, 120);
    }
    finalize();
    EXPECT_EQ(mismatches, 0);
}

} // namespace
