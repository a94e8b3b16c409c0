// The expression engine's whole public face: three functions, exported by
// these plain names, and the buffer sizes a caller must provide.
#ifndef QUORIN_DLL_H
#define QUORIN_DLL_H

// The result buffer receives "[ans = ...]"; longer texts are cut to fit.
#define QUORIN_RESULT_BUFFER_SIZE 2048
// The error buffer receives the message; longer messages are cut to fit.
#define QUORIN_ERROR_BUFFER_SIZE 2046

#if defined(_WIN32)
#define QUORIN_API
#else
#define QUORIN_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Puts the constants and built-in functions in front of the root environment.
// The engine's diagnostic lines go to standard output, except where it is the
// null device when initialize runs: then none are made until the next one.
QUORIN_API void initialize(void);

// Runs one line. Returns 1 with the answer in result, or 0 with the message
// in error ("set root environment." for a line that only defines names).
// The buffer not named by the outcome is left untouched.
QUORIN_API int evalExpression(char* line, char* result, char* error);

// Destroys the root environment: built-ins, definitions and ans.
QUORIN_API void finalize(void);

#ifdef __cplusplus
}
#endif

#endif
