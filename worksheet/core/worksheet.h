// The worksheet, free of any window system: lines run through the engine,
// texts put on the sheet, a history to recall them from, commands and file
// loading. The window program and the command-line worksheet each own one
// worksheetCore and drive it through its members only; it tells them what
// happens through an observer of their own.
#ifndef QUORIN_WORKSHEET_H
#define QUORIN_WORKSHEET_H

#include <array>
#include <cstddef>
#include <cstdio>
#include <memory>
#include <string_view>
#include <vector>

namespace worksheet {

// How many texts the sheet and the history each keep.
inline constexpr int ringSlots = 30;
// Room for one line: at most longestLine characters and the NUL.
inline constexpr int slotBytes = 2048;
inline constexpr std::size_t longestLine = slotBytes - 1;
// The sheet shows at most this many texts: the oldest kept one is the next
// to be overwritten.
inline constexpr int maxVisibleTexts = ringSlots - 1;
// Loads nested deeper than this are refused, so a file that loads itself
// ends instead of exhausting the stack of open files.
inline constexpr int maxLoadDepth = 32;
// Loads that one line handed to the worksheet may start in all, however
// nested. A file that loads itself twice would make 2^32 loads within the
// depth bound; this ends it within about a second on a slow Windows machine,
// while a worksheet that includes a few hundred files never comes near it.
inline constexpr int maxLoadsPerLine = 10000;

// What a text on the sheet is: the echo of a line that runs, the answer to
// it (an engine's answer or error, "# illegal command"), or the
// "# load error" line that a failed load runs.
enum class textKind { echo, answer, loadError };

// Where something happened: the input whose line ran (null for a line
// handed to handleLine) and that line's number, 1 for the first; 0 when the
// input has run no line yet.
struct inputPlace {
    const char* inputName;
    long lineNumber;
};

// What the worksheet tells its front end. Every call comes from inside a
// member of worksheetCore; the defaults do nothing.
class observer {
  public:
    virtual ~observer() = default;

    // Every text put on the sheet, in order; length is that of text.
    // loadDepth is 0 for a line the front end handed over, 1 for a line of
    // a file it loads, and so on.
    virtual void textShown(const char* text, std::size_t length, textKind kind, int loadDepth);
    // The lines the front end handed over have run: time to redraw.
    virtual void sheetChanged();
    // Every "# load error" besides its sheet line: where (the line of the
    // "!load", or the line that was refused) and why.
    virtual void loadFailed(inputPlace where, const char* reason);
    // Asked before every line of an input: true stops the work (below).
    virtual bool stopRequested();
    // The work stopped on request after the line at where.
    virtual void workStopped(inputPlace where);
};

// How an input that the front end feeds is read.
enum class inputKind {
    // By the rules of a loaded file: a byte order mark at the start is
    // skipped (UTF-8) or refused (UTF-16), and a line too long, a refused
    // mark or a stop ends the input.
    file,
    // Lines typed at a prompt: no marks, a line too long is refused alone,
    // and a stop ends only the loads that run.
    typed,
};

struct loadedInput;

// One worksheet. It starts the engine and stops it again, and the engine
// keeps one state per process: one worksheetCore at a time.
class worksheetCore {
  public:
    // Initialises the engine and starts an empty sheet and history.
    explicit worksheetCore(observer& watcher);
    // Finalises the engine.
    ~worksheetCore();
    worksheetCore(const worksheetCore&) = delete;
    worksheetCore& operator=(const worksheetCore&) = delete;

    // Runs one line, cut to longestLine characters and at a NUL: shows it,
    // records it in the history, then runs it as a command ("!"), skips it
    // as a comment ("#") or evaluates it. Loads it starts run to their ends
    // before it returns.
    void handleLine(std::string_view line);

    // The Up and Down keys: each moves the history cursor and returns the
    // text to show, valid until the next line runs, or nullptr when the key
    // is to be swallowed.
    const char* recallEarlier();
    const char* recallLater();

    // The texts a sheet of the given pixel height shows, oldest at the top:
    // writes them to texts (room for maxVisibleTexts) and returns how many.
    int visibleTexts(int sheetHeight, int lineHeight, const char** texts) const;

    // Runs a stream the front end opened as one load level, like a typed
    // "!load" (quorin's FILEs); name is how load errors call it. Returns 0,
    // or the errno of a read error (the lines before it have run).
    int loadStream(std::FILE* stream, const char* name);

    // Input that the front end feeds as its bytes arrive, such as standard
    // input: beginInput, then feedInput with each block, then endInput.
    void beginInput(const char* name, inputKind kind);
    // Runs every line these bytes complete, with the loads they start.
    // Returns false once the input has ended (see inputKind); further
    // bytes are ignored then.
    bool feedInput(const char* bytes, std::size_t count);
    // Runs the last line if the input ended without a line end.
    void endInput();

  private:
    using ringSlot = char[slotBytes];

    // The one place a line runs; its loads are only pushed, for runInputs.
    void runLine(const char* line, std::size_t length, textKind shownAs);
    void showText(const char* text, std::size_t length, textKind kind);
    void showInPlace(const char* text, std::size_t length, textKind kind);
    char* recordInHistory(const char* line, std::size_t length);
    void evaluateLine(char* line);
    void runCommand(const char* commandText);

    // Loading: a stack of inputs, the front end's at the bottom and every
    // running load above the one whose line started it.
    void startLoad(const char* fileName);
    void runInputs(std::size_t firstLoad, bool withBase);
    bool readBlock(loadedInput& input);
    void endTopInput();
    void stopWork(std::size_t firstLoad, bool withBase);
    void reportLoadError(const char* reason);
    int loadDepth() const;
    inputPlace innermostPlace() const;
    void resetLoadCount();

    observer& watcher;

    // Texts shown on the sheet; displayNext is the entry written next. The
    // echo of a line is the history slot that holds it: each line run takes
    // one history slot and at least one entry, so every text the sheet
    // shows still stands there. Every other text lies in the answer slot of
    // its entry.
    std::array<const char*, ringSlots> displayLines;
    std::unique_ptr<ringSlot[]> answerLines;
    int displayNext = 0;
    // Lines run so far. historyNext receives the next line, historyCursor
    // is the slot Up and Down show.
    std::unique_ptr<ringSlot[]> historyLines;
    int historyNext = 0;
    int historyCursor = 0;

    std::vector<std::unique_ptr<loadedInput>> inputs;
    // Whether inputs[0] is one that the front end feeds.
    bool fedInputOpen = false;
    int loadsStarted = 0;
    // Set when a line started more loads than maxLoadsPerLine.
    bool loadsExhausted = false;
};

} // namespace worksheet

#endif
