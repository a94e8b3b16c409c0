// A line typed at the prompt without line editing: what the terminal's own
// line discipline hands over. The prompt of systems without libedit, and
// the fallback where libedit cannot be loaded.
#ifndef QUORIN_CLI_PLAIN_LINE_H
#define QUORIN_CLI_PLAIN_LINE_H

#include <optional>
#include <string>

namespace quorin {

// Shows prompt on standard error, then reads a line from standard input,
// without its line end; nothing at the end of input. Ctrl-C drops the line
// being typed and prompts again.
std::optional<std::string> readPlainLine(const char* prompt);

} // namespace quorin

#endif
