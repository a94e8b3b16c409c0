#include "plainLine.h"

#include <cstdio>

namespace quorin {

std::optional<std::string> readPlainLine(const char* prompt) {
    std::fputs(prompt, stderr);
    std::string line;
    int character;
    while ((character = std::getc(stdin)) != EOF && character != '\n') {
        line.push_back(static_cast<char>(character));
    }
    if (character == EOF && line.empty()) {
        return std::nullopt;
    }
    return line;
}

} // namespace quorin
