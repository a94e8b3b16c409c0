// Descriptor juggling behind the standard streams; the only platform-specific
// code of the command-line worksheet besides the line editor.
#include "standardStreams.h"

#include <cerrno>
#include <fcntl.h>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace quorin {

namespace {

constexpr int standardInput = 0;
constexpr int standardOutput = 1;
constexpr int standardError = 2;

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
bool isOpen(int descriptor) {
    return _get_osfhandle(descriptor) != -1;
}
int openForWriting(const char* path) {
    return _open(path, _O_WRONLY);
}
void closeDescriptor(int descriptor) {
    _close(descriptor);
}
long readSome(int descriptor, char* buffer, std::size_t count) {
    return _read(descriptor, buffer, static_cast<unsigned>(count));
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
bool isOpen(int descriptor) {
    return fcntl(descriptor, F_GETFD) != -1;
}
int openForWriting(const char* path) {
    return open(path, O_WRONLY);
}
void closeDescriptor(int descriptor) {
    close(descriptor);
}
long readSome(int descriptor, char* buffer, std::size_t count) {
    long received;
    do {
        received = read(descriptor, buffer, count);
    } while (received < 0 && errno == EINTR);
    return received;
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
    const bool pointed = duplicateOnto(descriptorOf(nullStream), standardOutput) >= 0;
    std::fclose(nullStream);
    // Nobody reads these lines: a large buffer makes them cheap.
    std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
    return pointed;
}

} // namespace

void keepStandardErrorOpen() {
    if (isOpen(standardError)) {
        return;
    }
    const int nullDescriptor = openForWriting(nullDevice);
    if (nullDescriptor >= 0 && nullDescriptor != standardError) {
        duplicateOnto(nullDescriptor, standardError);
        closeDescriptor(nullDescriptor);
    }
}

std::FILE* divertStandardOutput(bool diagnosticsToStandardError) {
    const int sheetDescriptor = duplicate(standardOutput);
    if (sheetDescriptor < 0) {
        return nullptr;
    }
    const bool diverted = diagnosticsToStandardError
                              ? duplicateOnto(standardError, standardOutput) >= 0
                              : pointStandardOutputAtNullDevice();
    return diverted ? writeStream(sheetDescriptor) : nullptr;
}

bool standardInputIsTerminal() {
    return isTerminal(standardInput);
}
bool standardOutputIsTerminal() {
    return isTerminal(standardOutput);
}

long readStandardInput(char* buffer, std::size_t count) {
    return readSome(standardInput, buffer, count);
}

} // namespace quorin
