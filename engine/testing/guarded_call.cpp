#include "guarded_call.h"

#include "QuorinDLL.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace {

// Wider than any plausible off-by-some overrun; a wilder write lands outside
// the allocation, where a sanitizer sees it.
constexpr std::size_t guardBytes = 64;
constexpr char fillByte = '\xA5';

class guardedBuffer {
  public:
    explicit guardedBuffer(std::size_t size) : size(size), bytes(size + guardBytes, fillByte) {}

    char* data() { return bytes.data(); }

    bool guardIntact() const {
        return std::all_of(bytes.begin() + size, bytes.end(), [](char c) { return c == fillByte; });
    }

    bool untouched() const {
        return std::all_of(bytes.begin(), bytes.end(), [](char c) { return c == fillByte; });
    }

    bool terminated() const {
        return std::find(bytes.begin(), bytes.begin() + size, '\0') != bytes.begin() + size;
    }

    std::string text() const { return terminated() ? std::string(bytes.data()) : std::string(); }

  private:
    std::size_t size;
    std::vector<char> bytes;
};

std::string findFault(int returned, const guardedBuffer& result, const guardedBuffer& error) {
    if (!result.guardIntact()) return "wrote past the result buffer";
    if (!error.guardIntact()) return "wrote past the error buffer";
    if (returned == 1) {
        if (!result.terminated()) return "result text not NUL-terminated";
        if (!error.untouched()) return "touched the error buffer on success";
        return "";
    }
    if (returned == 0) {
        if (!error.terminated()) return "error text not NUL-terminated";
        if (!result.untouched()) return "touched the result buffer on failure";
        return "";
    }
    return "returned " + std::to_string(returned);
}

} // namespace

guardedCall callEngine(const std::string& line) {
    std::vector<char> lineCopy(line.begin(), line.end());
    lineCopy.push_back('\0');
    guardedBuffer result(QUORIN_RESULT_BUFFER_SIZE);
    guardedBuffer error(QUORIN_ERROR_BUFFER_SIZE);

    guardedCall call;
    call.returned = evalExpression(lineCopy.data(), result.data(), error.data());
    call.fault = findFault(call.returned, result, error);
    if (call.returned == 1) call.result = result.text();
    if (call.returned == 0) call.error = error.text();
    return call;
}
