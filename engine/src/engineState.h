// The engine's state: the root environment, which lives from initialize to
// finalize, and the state of the line being run, which the boundary starts
// afresh for every line. (Besides them the engine keeps only buffers: the
// teardown queue and the gathered diagnostics, empty whenever a call
// returns, the kept node blocks, and the scanner's shared nodes of small
// whole numbers, which never change.) One thread, no locks.
#ifndef QUORIN_ENGINE_STATE_H
#define QUORIN_ENGINE_STATE_H

#include <cstdint>

namespace quorin {

struct binding;

// Every name known at the top level; null when empty.
extern binding* rootEnvironment;

// The counters and marks of one line, all 0 at its start.
struct lineState {
    // Applications in progress.
    std::int32_t nestDepth = 0;
    // Nested visits of operator and application nodes on the stack.
    int treeDepth = 0;
    // Nested levels of the parser on the stack.
    int parseDepth = 0;
    // Units of work done so far (engineLimits.h gives their costs).
    std::int64_t work = 0;
};

extern lineState currentLine;

// Starts the state of a new line.
inline void startLine() {
    currentLine = lineState{};
}

} // namespace quorin

#endif
