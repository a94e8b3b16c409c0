#include "engineMessages.h"

#include "errors.h"

#include <array>

namespace quorin {

namespace {

std::string messageOf(errorCode code) {
    std::array<char, 64> text{};
    formatError(text.data(), text.size(), code, nullptr);
    return text.data();
}

bool takesName(errorCode code) {
    return code == undefinedVariable || code == argumentLoss;
}

} // namespace

bool isEngineMessage(const std::string& error) {
    if (error == rootEnvironmentMessage || error == outOfMemoryMessage) return true;
    for (errorCode code = undefinedVariable; code <= parseErrorAtSubmount; ++code) {
        const std::string message = messageOf(code);
        if (takesName(code) ? error.starts_with(message) : error == message) return true;
    }
    return false;
}

} // namespace quorin
