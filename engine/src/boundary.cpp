// The engine's whole public face: the evaluation cycle of one line, and the
// set-up and tear-down of the root environment. Nothing is thrown past here.
#include "QuorinDLL.h"

#include "binding.h"
#include "diagnostics.h"
#include "engineLimits.h"
#include "engineState.h"
#include "errors.h"
#include "grammar.h"
#include "knob.h"
#include "knobRef.h"
#include "plainArithmetic.h"
#include "rootEnvironment.h"
#include "textWriter.h"
#include "treePrinter.h"

#include <cstring>
#include <new>

namespace quorin {

binding* rootEnvironment = nullptr;
lineState currentLine;

namespace {

constexpr char answerName[] = "ans";
constexpr std::string_view answerOpening = "[ans = "; // "[%s = " with the name ans

static_assert(maxAnswerLength < QUORIN_RESULT_BUFFER_SIZE);

void writeMessage(char* error, const char* message) {
    textWriter(error, QUORIN_ERROR_BUFFER_SIZE).write(message);
}

// "[ans = text]", cut to its first characters and "...]" when too long.
std::size_t printAnswer(const knob& value, char (&text)[maxAnswerLength + 1]) {
    textWriter out(text, sizeof text);
    out.write(answerOpening);
    printTree(value, out);
    out.put(']');
    if (out.full()) {
        out.cutTo(cutAnswerLength);
        out.write("...]");
    }
    return out.length();
}

// Compared in line, character by character: the ans record is nearly
// always the head of the root environment, and a library call would cost
// more than the comparison.
bool isAnswerName(const char* name) {
    static_assert(sizeof answerName == 4);
    return name[0] == answerName[0] && name[1] == answerName[1] && name[2] == answerName[2] &&
           name[3] == '\0';
}

// The first ans of the root environment takes the value; the first success
// creates it at the head.
void bindAnswer(knob* value) {
    for (binding* record = rootEnvironment; record; record = record->next) {
        if (isAnswerName(record->name())) {
            release(record->value);
            record->value = value;
            return;
        }
    }
    rootEnvironment = newBinding(answerName, value, rootEnvironment);
}

// Printed before ans is bound, so a line that fails to print leaves ans as it was.
void answer(knobRef value, char* result) {
    char text[maxAnswerLength + 1];
    const std::size_t length = printAnswer(*value, text);
    bindAnswer(value.handOver());
    std::memcpy(result, text, length + 1);
}

int evaluateLine(const char* line, char* result, char* error) {
    startLine();
    if (const auto plain = answerPlainArithmetic(line)) {
        answer(knobRef(new numKnob(plain->value)), result);
        // What the general way would write when it tears down the line's tree.
        noteTeardowns(static_cast<std::size_t>(plain->signCount));
        return 1;
    }
    const knobRef tree(parseExpr(line));
    if (!tree) {
        writeMessage(error, rootEnvironmentMessage);
        return 0;
    }
    answer(knobRef(tree->reduce(nullptr)), result);
    return 1;
}

} // namespace

} // namespace quorin

using namespace quorin;

void initialize() {
    const diagnosticsFlush flushAtReturn;
    settleDiagnosticsOutput();
    try {
        buildRootEnvironment();
    } catch (const std::bad_alloc&) {
        // The definitions made so far stay; the others are missing.
    }
}

int evalExpression(char* line, char* result, char* error) {
    const diagnosticsFlush flushAtReturn;
    try {
        return evaluateLine(line, result, error);
    } catch (errorCode code) {
        formatError(error, QUORIN_ERROR_BUFFER_SIZE, code, nullptr);
    } catch (const lineAbort&) {
        formatError(error, QUORIN_ERROR_BUFFER_SIZE, nestOverflow, nullptr);
    } catch (const std::bad_alloc&) {
        writeMessage(error, outOfMemoryMessage);
    } catch (...) {
        writeMessage(error, internalErrorMessage);
    }
    return 0;
}

void finalize() {
    const diagnosticsFlush flushAtReturn;
    destroyList(rootEnvironment);
    rootEnvironment = nullptr;
}
