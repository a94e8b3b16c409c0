#include "fileOpening.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace worksheet {

namespace {

// Why a file of this mode does not load, or null when it does.
const char* refusal(unsigned mode) {
    if ((mode & S_IFMT) == S_IFREG) return nullptr;
    // A folder reads the same on every system, whichever call finds it out.
    if ((mode & S_IFMT) == S_IFDIR) return std::strerror(EISDIR);
    return "Not a regular file";
}

} // namespace

std::FILE* openLoadFile(const char* name, std::string& reason) {
    struct stat status;
    // Before opening: opening a pipe waits for its writer.
    const char* refused = stat(name, &status) == 0 ? refusal(status.st_mode) : nullptr;
    std::FILE* file = refused != nullptr ? nullptr : std::fopen(name, "r");
    if (refused == nullptr && file == nullptr) refused = std::strerror(errno);
    // After opening too: Windows devices such as CON open under any folder.
    if (file != nullptr && fstat(fileno(file), &status) == 0 &&
        (refused = refusal(status.st_mode)) != nullptr) {
        std::fclose(file);
        file = nullptr;
    }
    if (file == nullptr) reason = std::string("cannot read '") + name + "': " + refused;
    return file;
}

} // namespace worksheet
