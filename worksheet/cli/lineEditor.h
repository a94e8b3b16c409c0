// Reading lines typed at a terminal: with line editing where the system
// has a line editing library, a plain prompt elsewhere. Up and Down recall
// lines by the worksheet's own history, as in the window.
#ifndef QUORIN_CLI_LINE_EDITOR_H
#define QUORIN_CLI_LINE_EDITOR_H

#include "worksheet.h"

#include <optional>
#include <string>

namespace quorin {

// Shows prompt before every line, and recalls the lines of sheet; the
// terminal goes back as it was at stopLineEditor.
void startLineEditor(const char* prompt, worksheet::worksheetCore& sheet);
// A line as typed, without its line end; nothing at the end of input.
// Ctrl-C drops the line being typed and prompts again.
std::optional<std::string> readTypedLine();
void stopLineEditor();

} // namespace quorin

#endif
