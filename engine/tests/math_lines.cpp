// math_lines [COUNT]: writes the random lines of the built-ins and of '^'
// (100,000 unless told), one a line, so that their sheets can be compared:
//   math_lines > lines.txt; quorin lines.txt > native.txt
//   wine quorin.exe lines.txt > windows.txt
//   diff --strip-trailing-cr native.txt windows.txt
#include "random_math_lines.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    const std::size_t count = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100000;
    for (const std::string& line : quorin::randomMathLines(count))
        std::printf("%s\n", line.c_str());
    return 0;
}
