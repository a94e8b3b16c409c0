// One call of evalExpression with buffers of exactly the sizes the public
// header names, each followed by guard bytes, so that a write past either
// buffer, a missing NUL or a touch of the buffer the outcome does not name
// shows up. Shared by the limit tests and the fuzzer.
#ifndef QUORIN_GUARDED_CALL_H
#define QUORIN_GUARDED_CALL_H

#include <string>

struct guardedCall {
    int returned = 0;
    // The text of the buffer the outcome names, up to its NUL.
    std::string result;
    std::string error;
    // Empty when the call kept to its buffers; otherwise what went wrong.
    std::string fault;
};

guardedCall callEngine(const std::string& line);

#endif
