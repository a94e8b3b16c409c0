// What the arguments of quorin ask for.
#ifndef QUORIN_CLI_COMMAND_LINE_H
#define QUORIN_CLI_COMMAND_LINE_H

#include <string>
#include <vector>

namespace quorin {

// The FILE that names standard input.
inline constexpr const char* standardInputName = "-";
// How load errors name standard input.
inline constexpr const char* standardInputLabel = "<stdin>";

struct commandLine {
    bool help = false;
    bool version = false;
    bool diagnostics = false;
    bool answersOnly = false;
    // In order; standard input alone when none was given.
    std::vector<const char*> files;
    // Set when the arguments make no sense; says why.
    std::string problem;
};

commandLine parseCommandLine(int argumentCount, char** arguments);

} // namespace quorin

#endif
