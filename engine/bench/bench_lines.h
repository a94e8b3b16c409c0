// The lines the benchmark feeds the engine: generated arithmetic, a small
// worksheet, and the heaviest lines that fit the worksheet's 2,047
// characters.
#ifndef QUORIN_BENCH_LINES_H
#define QUORIN_BENCH_LINES_H

#include <string>
#include <vector>

// Lines shaped like 332+971*155-(405+332)*971+155^2, numbers from a
// fixed-seed generator so every run measures the same lines.
std::vector<std::string> arithmeticLines(int count);

// Lines shaped like a*34+b*52-(c+34)*2 over the unbound names a, b and c:
// every operator node tries and fails a numeric evaluation.
std::vector<std::string> symbolicLines(int count);

// The definition applied by applicationLines.
inline constexpr const char* appliedDefinition = "[f = x*x+2*x-1]";

// Applications f[x = 512] of appliedDefinition, numbers from a fixed-seed generator.
std::vector<std::string> applicationLines(int count);

// Definitions, applications, built-ins, symbolic answers and an error.
std::vector<std::string> worksheetLines();

struct heavyLine {
    std::string name;
    // Run once before measuring (definitions the line applies).
    std::vector<std::string> setup;
    std::string line;
};

std::vector<heavyLine> heavyLines();

#endif
