#include "bench_lines.h"

#include <random>

namespace {

constexpr std::size_t worksheetLineLength = 2047;

std::string repeated(const std::string& piece, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

// How often a piece fits into a line beside the fixed part.
std::size_t fitting(const std::string& piece, std::size_t fixedLength) {
    return (worksheetLineLength - fixedLength) / piece.size();
}

// Every operator over a name: each level tries, and fails, to evaluate the
// whole chain below it.
heavyLine chainOverUnboundName(char op) {
    const std::string link = std::string(1, op) + "2";
    const std::string name = std::string("chain of ").append(1, op).append(" over an unbound name");
    return {name, {}, "a" + repeated(link, fitting(link, 1))};
}

heavyLine deepParentheses() {
    const std::size_t depth = fitting("()", 1);
    return {"deep parentheses", {}, repeated("(", depth) + "1" + repeated(")", depth)};
}

heavyLine deepParenthesesOverUnboundName() {
    const std::size_t depth = fitting("(+1)", 1);
    return {"deep parentheses over an unbound name",
            {},
            repeated("(", depth) + "a" + repeated("+1)", depth)};
}

heavyLine nestedApplications() {
    const std::size_t depth = fitting("f[x = ]", 1);
    return {"nested applications over an unbound name",
            {"[f = x*x+x]"},
            repeated("f[x = ", depth) + "y" + repeated("]", depth)};
}

heavyLine longArgumentList() {
    const std::string argument = "a = b*c, ";
    const std::string fixed = "(x+a)[x = 2]";
    return {"long argument list",
            {},
            "(x+a)[" + repeated(argument, fitting(argument, fixed.size())) + "x = 2]"};
}

// 250 applications of x+x build a tree of 2^250 leaves, shared.
std::string sharedTreeBuilding() {
    return repeated("f[x = ", 250) + "y" + repeated("]", 250);
}

heavyLine sharedTreeBuilt() {
    return {"doubling shared tree built", {"[f = x+x]"}, sharedTreeBuilding()};
}

// Evaluating the shared tree is cut by the engine's work bound.
heavyLine sharedTreeEvaluation() {
    return {"doubling shared tree evaluated", {"[f = x+x]", sharedTreeBuilding()}, "ans[y = 1]"};
}

// Reduction rebuilds a shared subtree for every way it is reached: applying
// the tree of 186 nested applications again, with y still unbound, would
// build nodes without end; the work bound cuts it.
heavyLine nestedApplicationsAppliedAgain() {
    const std::string nested = repeated("f[x = ", 186) + "y" + repeated("]", 186);
    return {"nested applications applied again", {"[f = x*x+x]", nested}, "ans[x = 1]"};
}

// Each line triples the answer it applies: the ninth runs into the work bound.
heavyLine answerGrowingThreefold() {
    const std::string tripling = "ans[]*ans[]+ans[]";
    std::vector<std::string> setup(9, tripling);
    setup.front() = "y+1";
    return {"answer growing threefold", setup, tripling};
}

heavyLine selfApplyingTwice() {
    return {"definition applying itself twice", {"[f = f[] + f[]]"}, "f[]"};
}

heavyLine selfApplyingThroughItsArgument() {
    return {"definition applied to itself through its argument",
            {"[f = f[x = w]+ f[x = w]+1]"},
            "f[f =  y] +1"};
}

// Lines of one pattern filled with four random numbers from a fixed seed.
template <typename Pattern>
std::vector<std::string> numberedLines(int count, unsigned seed, int lowest, int highest,
                                       Pattern pattern) {
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> number(lowest, highest);
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const std::string a = std::to_string(number(generator));
        const std::string b = std::to_string(number(generator));
        const std::string c = std::to_string(number(generator));
        const std::string d = std::to_string(number(generator));
        lines.push_back(pattern(a, b, c, d));
    }
    return lines;
}

using digits = const std::string&;

} // namespace

std::vector<std::string> arithmeticLines(int count) {
    return numberedLines(count, 332971, 100, 999, [](digits a, digits b, digits c, digits d) {
        return a + "+" + b + "*" + c + "-(" + d + "+" + a + ")*" + b + "+" + c + "^2";
    });
}

std::vector<std::string> symbolicLines(int count) {
    return numberedLines(count, 345223, 10, 99, [](digits a, digits b, digits c, digits d) {
        return "a*" + a + "+b*" + b + "-(c+" + c + ")*" + d;
    });
}

std::vector<std::string> applicationLines(int count) {
    std::mt19937 generator(512);
    std::uniform_int_distribution<int> number(100, 999);
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        lines.push_back("f[x = " + std::to_string(number(generator)) + "]");
    return lines;
}

std::vector<std::string> worksheetLines() {
    return {
        "[f = x^2 + 1, a = 3]",
        "f[x = 2]",
        "f[x = a[]] * 2",
        "[g = f[x = y] - 1]",
        "g[y = 3]",
        "sin[x = PI[]/4] + cos[x = PI[]/4]",
        "sqrt[x = 2]*sqrt[x = 2]",
        "ln[x = E[]] + log[x = 1000]",
        "a*b/c + 2*(3*x) - (x^2)^3",
        "ans[x = 2, a = 1, b = 4, c = 8]",
        "(x+1)[x = 2]",
        "[h = abs[x = x - 5] + step[x = x]]",
        "h[x = 3]",
        "exp[x = y]",
        "2 +",
        "[area = PI[]*r^2]",
        "area[r = 2]",
        "332+971*155-(405+332)*971+155^2",
    };
}

std::vector<heavyLine> heavyLines() {
    std::vector<heavyLine> lines;
    for (const char op : {'+', '-', '*', '/', '^'})
        lines.push_back(chainOverUnboundName(op));
    for (heavyLine line :
         {deepParentheses(), deepParenthesesOverUnboundName(), nestedApplications(),
          longArgumentList(), sharedTreeBuilt(), sharedTreeEvaluation(), selfApplyingTwice(),
          selfApplyingThroughItsArgument(), nestedApplicationsAppliedAgain(),
          answerGrowingThreefold()})
        lines.push_back(std::move(line));
    return lines;
}
