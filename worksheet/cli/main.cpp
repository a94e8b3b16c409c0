// quorin: the worksheet on the command line. Runs lines from files or
// standard input through the same line cycle as the window and prints what
// the sheet would show.
#include "commandLine.h"
#include "helpText.h"
#include "interactiveSession.h"
#include "sheetPrinter.h"
#include "standardStreams.h"
#include "worksheet.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr int exitFailure = 1;
constexpr int exitUsage = 2;

// Worksheet files are read through a large buffer: fewer system calls.
constexpr std::size_t inputBufferBytes = 1 << 16;

// Runs every file in order, in one worksheet session; returns whether all
// of them could be opened.
bool runFiles(const std::vector<const char*>& files) {
    bool allRead = true;
    for (const char* fileName : files) {
        const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(fileName, "r"),
                                                                   std::fclose);
        if (!file) {
            std::fprintf(stderr, "quorin: cannot read '%s': %s\n", fileName, std::strerror(errno));
            allRead = false;
            continue;
        }
        std::setvbuf(file.get(), nullptr, _IOFBF, inputBufferBytes);
        worksheet::loadStream(file.get(), fileName);
    }
    return allRead;
}

// Returns whether every file could be read.
bool runWorksheet(const quorin::commandLine& options, bool sheetOnTerminal) {
    if (!options.files.empty()) {
        return runFiles(options.files);
    }
    if (quorin::standardInputIsTerminal()) {
        quorin::runInteractiveSession(sheetOnTerminal);
    } else {
        std::setvbuf(stdin, nullptr, _IOFBF, inputBufferBytes);
        worksheet::lineInput input("<stdin>");
        worksheet::runStream(stdin, input);
    }
    return true;
}

} // namespace

int main(int argumentCount, char** arguments) {
    const quorin::commandLine options = quorin::parseCommandLine(argumentCount, arguments);
    if (!options.problem.empty()) {
        std::fprintf(stderr, "quorin: %s\nTry 'quorin --help'.\n", options.problem.c_str());
        return exitUsage;
    }
    if (options.help) {
        std::fputs(quorin::helpText, stdout);
        return 0;
    }
    const bool sheetOnTerminal = quorin::standardOutputIsTerminal();
    std::FILE* sheet = quorin::divertStandardOutput(options.diagnostics);
    if (sheet == nullptr) {
        std::perror("quorin: cannot set up standard output");
        return exitFailure;
    }
    quorin::openSheet(sheet);
    worksheet::setLineObserver(quorin::printSheetText);
    worksheet::startEngine();
    const bool allRead = runWorksheet(options, sheetOnTerminal);
    worksheet::stopEngine();
    quorin::flushSheet();
    std::fflush(stdout);
    return allRead ? 0 : exitFailure;
}
