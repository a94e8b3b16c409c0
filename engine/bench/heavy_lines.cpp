// Writes the benchmark's heavy lines for the window benchmark, which types
// them into the real window: one line each, a tab after its kind.
//   name<TAB>what the set measures
//   setup<TAB>a line to run first
//   heavy<TAB>the line to time
#include "bench_lines.h"

#include <cstdio>

int main() {
    for (const heavyLine& heavy : heavyLines()) {
        std::printf("name\t%s\n", heavy.name.c_str());
        for (const std::string& line : heavy.setup)
            std::printf("setup\t%s\n", line.c_str());
        std::printf("heavy\t%s\n", heavy.line.c_str());
    }
    return 0;
}
