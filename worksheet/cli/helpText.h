// The text of quorin --help.
#ifndef QUORIN_CLI_HELP_TEXT_H
#define QUORIN_CLI_HELP_TEXT_H

namespace quorin {

extern const char* const helpText;

} // namespace quorin

#endif
