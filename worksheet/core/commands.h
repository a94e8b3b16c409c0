// The worksheet's own commands: the lines that begin with "!".
#ifndef QUORIN_WORKSHEET_COMMANDS_H
#define QUORIN_WORKSHEET_COMMANDS_H

#include <optional>
#include <string_view>

namespace worksheet {

// Runs the text after the "!": "clear" resets the engine, a load command
// runs its file, anything else is shown as "# illegal command".
void runCommand(const char* commandText);

// The file name of a load command ("load ", any spaces, then a name in
// double quotes; whatever follows the closing quote is ignored), or nothing
// when commandText is no well-formed load command.
std::optional<std::string_view> loadCommandFileName(std::string_view commandText);

} // namespace worksheet

#endif
