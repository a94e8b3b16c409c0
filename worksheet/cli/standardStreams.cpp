// Descriptor juggling behind divertStandardOutput; the only platform-specific
// code of the command-line worksheet.
#include "standardStreams.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace quorin {

namespace {

#ifdef _WIN32
constexpr const char* nullDevice = "NUL";
int duplicate(int descriptor) {
    return _dup(descriptor);
}
int duplicateOnto(int descriptor, int target) {
    return _dup2(descriptor, target);
}
std::FILE* writeStream(int descriptor) {
    return _fdopen(descriptor, "w");
}
bool isTerminal(int descriptor) {
    return _isatty(descriptor) != 0;
}
int descriptorOf(std::FILE* stream) {
    return _fileno(stream);
}
#else
constexpr const char* nullDevice = "/dev/null";
int duplicate(int descriptor) {
    return dup(descriptor);
}
int duplicateOnto(int descriptor, int target) {
    return dup2(descriptor, target);
}
std::FILE* writeStream(int descriptor) {
    return fdopen(descriptor, "w");
}
bool isTerminal(int descriptor) {
    return isatty(descriptor) != 0;
}
int descriptorOf(std::FILE* stream) {
    return fileno(stream);
}
#endif

bool pointStandardOutputAtNullDevice() {
    std::FILE* nullStream = std::fopen(nullDevice, "w");
    if (nullStream == nullptr) {
        return false;
    }
    const bool pointed = duplicateOnto(descriptorOf(nullStream), descriptorOf(stdout)) >= 0;
    std::fclose(nullStream);
    // Nobody reads these lines: a large buffer makes them cheap.
    std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
    return pointed;
}

} // namespace

std::FILE* divertStandardOutput(bool diagnosticsToStandardError) {
    const int sheetDescriptor = duplicate(descriptorOf(stdout));
    if (sheetDescriptor < 0) {
        return nullptr;
    }
    const bool diverted = diagnosticsToStandardError
                              ? duplicateOnto(descriptorOf(stderr), descriptorOf(stdout)) >= 0
                              : pointStandardOutputAtNullDevice();
    return diverted ? writeStream(sheetDescriptor) : nullptr;
}

bool standardInputIsTerminal() {
    return isTerminal(descriptorOf(stdin));
}
bool standardOutputIsTerminal() {
    return isTerminal(descriptorOf(stdout));
}

} // namespace quorin
