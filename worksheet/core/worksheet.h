// The worksheet's line cycle, free of any window system: the display and
// history rings, running one line, recalling history, and which ring slots
// the sheet shows. The window program and the command-line worksheet both
// drive it; neither keeps a copy of this logic.
#ifndef QUORIN_WORKSHEET_H
#define QUORIN_WORKSHEET_H

#include <cstddef>
#include <cstdio>

namespace worksheet {

inline constexpr int ringSlots = 30;
inline constexpr int slotBytes = 2048;
// First byte of a history slot that was never written.
inline constexpr char unwrittenMark = 7;

using ringSlot = char[slotBytes];

// The rings exist between startEngine and stopEngine, null otherwise.
extern ringSlot* displayLines;
extern int displayNext;
extern ringSlot* historyLines;
extern int historyNext;
extern int historyCursor;

// Initialises the engine and allocates fresh rings.
void startEngine();
// Finalises the engine and frees the rings (they become null).
void stopEngine();

// Puts a text on the sheet (into the display ring), cut to 2047 characters.
void showLine(const char* text);

// Runs one line: shows it, records it in the history, then runs it as a
// command ("!"), skips it as a comment ("#") or evaluates it.
void handleLine(const char* line);

// Called with every text that showLine puts on the sheet, in order; the
// command-line worksheet prints them. Null (the default) for none. length is
// that of text, so that nobody counts it again.
using lineObserver = void (*)(const char* text, std::size_t length);
void setLineObserver(lineObserver observer);

// The Up and Down keys of the edit pane: each returns the history slot to
// show and makes it the cursor, or -1 when the key is to be swallowed.
int recallEarlier();
int recallLater();

// The ring slots the sheet shows, oldest at the top, for a sheet of the
// given pixel height: writes them to slots (room for ringSlots entries) and
// returns how many.
int visibleSlots(int sheetHeight, int lineHeight, int* slots);

// Runs the lines of a file as if typed (the "!load" command).
void loadFile(const char* fileName);

// Loads nested deeper than this are refused with "# load error", so a file
// that loads itself ends instead of exhausting the stack.
inline constexpr int maxLoadDepth = 32;

// Runs the lines of an open stream with loadFile's reading rules: LF, CR and
// NUL end a line, empty lines are skipped, and a line of slotBytes characters
// runs "# load error" and ends the reading. The command-line worksheet reads
// its files and a piped standard input through it.
void runLines(std::FILE* stream);
// The same for a block of text already read, such as one typed line.
void runLines(const char* text, std::size_t length);

} // namespace worksheet

#endif
