#include "errors.h"

#include "diagnostics.h"
#include "lineBudget.h"
#include "textWriter.h"

#include <string_view>

namespace quorin {

namespace {

constexpr std::string_view messageFormats[] = {
    "",
    "undefined variable :",
    "argument loss :",
    "nest overflow",
    "parse error",
    "parse error at parseEnv",
    "parse error at mount",
    "parse error at submount",
};

constexpr errorCode lastCode = parseErrorAtSubmount;

bool isKnown(errorCode code) {
    return code >= undefinedVariable && code <= lastCode;
}

bool takesName(errorCode code) {
    return code == undefinedVariable || code == argumentLoss;
}

} // namespace

void formatError(char* buffer, std::size_t capacity, errorCode code, const char* name) {
    if (!isKnown(code)) return;
    textWriter out(buffer, capacity);
    out.write(messageFormats[code]);
    if (takesName(code) && name) out.write(name);
}

void reportError(errorCode code, const char* name) {
    if (!isKnown(code)) return;
    chargeWork(diagnosticCost);
    writeDiagnosticLine(messageFormats[code], takesName(code) && name ? name : "");
}

void raiseError(errorCode code) {
    throw code;
}

} // namespace quorin
