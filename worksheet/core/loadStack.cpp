// Loading: the stack of inputs whose lines run, the innermost on top. A
// "!load" only pushes its file; runInputs runs the top input's lines one by
// one, so a load started by a line runs to its end before the next line of
// the input below, and every load reads its own file from the start.
#include "fileOpening.h"
#include "loadedInput.h"

#include <cerrno>
#include <cstring>
#include <string>

namespace worksheet {

namespace {

constexpr std::string_view loadErrorLine = "# load error";

const std::string lineTooLongReason =
    "line longer than " + std::to_string(longestLine) + " characters";
constexpr const char* utf16Reason = "UTF-16 text: save the file as UTF-8 or ANSI text";
const std::string tooDeepReason = "loads nested deeper than " + std::to_string(maxLoadDepth);
const std::string tooManyReason =
    "too many loads: more than " + std::to_string(maxLoadsPerLine) + " from one line";

} // namespace

void worksheetCore::startLoad(const char* fileName) {
    // Refused loads count too: each still costs a sheet line.
    if (++loadsStarted > maxLoadsPerLine) {
        reportLoadError(tooManyReason.c_str());
        loadsExhausted = true;
        return;
    }
    if (loadDepth() >= maxLoadDepth) {
        reportLoadError(tooDeepReason.c_str());
        return;
    }
    std::string reason;
    std::FILE* file = openLoadFile(fileName, reason);
    if (file == nullptr) {
        reportLoadError(reason.c_str());
        return;
    }
    inputs.push_back(std::make_unique<loadedInput>(fileName, inputKind::file, file, true));
}

// Runs the loads from inputs[firstLoad] on, each to its end unless a stop
// drops them. With a front end's input below them (withBase), runs its
// lines too, and returns with it on top when it waits for bytes or has
// ended; it never removes that input.
void worksheetCore::runInputs(std::size_t firstLoad, bool withBase) {
    while (inputs.size() > firstLoad || (withBase && inputs.size() == firstLoad)) {
        if (loadsExhausted || watcher.stopRequested()) {
            stopWork(firstLoad, withBase);
            return;
        }
        loadedInput& input = *inputs.back();
        const bool atBase = inputs.size() == firstLoad;
        if (input.ended) {
            if (atBase) return;
            endTopInput();
            continue;
        }
        switch (input.splitter.next()) {
        case lineSplitter::cut::line: {
            // Each line the front end feeds is a line of its own, as if typed.
            if (atBase && input.file == nullptr) resetLoadCount();
            const std::string_view line = input.splitter.line();
            runLine(line.data(), line.size(), textKind::echo);
            break;
        }
        case lineSplitter::cut::needMoreInput:
            if (input.file == nullptr) return;
            if (!readBlock(input)) {
                // Ended first: the last line may start a load of its own.
                input.ended = true;
                if (input.splitter.finish()) {
                    const std::string_view line = input.splitter.line();
                    runLine(line.data(), line.size(), textKind::echo);
                }
            }
            break;
        case lineSplitter::cut::lineTooLong:
            // A file stops there: an endless one ends, and what runs is
            // the same as if it had been read to its end.
            input.ended = input.kind == inputKind::file;
            reportLoadError(lineTooLongReason.c_str());
            break;
        case lineSplitter::cut::utf16Text:
            input.ended = true;
            reportLoadError(utf16Reason);
            break;
        }
    }
}

// False at the end of the file or at a read error.
bool worksheetCore::readBlock(loadedInput& input) {
    errno = 0;
    const std::size_t count = std::fread(input.block, 1, sizeof input.block, input.file);
    if (count > 0) {
        input.splitter.take(input.block, count);
        return true;
    }
    if (std::ferror(input.file)) {
        // A stream in error without errno set still failed.
        input.readError = errno != 0 ? errno : EIO;
    }
    return false;
}

// A load that failed to read says so at the line that started it.
void worksheetCore::endTopInput() {
    const std::unique_ptr<loadedInput> ended = std::move(inputs.back());
    inputs.pop_back();
    if (ended->readError != 0) {
        const std::string reason =
            "cannot read '" + ended->name + "': " + std::strerror(ended->readError);
        reportLoadError(reason.c_str());
    }
}

// Drops every load from inputs[firstLoad] on. The front end's input below
// them ends too, unless the front end feeds it: lines typed at a prompt go
// on after a stop, and any fed input after too many loads, which count by
// its lines.
void worksheetCore::stopWork(std::size_t firstLoad, bool withBase) {
    const bool onRequest = !loadsExhausted;
    if (onRequest) watcher.workStopped(innermostPlace());
    loadsExhausted = false;
    inputs.resize(firstLoad);
    if (!withBase) return;
    loadedInput& base = *inputs.back();
    const bool goesOn = base.file == nullptr && (!onRequest || base.kind == inputKind::typed);
    if (goesOn) {
        base.splitter.take(nullptr, 0);
    } else {
        base.ended = true;
    }
}

void worksheetCore::reportLoadError(const char* reason) {
    runLine(loadErrorLine.data(), loadErrorLine.size(), textKind::loadError);
    watcher.loadFailed(innermostPlace(), reason);
}

// Every input is a load level but the one the front end feeds.
int worksheetCore::loadDepth() const {
    return static_cast<int>(inputs.size()) - (fedInputOpen ? 1 : 0);
}

inputPlace worksheetCore::innermostPlace() const {
    if (inputs.empty()) return {nullptr, 0};
    return {inputs.back()->name.c_str(), inputs.back()->splitter.lineNumber()};
}

void worksheetCore::resetLoadCount() {
    loadsStarted = 0;
}

} // namespace worksheet
