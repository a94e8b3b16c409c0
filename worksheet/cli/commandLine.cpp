// quorin [--answers] [--diagnostics] [--help] [--version] [--] [FILE...]
#include "commandLine.h"

#include <string_view>

namespace quorin {

commandLine parseCommandLine(int argumentCount, char** arguments) {
    commandLine parsed;
    bool optionsEnded = false;
    for (int index = 1; index < argumentCount; ++index) {
        const std::string_view argument = arguments[index];
        if (optionsEnded || !argument.starts_with('-') || argument == standardInputName) {
            parsed.files.push_back(arguments[index]);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            parsed.help = true;
        } else if (argument == "--version") {
            parsed.version = true;
        } else if (argument == "--diagnostics") {
            parsed.diagnostics = true;
        } else if (argument == "--answers") {
            parsed.answersOnly = true;
        } else if (parsed.problem.empty()) {
            parsed.problem = "unknown option '" + std::string(argument) + "'";
        }
    }
    if (parsed.files.empty()) {
        parsed.files.push_back(standardInputName);
    }
    return parsed;
}

} // namespace quorin
