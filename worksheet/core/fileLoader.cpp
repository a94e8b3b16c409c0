// Running the lines of files: the "!load" command, and the command-line
// worksheet's files and standard input.
#include "loadErrors.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>

namespace worksheet {

namespace {

// How many loads are running, each inside a line of the one before.
int loadDepth = 0;

class loadLevel {
  public:
    loadLevel() { ++loadDepth; }
    ~loadLevel() { --loadDepth; }
    loadLevel(const loadLevel&) = delete;
    loadLevel& operator=(const loadLevel&) = delete;
};

void readToEnd(std::FILE* stream, char* block) {
    while (std::fread(block, 1, slotBytes, stream) > 0) {
    }
}

int readError() {
    // A stream in error without errno set still failed.
    return errno != 0 ? errno : EIO;
}

} // namespace

int runStream(std::FILE* stream, lineInput& input) {
    const auto block = std::make_unique<char[]>(slotBytes);
    errno = 0;
    std::size_t count;
    while ((count = std::fread(block.get(), 1, slotBytes, stream)) > 0) {
        if (!input.feed(block.get(), count)) {
            readToEnd(stream, block.get());
            return 0;
        }
    }
    if (std::ferror(stream)) {
        return readError();
    }
    input.finish();
    return 0;
}

int loadStream(std::FILE* stream, const char* name) {
    const loadLevel level;
    lineInput input(name);
    return runStream(stream, input);
}

void loadFile(const char* fileName) {
    if (loadDepth >= maxLoadDepth) {
        reportLoadError("loads nested deeper than " + std::to_string(maxLoadDepth));
        return;
    }
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(fileName, "r"),
                                                               std::fclose);
    const int error = file ? loadStream(file.get(), fileName) : errno;
    if (error != 0) {
        reportLoadError(std::string("cannot read '") + fileName + "': " + std::strerror(error));
    }
}

} // namespace worksheet
