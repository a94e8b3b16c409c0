// Texts cross the probe's boundary in two encodings: the worksheet and the
// Win32 ANSI functions speak the ANSI code page (Shift-JIS here), the test
// scripts read UTF-8.
#ifndef WORVANE_PROBE_ANSI_TEXT_H
#define WORVANE_PROBE_ANSI_TEXT_H

#include <string>

std::string ansiToUtf8(const std::string& ansi);

#endif
