// The probe: looks at the worksheet program from outside while the test
// scripts drive it with real input. Runs under Wine beside the program.
//   worvane_probe COMMAND [ARGUMENTS...] [OPTIONS]
#include "dialogChecks.h"
#include "probeOptions.h"
#include "probeOutput.h"
#include "spyCommand.h"
#include "windowChecks.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string_view>

namespace {

// The worksheet's texts are Shift-JIS; under any other ANSI code page the
// comparisons would be meaningless.
constexpr UINT japaneseCodePage = 932;

struct probeCommand {
    std::string_view name;
    int (*run)(const probeOptions&);
};

constexpr probeCommand commands[] = {
    {"window", printWindow},
    {"expect-size", expectSize},
    {"expect-size-change", expectSizeChange},
    {"expect-position", expectPosition},
    {"expect-pane", expectPane},
    {"set-pane", setPane},
    {"expect-pane-focus", expectPaneFocus},
    {"time-line", timeLine},
    {"expect-sheet", expectSheet},
    {"expect-face", expectFace},
    {"expect-gone", expectGone},
    {"close", closeWorksheet},
    {"expect-dialog", expectDialog},
    {"expect-no-dialog", expectNoDialog},
    {"button", printButton},
    {"expect-close-glyph", expectCloseGlyph},
    {"expect-text-ink", expectTextInk},
    {"expect-popup", expectPopup},
    {"expect-no-popup", expectNoPopup},
    {"spy", runSpy},
};

constexpr int usageError = 2;

int usage() {
    std::string names;
    for (const auto& command : commands) {
        names += ' ';
        names += command.name;
    }
    printLine(
        "usage: worvane_probe COMMAND [ARGUMENTS...] [--timeout MS] [--save PREFIX] [--resized]");
    printLine("commands:" + names);
    return usageError;
}

} // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    if (GetACP() != japaneseCodePage) {
        printNumbers("run in the ja_JP.UTF-8 locale; the ANSI code page is not 932 but",
                     {static_cast<long>(GetACP())});
        return usageError;
    }
    const auto options = parseProbeOptions(argc, argv);
    if (!options) {
        return usage();
    }
    for (const auto& command : commands) {
        if (command.name == options->command) {
            return command.run(*options);
        }
    }
    return usage();
}
