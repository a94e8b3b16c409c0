#include "probeOptions.h"

#include <charconv>
#include <cstring>

namespace {

std::optional<int> parseNumber(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<probeOptions> parseProbeOptions(int argc, char** argv) {
    if (argc < 2) {
        return std::nullopt;
    }
    probeOptions options;
    options.command = argv[1];
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (argument == "--timeout" && hasValue) {
            const auto timeout = parseNumber(argv[++i]);
            if (!timeout || *timeout < 0) {
                return std::nullopt;
            }
            options.timeoutMs = static_cast<DWORD>(*timeout);
        } else if (argument == "--save" && hasValue) {
            options.savePrefix = argv[++i];
        } else if (argument == "--resized") {
            options.resized = true;
        } else {
            options.arguments.push_back(argument);
        }
    }
    return options;
}

std::optional<std::vector<int>> numberArguments(const probeOptions& options, size_t first) {
    std::vector<int> numbers;
    for (size_t i = first; i < options.arguments.size(); ++i) {
        const auto number = parseNumber(options.arguments[i]);
        if (!number) {
            return std::nullopt;
        }
        numbers.push_back(*number);
    }
    return numbers;
}
