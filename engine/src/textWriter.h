// A bounded, always NUL-terminated text buffer. Once a write does not fit, the
// writer is full and takes nothing more, so printing a huge tree stops early.
#ifndef QUORIN_TEXT_WRITER_H
#define QUORIN_TEXT_WRITER_H

#include <cstddef>
#include <cstring>
#include <string_view>

namespace quorin {

class textWriter {
  public:
    // capacity counts the terminating NUL and must be at least 1.
    textWriter(char* buffer, std::size_t capacity);

    void write(std::string_view text) {
        if (overflowed) return;
        if (text.size() > static_cast<std::size_t>(last - position)) {
            writeCut(text);
            return;
        }
        std::memcpy(position, text.data(), text.size());
        position += text.size();
        *position = '\0';
    }
    // A NUL-terminated text copied as it is read, the same as write: a name
    // is short, and measuring it first would cost more than the copy.
    void writeUnmeasured(const char* text) {
        if (overflowed) return;
        for (; *text != '\0'; ++text) {
            if (position == last) {
                overflowed = true;
                break;
            }
            *position++ = *text;
        }
        *position = '\0';
    }
    void put(char character) {
        if (overflowed || position == last) {
            overflowed = true;
            return;
        }
        *position++ = character;
        *position = '\0';
    }

    // True once some text did not fit: everything after it is dropped.
    bool full() const { return overflowed; }
    std::size_t length() const { return static_cast<std::size_t>(position - start); }

    // Keeps the first `kept` characters and lets writing go on after them.
    void cutTo(std::size_t kept);

  private:
    // What fits of a text that does not; the writer is then full.
    void writeCut(std::string_view text);

    char* start;
    char* position;
    char* last; // where the NUL goes when the buffer is full
    bool overflowed = false;
};

} // namespace quorin

#endif
