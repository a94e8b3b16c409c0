// Rules that keep odd lines honest: operator signs are never operands, names
// have a length limit, and the application limit counts only applications in
// progress.
#include "engine_session.h"

#include <string>
#include <vector>

namespace {

class lineRules : public engineSession {};

struct lineAndMessage {
    std::string line;
    std::string message;
};

TEST_F(lineRules, signsAreNeverOperands) {
    const std::vector<lineAndMessage> lines = {
        {"+", "parse error at submount"},          {"*", "parse error at submount"},
        {"-", "parse error at submount"},          {"2 + +", "parse error at submount"},
        {"5 - -", "parse error at submount"},      {"2 * -3", "parse error at submount"},
        {"+[x = 1]", "parse error at submount"},   {"2 (3+4)", "parse error at submount"},
        {"2 (3+4) 5", "parse error at mount"},     {"1 f[] 2", "parse error at mount"},
        {"2 + [x = 1] 3", "parse error at mount"},
    };
    for (const lineAndMessage& entry : lines)
        expectError(entry.line, entry.message);
    expectEngineStillWorks();
}

TEST_F(lineRules, namesStopShortOfAHundredCharacters) {
    const std::string letters99(99, 'q');
    const std::string letters100(100, 'q');
    const std::string letters98(98, 'q');
    expectAnswer(letters99, "[ans = " + letters99 + "]");
    expectAnswer(letters98 + "7", "[ans = " + letters98 + "7]");
    expectError(letters100, "parse error");
    expectError(letters99 + "7", "parse error");
    expectError("2+" + letters100 + "*3", "parse error");
    expectError("f[" + letters100 + " = 1]", "parse error");
    expectError("[" + letters100 + " = 1]", "parse error");
    expectError("[" + letters99 + " = 5]", "set root environment.");
    expectAnswer(letters99 + "[]", "[ans = 5]");
}

TEST_F(lineRules, failedTrialEvaluationsDoNotUseUpTheApplicationLimit) {
    expectError("[f = x^2]", "set root environment.");
    // Every "+1" level tries and fails a numeric evaluation through f[x = a].
    expectAnswer("f[x = a]" + repeated("+1", 250), "[ans = 250+(a)^(2)]");
}

TEST_F(lineRules, applicationLimitIsCountedAfreshOnEveryLine) {
    expectError("[g = g[x = x]]", "set root environment.");
    expectAnswer("g[x = 1]", "[ans = g[x = x]]");
    // A counter left over from the line before would leave the outer call
    // unapplied at once: [ans = g[x = 1]].
    expectAnswer("g[x = 1]", "[ans = g[x = x]]");
}

} // namespace
