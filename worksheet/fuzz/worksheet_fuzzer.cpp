// libFuzzer target on the worksheet core. An input is up to eight files,
// separated by lines "@@", written to a folder of the fuzzer's own as "0",
// "1", ... so that their lines can load each other and themselves. File 0
// then runs three ways: fed in one block and in pieces of varying size,
// which must show the same sheet and report the same load errors, and
// handed over line by line with Up, Down, Return of a recalled line and
// redraws between the lines. Every text must fit a slot; the sanitizers
// catch the rest. The fuzzer works in a folder of its own, so the paths
// given to it must be absolute.
#include "worksheet.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::string_view fileSeparator = "\n@@\n";
constexpr int maxFiles = 8;
// The worksheet bounds every line's loads, but a file that loads itself
// would show thousands of texts, at a fifth of a second a thousand here: a
// run stops once it has shown this many, enough for loads 32 deep.
constexpr std::size_t textBudget = 500;

// Keys of a typed line's first byte.
constexpr char upKey = '\x01';
constexpr char downKey = '\x02';
constexpr char redrawKey = '\x03';
constexpr char returnOnPaneKey = '\x04';

struct sheetRecord {
    std::vector<std::string> texts;
    std::vector<std::string> loadErrors;
    bool stopped = false;
};

[[noreturn]] void fail(const std::string& fault) {
    std::fprintf(stderr, "worksheet_fuzzer: %s\n", fault.c_str());
    std::abort();
}

void checkText(const char* text, std::size_t length) {
    if (length > static_cast<std::size_t>(worksheet::longestLine) || std::strlen(text) != length) {
        fail("a text longer than a slot, or with a wrong length");
    }
}

std::string placeText(worksheet::inputPlace where) {
    return std::string(where.inputName != nullptr ? where.inputName : "-") + ":" +
           std::to_string(where.lineNumber);
}

// Records what the worksheet tells, and stops the work once the text
// budget is spent.
class recorder final : public worksheet::observer {
  public:
    void textShown(const char* text, std::size_t length, worksheet::textKind, int) override {
        checkText(text, length);
        record.texts.emplace_back(text, length);
    }
    void loadFailed(worksheet::inputPlace where, const char* reason) override {
        record.loadErrors.push_back(placeText(where) + ": " + reason);
    }
    bool stopRequested() override { return record.texts.size() >= textBudget; }
    void workStopped(worksheet::inputPlace) override { record.stopped = true; }

    sheetRecord record;
};

std::vector<std::string> splitInto(std::string_view text, std::string_view separator,
                                   std::size_t limit) {
    std::vector<std::string> parts;
    std::size_t end;
    while (parts.size() + 1 < limit && (end = text.find(separator)) != std::string_view::npos) {
        parts.emplace_back(text.substr(0, end));
        text.remove_prefix(end + separator.size());
    }
    parts.emplace_back(text);
    return parts;
}

// Files "0" to "7" in the current folder; no "/" in any line, so that no
// load reaches outside it.
std::vector<std::string> writeFiles(const std::uint8_t* data, std::size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    for (char& byte : input) {
        if (byte == '/') {
            byte = '_';
        }
    }
    const std::vector<std::string> files = splitInto(input, fileSeparator, maxFiles);
    for (int index = 0; index < maxFiles; ++index) {
        const std::string name = std::to_string(index);
        if (index >= static_cast<int>(files.size())) {
            std::remove(name.c_str());
            continue;
        }
        std::FILE* file = std::fopen(name.c_str(), "wb");
        if (file == nullptr ||
            std::fwrite(files[index].data(), 1, files[index].size(), file) != files[index].size()) {
            fail("cannot write the file " + name);
        }
        std::fclose(file);
    }
    return files;
}

// Feeds bytes in pieces of sizes drawn from seed (0: all at once), as a
// pipe delivers them.
sheetRecord feedInPieces(const std::string& bytes, std::uint32_t seed) {
    recorder seen;
    worksheet::worksheetCore sheet(seen);
    sheet.beginInput("0", worksheet::inputKind::file);
    std::size_t position = 0;
    bool reading = true;
    while (reading && position < bytes.size()) {
        seed = seed * 1103515245u + 12345u;
        const std::size_t piece = seed == 12345u ? bytes.size() : 1 + (seed >> 16) % 300;
        const std::size_t count = std::min(piece, bytes.size() - position);
        reading = sheet.feedInput(bytes.data() + position, count);
        position += count;
    }
    sheet.endInput();
    return seen.record;
}

void redraw(const worksheet::worksheetCore& sheet, const std::string& line) {
    const int sheetHeight = line.size() > 1 ? static_cast<unsigned char>(line[1]) * 4 - 100 : 0;
    const int lineHeight = line.size() > 2 ? static_cast<unsigned char>(line[2]) % 25 : 16;
    const char* texts[worksheet::maxVisibleTexts];
    const int count = sheet.visibleTexts(sheetHeight, lineHeight, texts);
    if (count < 0 || count > worksheet::maxVisibleTexts) {
        fail("visibleTexts gave a count out of range");
    }
    for (int row = 0; row < count; ++row) {
        checkText(texts[row], std::strlen(texts[row]));
    }
}

// As the window does: lines handed over, recalled lines in the pane,
// Return. A recalled line is handed back as recalled, from the history
// itself, as a line editor may.
void typeLines(const std::string& bytes) {
    recorder seen;
    worksheet::worksheetCore sheet(seen);
    std::string pane;
    const char* recalled = nullptr;
    for (const std::string& line : splitInto(bytes, "\n", bytes.size() + 1)) {
        if (seen.record.texts.size() >= textBudget) break;
        const char key = line.empty() ? '\0' : line[0];
        if (key == upKey || key == downKey) {
            if (const char* text = key == upKey ? sheet.recallEarlier() : sheet.recallLater()) {
                checkText(text, std::strlen(text));
                recalled = text;
            }
        } else if (key == redrawKey) {
            redraw(sheet, line);
        } else if (key == returnOnPaneKey) {
            if (recalled != nullptr) pane = recalled;
            sheet.handleLine(recalled != nullptr ? std::string_view(recalled) : pane);
            recalled = nullptr;
        } else {
            pane = line;
            recalled = nullptr;
            sheet.handleLine(line);
        }
    }
}

std::filesystem::path scratchFolder;

void removeScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(scratchFolder, ignored);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The engine's diagnostic lines would bury libFuzzer's report (stderr).
    if (std::freopen("/dev/null", "w", stdout) == nullptr) std::abort();
    char folder[] = "/tmp/worksheet_fuzzer.XXXXXX";
    if (mkdtemp(folder) == nullptr || chdir(folder) != 0) std::abort();
    scratchFolder = folder;
    std::atexit(removeScratchFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> files = writeFiles(data, size);
    std::uint32_t seed = 0;
    for (std::size_t index = 0; index < size && index < 16; ++index) {
        seed = seed * 31 + data[index];
    }
    const sheetRecord whole = feedInPieces(files[0], 0);
    const sheetRecord pieces = feedInPieces(files[0], seed | 1);
    if (whole.texts != pieces.texts || whole.loadErrors != pieces.loadErrors ||
        whole.stopped != pieces.stopped) {
        fail("the sheet depends on how the input arrives");
    }
    typeLines(files[0]);
    return 0;
}
