// libFuzzer target on evalExpression. Each input runs first as one line,
// then line by line in the same engine, so that definitions reach later
// applications. A call that strays outside its buffers, or answers with a
// text the engine has no business writing, stops the run; the sanitizers
// catch the rest. Every input ends with finalize, so anything still held
// afterwards shows as a leak.
#include "engineMessages.h"
#include "guarded_call.h"
#include "plainArithmeticCheck.h"

#include "QuorinDLL.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

std::string findWrongText(const guardedCall& call) {
    if (call.returned == 1 && !(call.result.starts_with("[ans = ") && call.result.ends_with("]")))
        return "answer not of the form [ans = ...]: " + call.result;
    if (call.returned == 0 && !quorin::isEngineMessage(call.error))
        return "unknown error text: " + call.error;
    return "";
}

void runChecked(const std::string& line) {
    const guardedCall call = callEngine(line);
    std::string fault = call.fault.empty() ? findWrongText(call) : call.fault;
    if (fault.empty()) {
        const std::string mismatch = quorin::plainArithmeticMismatch(line);
        if (!mismatch.empty()) fault = "plain arithmetic: " + mismatch;
    }
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

// The engine's diagnostic lines would bury libFuzzer's report (stderr). They
// go to a scratch file, emptied after every input, not to the null device:
// the engine would not make them at all for that.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::FILE* scratch = std::tmpfile();
    if (scratch == nullptr || dup2(fileno(scratch), STDOUT_FILENO) < 0) std::abort();
    return 0;
}

namespace {

void emptyScratchOutput() {
    std::fflush(stdout);
    if (ftruncate(STDOUT_FILENO, 0) != 0 || std::fseek(stdout, 0, SEEK_SET) != 0) std::abort();
}

} // namespace

// Every line may work up to the engine's bound for one line; a session of a
// few lines keeps a whole input within the fuzzer's time limit, also on a
// busy machine.
constexpr int maxSessionLines = 4;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    initialize();
    runChecked(input);
    if (input.find('\n') != std::string::npos) {
        std::size_t start = 0;
        for (int line = 0; line < maxSessionLines && start <= input.size(); ++line) {
            std::size_t end = input.find('\n', start);
            if (end == std::string::npos) end = input.size();
            runSessionLine(input.substr(start, end - start));
            start = end + 1;
        }
    }
    finalize();
    emptyScratchOutput();
    return 0;
}
