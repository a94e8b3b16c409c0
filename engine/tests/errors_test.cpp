#include "engine_test_support.h"
#include "errors.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace quorin {
namespace {

TEST(errors, eachCodeHasItsText) {
    const struct {
        errorCode code;
        const char* name;
        const char* text;
    } cases[] = {
        {undefinedVariable, "y", "undefined variable :y"},
        {argumentLoss, "x", "argument loss :x"},
        {undefinedVariable, nullptr, "undefined variable :"},
        {nestOverflow, "y", "nest overflow"},
        {parseError, "y", "parse error"},
        {parseErrorAtParseEnv, nullptr, "parse error at parseEnv"},
        {parseErrorAtMount, nullptr, "parse error at mount"},
        {parseErrorAtSubmount, nullptr, "parse error at submount"},
    };
    for (const auto& c : cases) {
        char buffer[64];
        formatError(buffer, sizeof buffer, c.code, c.name);
        EXPECT_STREQ(buffer, c.text) << "for code " << c.code;
    }
}

TEST(errors, unknownCodesLeaveTheBufferAlone) {
    for (const errorCode code : {0, 8, -1}) {
        char buffer[] = "untouched";
        formatError(buffer, sizeof buffer, code, "y");
        EXPECT_STREQ(buffer, "untouched");
    }
}

TEST(errors, textIsCutToTheBuffer) {
    char buffer[12];
    std::memset(buffer, '#', sizeof buffer);
    formatError(buffer, 8, parseErrorAtSubmount, nullptr);
    EXPECT_STREQ(buffer, "parse e");
    EXPECT_EQ(buffer[8], '#');
}

TEST(errors, reportPrintsTheMessageAndALineEnd) {
    ::testing::internal::CaptureStdout();
    reportError(undefinedVariable, "abc12");
    reportError(undefinedVariable, "function");
    EXPECT_EQ(capturedStdout(), "undefined variable :abc12\r\nundefined variable :function\r\n");
}

TEST(errors, reportsKeepTheirOrderPastTheGatheredRoom) {
    // Long names and more lines than are gathered at once, between
    // teardown notes.
    std::string expected;
    ::testing::internal::CaptureStdout();
    for (std::size_t length : {1, 99, 300, 9000, 2, 5000}) {
        const std::string name(length, 'n');
        for (int repeat = 0; repeat < 40; ++repeat) {
            reportError(undefinedVariable, name.c_str());
            expected += "undefined variable :" + name + "\r\n";
        }
        noteTeardowns(3);
        for (int note = 0; note < 3; ++note)
            expected += teardownNote;
    }
    flushDiagnostics();
    EXPECT_EQ(capturedStdout(), expected);
}

TEST(errors, raisingThrowsTheCode) {
    try {
        raiseError(parseErrorAtMount);
        ADD_FAILURE() << "nothing thrown";
    } catch (errorCode code) {
        EXPECT_EQ(code, parseErrorAtMount);
    }
}

#ifdef _WIN32
constexpr char nullDevice[] = "NUL";
#else
constexpr char nullDevice[] = "/dev/null";
#endif

// Runs initialize while standard output points at the null device.
void initializeWithOutputDiscarded() {
    std::fflush(stdout);
    const int saved = dup(1);
    const int discarded = open(nullDevice, O_WRONLY);
    ASSERT_GE(saved, 0);
    ASSERT_GE(discarded, 0);
    dup2(discarded, 1);
    close(discarded);
    initialize();
    dup2(saved, 1);
    close(saved);
}

std::string diagnosticsOf(const char* line) {
    char result[QUORIN_RESULT_BUFFER_SIZE];
    char error[QUORIN_ERROR_BUFFER_SIZE];
    ::testing::internal::CaptureStdout();
    evalExpression(const_cast<char*>(line), result, error);
    return capturedStdout();
}

// Where standard output goes is looked at when the engine starts: lines
// nobody can read are not made, and a start elsewhere makes them again.
TEST(errors, noDiagnosticsAreMadeForTheNullDevice) {
    finalize();
    initializeWithOutputDiscarded();
    EXPECT_EQ(diagnosticsOf("y*2+z"), "");
    finalize();
    ::testing::internal::CaptureStdout();
    initialize();
    (void)capturedStdout();
    EXPECT_EQ(diagnosticsOf("y*2+z"), "undefined variable :y\r\nundefined variable :y\r\n"
                                      "undefined variable :z\r\nknob destructor called\n"
                                      "knob destructor called\n");
    ::testing::internal::CaptureStdout(); // the answer's own notes
    finalize();
    (void)capturedStdout();
}

} // namespace
} // namespace quorin
