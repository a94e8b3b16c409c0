// quorin: the worksheet on the command line. Runs lines from files or
// standard input through the same worksheet core as the window and prints
// what the sheet would show. Every exit is made here.
#include "commandLine.h"
#include "failures.h"
#include "helpText.h"
#include "inputs.h"
#include "sheetPrinter.h"
#include "standardStreams.h"
#include "worksheet.h"
#include "worksheetEvents.h"

#include <cstdio>

namespace {

constexpr int exitSuccess = 0;
constexpr int exitFailure = 1;
constexpr int exitUsage = 2;

constexpr const char* versionText = "quorin (Worvane) " QUORIN_VERSION "\n";

void runInputs(const quorin::commandLine& options) {
    quorin::worksheetEvents events;
    worksheet::worksheetCore sheet(events);
    for (const char* file : options.files) {
        if (quorin::outputFailed()) break;
        quorin::runInput(sheet, file);
    }
}

int runWorksheet(const quorin::commandLine& options) {
    quorin::keepStandardErrorOpen();
    const bool sheetOnTerminal = quorin::standardOutputIsTerminal();
    std::FILE* sheet = quorin::divertStandardOutput(options.diagnostics);
    if (sheet == nullptr) {
        std::perror("quorin: cannot set up standard output");
        return exitFailure;
    }
    quorin::openSheet(sheet,
                      {.answersOnly = options.answersOnly,
                       .diagnostics = options.diagnostics,
                       .typedLinesShown = sheetOnTerminal && quorin::standardInputIsTerminal()});
    runInputs(options);
    quorin::flushSheet();
    return quorin::anyFailure() ? exitFailure : exitSuccess;
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
        return exitSuccess;
    }
    if (options.version) {
        std::fputs(versionText, stdout);
        return exitSuccess;
    }
    return runWorksheet(options);
}
