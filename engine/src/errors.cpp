#include "errors.h"

#include "diagnostics.h"
#include "engineLimits.h"
#include "lineBudget.h"
#include "textWriter.h"

#include <cstring>
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

bool takesName(errorCode code) {
    return code == undefinedVariable || code == argumentLoss;
}

// The longest message is "argument loss :" or "undefined variable :" with a
// 99-character name.
char reportBuffer[64 + nameCapacity];

} // namespace

void formatError(char* buffer, std::size_t capacity, errorCode code, const char* name) {
    if (code < undefinedVariable || code > lastCode) return;
    textWriter out(buffer, capacity);
    out.write(messageFormats[code]);
    if (takesName(code) && name) out.write(name);
}

void reportError(errorCode code, const char* name) {
    chargeWork(diagnosticCost);
    formatError(reportBuffer, sizeof reportBuffer - 2, code, name);
    const std::size_t length = std::strlen(reportBuffer);
    std::memcpy(reportBuffer + length, "\r\n", 2);
    writeDiagnostic({reportBuffer, length + 2});
}

void raiseError(errorCode code) {
    throw code;
}

} // namespace quorin
