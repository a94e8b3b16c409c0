// What the arguments of quorin ask for.
#ifndef QUORIN_CLI_COMMAND_LINE_H
#define QUORIN_CLI_COMMAND_LINE_H

#include <string>
#include <vector>

namespace quorin {

struct commandLine {
    bool help = false;
    bool diagnostics = false;
    std::vector<const char*> files;
    // Set when the arguments make no sense; says why.
    std::string problem;
};

commandLine parseCommandLine(int argumentCount, char** arguments);

} // namespace quorin

#endif
