// libFuzzer target on evalExpression. Each input runs first as one line,
// then line by line in the same engine, so that definitions reach later
// applications. A call that strays outside its buffers, or answers with a
// text the engine has no business writing, stops the run; the sanitizers
// catch the rest. Every input ends with finalize, so anything still held
// afterwards shows as a leak.
#include "guarded_call.h"

#include "QuorinDLL.h"
#include "engineState.h"
#include "errors.h"
#include "grammar.h"
#include "knob.h"
#include "knobRef.h"
#include "plainArithmetic.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

namespace {

bool isEngineMessage(const std::string& error) {
    static const std::set<std::string> fixedTexts = {
        "nest overflow",           "parse error",
        "parse error at parseEnv", "parse error at mount",
        "parse error at submount", "set root environment.",
        "out of memory",
    };
    return fixedTexts.count(error) != 0 || error.starts_with("undefined variable :") ||
           error.starts_with("argument loss :");
}

std::string findWrongText(const guardedCall& call) {
    if (call.returned == 1 && !(call.result.starts_with("[ans = ") && call.result.ends_with("]")))
        return "answer not of the form [ans = ...]: " + call.result;
    if (call.returned == 0 && !isEngineMessage(call.error))
        return "unknown error text: " + call.error;
    return "";
}

int operatorNodes(const quorin::knob& node) {
    const auto* op = dynamic_cast<const quorin::opKnob*>(&node);
    return op ? 1 + operatorNodes(*op->getLeft()) + operatorNodes(*op->getRight()) : 0;
}

// Lines of plain arithmetic skip the tree; they must get the tree's answer.
std::string findPlainArithmeticDifference(const std::string& line) {
    const auto plain = quorin::answerPlainArithmetic(line.c_str());
    if (!plain) return "";
    quorin::startLine();
    try {
        const quorin::knobRef tree(quorin::parseExpr(line.c_str()));
        if (!tree) return "plain arithmetic answered a root-environment line";
        const quorin::knobRef reduced(tree->reduce(nullptr));
        if (reduced->kind != quorin::nodeKind::number)
            return "plain arithmetic answered a line that stays symbolic";
        const double value = static_cast<const quorin::numKnob&>(*reduced).value;
        const bool same = (value != value && plain->value != plain->value) ||
                          std::memcmp(&value, &plain->value, sizeof value) == 0;
        if (!same) return "plain arithmetic differs from the tree's value";
        if (plain->signCount != operatorNodes(*tree))
            return "plain arithmetic counts the operator nodes wrong";
    } catch (...) {
        return "plain arithmetic answered a line the tree rejects";
    }
    return "";
}

void runChecked(const std::string& line) {
    const guardedCall call = callEngine(line);
    std::string fault = call.fault.empty() ? findWrongText(call) : call.fault;
    if (fault.empty()) fault = findPlainArithmeticDifference(line);
    if (fault.empty()) return;
    std::fprintf(stderr, "engine_fuzzer: %s\n", fault.c_str());
    std::abort();
}

// The worksheet's clear command, so that inputs also reach a tear-down in
// the middle of a session.
void runSessionLine(const std::string& line) {
    if (line == "!clear") {
        finalize();
        initialize();
        return;
    }
    runChecked(line);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The engine's diagnostic lines would bury libFuzzer's report (stderr).
    if (std::freopen("/dev/null", "w", stdout) == nullptr) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    initialize();
    runChecked(input);
    if (input.find('\n') != std::string::npos) {
        std::size_t start = 0;
        for (std::size_t end; (end = input.find('\n', start)) != std::string::npos; start = end + 1)
            runSessionLine(input.substr(start, end - start));
        runSessionLine(input.substr(start));
    }
    finalize();
    return 0;
}
