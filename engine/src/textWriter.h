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
    void put(char character) {
        char* const at = position;
        // Once full, the position stays at last.
        if (at == last) {
            overflowed = true;
            return;
        }
        at[0] = character;
        at[1] = '\0';
        position = at + 1;
    }

    // Lends the room left to print, which is given the position to write at
    // and the end of the room (where the NUL goes), and returns the position
    // after what it wrote, or null when its text did not fit: it has then
    // filled the room.
    template <typename Print> void writeThrough(const Print& print) {
        if (overflowed) return;
        if (char* const after = print(position, last)) {
            position = after;
        } else {
            position = last;
            overflowed = true;
        }
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
