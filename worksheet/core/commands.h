// Reading the worksheet's own commands: the lines that begin with "!".
#ifndef QUORIN_WORKSHEET_COMMANDS_H
#define QUORIN_WORKSHEET_COMMANDS_H

#include <optional>
#include <string_view>

namespace worksheet {

// The file name of a load command ("load ", any spaces, then a name in
// double quotes; whatever follows the closing quote is ignored), or nothing
// when commandText is no well-formed load command.
std::optional<std::string_view> loadCommandFileName(std::string_view commandText);

} // namespace worksheet

#endif
