#include "engine_test_support.h"
#include "errors.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

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

} // namespace
} // namespace quorin
