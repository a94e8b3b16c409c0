#include "probeOutput.h"

#include "ansiText.h"

#include <cstdio>

void printLine(const std::string& utf8Line) {
    std::fwrite(utf8Line.data(), 1, utf8Line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

int failWith(const std::string& reason) {
    printLine(reason);
    return 1;
}

void printNumbers(const std::string& label, std::initializer_list<long> numbers) {
    std::string line = label;
    for (const long number : numbers) {
        line += ' ';
        line += std::to_string(number);
    }
    printLine(line);
}

void printText(const std::string& label, const std::string& ansiText) {
    std::string line = label;
    line += " \"";
    line += ansiToUtf8(ansiText);
    line += '"';
    printLine(line);
}
