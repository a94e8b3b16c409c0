// The probe's command line: a command, its arguments, and options.
//   --timeout MS   how long a check polls before it fails (default 10000)
//   --save PREFIX  on a failed picture check, write PREFIX-screen.bmp and
//                  PREFIX-expected.bmp
//   --resized      the face was last drawn by a resize (grip not on black)
#ifndef WORVANE_PROBE_OPTIONS_H
#define WORVANE_PROBE_OPTIONS_H

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

inline constexpr DWORD defaultTimeoutMs = 10000;

struct probeOptions {
    std::string command;
    std::vector<std::string> arguments; // in the ANSI code page
    DWORD timeoutMs = defaultTimeoutMs;
    std::string savePrefix;
    bool resized = false;
};

// Empty when the command line is malformed.
std::optional<probeOptions> parseProbeOptions(int argc, char** argv);

// The arguments from index first on, as numbers; empty if one is not a number.
std::optional<std::vector<int>> numberArguments(const probeOptions& options, size_t first);

#endif
