// Helpers for the engine's unit tests: trees from text, text from trees, and
// a clean engine for every test.
#ifndef QUORIN_ENGINE_TEST_SUPPORT_H
#define QUORIN_ENGINE_TEST_SUPPORT_H

#include "QuorinDLL.h"
#include "binding.h"
#include "diagnostics.h"
#include "engineLimits.h"
#include "engineState.h"
#include "errors.h"
#include "grammar.h"
#include "knob.h"
#include "knobRef.h"
#include "textWriter.h"

#include <gtest/gtest.h>

#include <string>

namespace quorin {

inline std::string printed(const knob& node) {
    char text[4096];
    textWriter out(text, sizeof text);
    node.print(out);
    return text;
}

inline knobRef parsed(const char* line) {
    return knobRef(parseExpr(line));
}

// The text of a line's tree reduced without an environment, as a line is.
inline std::string reducedText(const char* line) {
    const knobRef tree = parsed(line);
    return printed(*knobRef(tree->reduce(nullptr)));
}

// The code a line's parse fails with, 0 when it parses.
inline errorCode parseFailure(const char* line) {
    try {
        parsed(line);
        return 0;
    } catch (errorCode code) {
        return code;
    }
}

// What went to standard output since CaptureStdout, the engine's gathered
// diagnostic lines included.
inline std::string capturedStdout() {
    flushDiagnostics();
    return ::testing::internal::GetCapturedStdout();
}

// Every test starts with an empty root environment and a fresh line.
class engineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        finalize();
        startLine();
    }
    void TearDown() override { finalize(); }
};

} // namespace quorin

#endif
