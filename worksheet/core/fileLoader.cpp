// Running the lines of files and streams: the "!load" command and the
// command-line worksheet's input.
#include "lineSplitter.h"

#include <memory>

namespace worksheet {

namespace {

// How many loads are running, each inside a line of the one before.
int loadDepth = 0;

void readToEnd(std::FILE* stream, char* block) {
    while (std::fread(block, 1, slotBytes, stream) > 0) {
    }
}

} // namespace

void runLines(std::FILE* stream) {
    // On the heap: a nested load keeps one splitter and one block per level.
    const auto splitter = std::make_unique<lineSplitter>();
    const auto block = std::make_unique<char[]>(slotBytes);
    std::size_t count;
    while ((count = std::fread(block.get(), 1, slotBytes, stream)) > 0) {
        if (!splitter->feed(block.get(), count)) {
            readToEnd(stream, block.get());
            return;
        }
    }
    splitter->finish();
}

void runLines(const char* text, std::size_t length) {
    const auto splitter = std::make_unique<lineSplitter>();
    if (splitter->feed(text, length)) {
        splitter->finish();
    }
}

void loadFile(const char* fileName) {
    if (loadDepth >= maxLoadDepth) {
        handleLine(loadErrorLine);
        return;
    }
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(fileName, "r"),
                                                               std::fclose);
    if (!file) {
        handleLine(loadErrorLine);
        return;
    }
    ++loadDepth;
    runLines(file.get());
    --loadDepth;
}

} // namespace worksheet
