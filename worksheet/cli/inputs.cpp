#include "inputs.h"

#include "commandLine.h"
#include "failures.h"
#include "interactiveSession.h"
#include "standardStreams.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string_view>

namespace quorin {

namespace {

// Input is read through a large buffer: fewer system calls. A pipe still
// hands over whatever has arrived at once.
constexpr std::size_t inputBufferBytes = 1 << 16;

void runFile(worksheet::worksheetCore& sheet, const char* fileName) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(fileName, "r"),
                                                               std::fclose);
    if (!file) {
        reportUnreadableInput(fileName, errno);
        return;
    }
    std::setvbuf(file.get(), nullptr, _IOFBF, inputBufferBytes);
    if (const int error = sheet.loadStream(file.get(), fileName)) {
        reportUnreadableInput(fileName, error);
    }
}

// Whatever has arrived runs, and its answers go out, before the next read
// waits: another program or an editor can drive quorin line by line. After
// a line too long nothing more is read, as in a loaded file.
void runStandardInput(worksheet::worksheetCore& sheet) {
    sheet.beginInput(standardInputLabel, worksheet::inputKind::file);
    const auto block = std::make_unique<char[]>(inputBufferBytes);
    long received;
    while ((received = readStandardInput(block.get(), inputBufferBytes)) > 0 &&
           sheet.feedInput(block.get(), static_cast<std::size_t>(received))) {
    }
    if (received < 0) {
        reportUnreadableInput(standardInputName, errno);
    }
    sheet.endInput();
}

} // namespace

void runInput(worksheet::worksheetCore& sheet, const char* name) {
    if (std::string_view(name) != standardInputName) {
        runFile(sheet, name);
    } else if (standardInputIsTerminal()) {
        runInteractiveSession(sheet);
    } else {
        runStandardInput(sheet);
    }
}

} // namespace quorin
