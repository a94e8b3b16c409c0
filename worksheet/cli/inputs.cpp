#include "inputs.h"

#include "commandLine.h"
#include "failures.h"
#include "interactiveSession.h"
#include "sheetPrinter.h"
#include "standardStreams.h"
#include "worksheet.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string_view>

namespace quorin {

namespace {

// Input is read through a large buffer: fewer system calls. A pipe still
// hands over whatever has arrived at once.
constexpr std::size_t inputBufferBytes = 1 << 16;

void runFile(const char* fileName) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(fileName, "r"),
                                                               std::fclose);
    if (!file) {
        reportUnreadableInput(fileName, errno);
        return;
    }
    std::setvbuf(file.get(), nullptr, _IOFBF, inputBufferBytes);
    if (const int error = worksheet::loadStream(file.get(), fileName)) {
        reportUnreadableInput(fileName, error);
    }
}

void runRegularStandardInput() {
    std::setvbuf(stdin, nullptr, _IOFBF, inputBufferBytes);
    worksheet::lineInput input(standardInputLabel);
    if (const int error = worksheet::runStream(stdin, input)) {
        reportUnreadableInput(standardInputName, error);
    }
}

// Whatever has arrived runs, and its answers go out, before the next read
// waits: another program or an editor can drive quorin line by line.
void runArrivingStandardInput() {
    worksheet::lineInput input(standardInputLabel);
    const auto block = std::make_unique<char[]>(inputBufferBytes);
    bool running = true;
    long received;
    while ((received = readStandardInput(block.get(), inputBufferBytes)) > 0) {
        // After a line too long, the rest is read but runs nothing, as in a file.
        if (running) {
            running = input.feed(block.get(), static_cast<std::size_t>(received));
        }
        flushSheet();
    }
    if (received < 0) {
        reportUnreadableInput(standardInputName, errno);
    } else if (running) {
        input.finish();
    }
}

} // namespace

void runInput(const char* name, bool sheetOnTerminal) {
    if (std::string_view(name) != standardInputName) {
        runFile(name);
    } else if (standardInputIsTerminal()) {
        runInteractiveSession(sheetOnTerminal);
    } else if (standardInputIsRegularFile()) {
        runRegularStandardInput();
    } else {
        runArrivingStandardInput();
    }
}

} // namespace quorin
