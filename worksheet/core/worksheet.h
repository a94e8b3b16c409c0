// The worksheet, free of any window system: lines run through the engine,
// texts put on the sheet, a history to recall them from, commands and file
// loading. The window program and the command-line worksheet both drive it
// through these functions only; how it keeps its texts stays inside.
#ifndef QUORIN_WORKSHEET_H
#define QUORIN_WORKSHEET_H

#include <cstddef>
#include <cstdio>
#include <memory>

namespace worksheet {

// How many texts the sheet and the history each keep.
inline constexpr int ringSlots = 30;
// Room for one line: at most longestLine characters and the NUL.
inline constexpr int slotBytes = 2048;
inline constexpr int longestLine = slotBytes - 1;
// The sheet shows at most this many texts: the oldest kept one is the next
// to be overwritten.
inline constexpr int maxVisibleTexts = ringSlots - 1;
// Loads nested deeper than this are refused, so a file that loads itself
// ends instead of exhausting the stack.
inline constexpr int maxLoadDepth = 32;

// Initialises the engine and gives the worksheet an empty sheet and history.
void startEngine();
// Finalises the engine and frees the sheet and the history.
void stopEngine();
// Whether the worksheet is between startEngine and stopEngine.
bool isRunning();

// Runs one line: shows it, records it in the history, then runs it as a
// command ("!"), skips it as a comment ("#") or evaluates it.
void handleLine(const char* line);

// The history slot that receives the line being typed: the window copies
// its pane's text there (room for slotBytes bytes) and runs it from there.
char* typingSlot();

// The Up and Down keys: each moves the history cursor and returns the text
// to show, or nullptr when the key is to be swallowed.
const char* recallEarlier();
const char* recallLater();

// The texts a sheet of the given pixel height shows, oldest at the top:
// writes them to texts (room for maxVisibleTexts) and returns how many.
int visibleTexts(int sheetHeight, int lineHeight, const char** texts);

// What a text on the sheet is: the echo of a line that runs, the answer to
// it (an engine's answer or error, "# illegal command"), or the
// "# load error" line that a failed load runs.
enum class textKind { echo, answer, loadError };

// Called with every text put on the sheet, in order; the command-line
// worksheet prints them. Null (the default) for none. length is that of
// text, so that nobody counts it again.
using lineObserver = void (*)(const char* text, std::size_t length, textKind kind);
void setLineObserver(lineObserver observer);

// Called with every "# load error" besides its sheet line: the input and
// line number where it happened (the line of the "!load", or the line that
// was too long), and the reason. inputName is null for a line run by
// handleLine outside any input.
using loadErrorObserver = void (*)(const char* inputName, long lineNumber, const char* reason);
void setLoadErrorObserver(loadErrorObserver observer);

// Runs the lines of a file as if typed (the "!load" command); one load level.
void loadFile(const char* fileName);

class lineSplitter;

// Input whose lines run as they arrive, by the reading rules of a loaded
// file: LF, CR and NUL end a line, empty lines are skipped, a UTF-8 byte
// order mark at the start is skipped, and a line of slotBytes characters or
// more runs "# load error" instead. Load errors name the input by name.
class lineInput {
  public:
    explicit lineInput(const char* name);
    ~lineInput();
    lineInput(const lineInput&) = delete;
    lineInput& operator=(const lineInput&) = delete;

    // Runs every line these bytes complete. Returns false when a line was
    // too long: the rest of these bytes is dropped, and a file runs no more
    // of its lines; further bytes fed are skipped up to the next line end.
    bool feed(const char* bytes, std::size_t count);
    // Runs the last line when the input ended without a line end.
    void finish();

    const char* name() const;
    // The number of the line that runs or was last cut, 1 for the first.
    long lineNumber() const;

  private:
    const char* inputName;
    std::unique_ptr<lineSplitter> splitter;
};

// Feeds a stream through input block by block up to its end; after a line
// that is too long, the rest is read and runs nothing. Returns 0, or the
// errno of a read error (the lines before it have run).
int runStream(std::FILE* stream, lineInput& input);

// Runs an open file as one more load level, like a typed "!load" (the
// command-line worksheet's FILEs); name is how load errors call it.
// Returns 0, or the errno of a read error.
int loadStream(std::FILE* stream, const char* name);

} // namespace worksheet

#endif
