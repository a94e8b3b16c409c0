// The engine's error codes, their texts, and the two ways a line ends early:
// a thrown errorCode (the parser's) or a lineAbort. An evaluation's error
// comes back as a value instead (knob.h).
#ifndef QUORIN_ERRORS_H
#define QUORIN_ERRORS_H

#include <cstddef>
#include <cstdint>

namespace quorin {

using errorCode = std::int32_t;

enum : errorCode {
    undefinedVariable = 1,    // a name has no value where one is needed: "y*2" evaluated
    argumentLoss = 2,         // a built-in evaluated without its x: "sin[y = 1]" evaluated
    nestOverflow = 3,         // more than 200 applications nested: "[f = f[] + 1]", "f[]"
    parseError = 4,           // a character or shape outside the grammar: "x = 5", "()"
    parseErrorAtParseEnv = 5, // a malformed binding list: "[x = 1", "f[x]"
    parseErrorAtMount = 6,    // items left after folding: "1 2 3"
    parseErrorAtSubmount = 7, // an operator without its operand: "2 +", "1 2"
};

// The texts of the boundary's other outcomes, besides the codes' messages.
inline constexpr char rootEnvironmentMessage[] = "set root environment.";
inline constexpr char outOfMemoryMessage[] = "out of memory";
inline constexpr char internalErrorMessage[] = "internal error";

// Thrown when a line passes a bound on recursion or work. Only the exported
// boundary catches it; it reads as "nest overflow".
struct lineAbort {};

// Writes the text of code into buffer (capacity bytes, NUL included); name fills
// the place of codes 1 and 2. A code outside 1 to 7 leaves the buffer untouched.
void formatError(char* buffer, std::size_t capacity, errorCode code, const char* name);

// Prints the text of code with name on standard output, then "\r\n".
void reportError(errorCode code, const char* name);

// Throws code: an error that ends the line (the parser's codes).
[[noreturn]] void raiseError(errorCode code);

} // namespace quorin

#endif
