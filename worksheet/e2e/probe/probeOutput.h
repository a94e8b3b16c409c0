// What the probe prints goes to the test scripts: UTF-8, one line a fact,
// written at once so that a script waiting on it sees it.
#ifndef WORVANE_PROBE_OUTPUT_H
#define WORVANE_PROBE_OUTPUT_H

#include <initializer_list>
#include <string>

void printLine(const std::string& utf8Line);
// Prints why a check failed; returns the probe's exit code for it.
int failWith(const std::string& reason);
// Prints a label followed by numbers, separated by spaces.
void printNumbers(const std::string& label, std::initializer_list<long> numbers);
// Prints a label and a text in the ANSI code page, the text quoted.
void printText(const std::string& label, const std::string& ansiText);

#endif
