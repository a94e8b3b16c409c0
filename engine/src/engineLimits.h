// Every bound the engine sets, in one place, each with the reason for its value.
#ifndef QUORIN_ENGINE_LIMITS_H
#define QUORIN_ENGINE_LIMITS_H

#include <cstddef>
#include <cstdint>

namespace quorin {

// A name buffer holds 99 characters and the NUL; longer names are refused.
inline constexpr std::size_t nameCapacity = 100;

// Applications in progress within one line: what stops a definition that applies itself.
inline constexpr std::int32_t maxNestedApplications = 200;

// Nested levels of the parser (groups, argument values): a 2,047-character line
// nests at most 2,047 deep, so every typed line fits; deeper text is refused.
inline constexpr int maxParseDepth = 2048;

// Nested visits of operator and application nodes on the stack: twice the deepest
// tree a typed line can build, small enough for a 1 MB stack.
inline constexpr int maxTreeDepth = 2048;

// The work of one line, in units of 2 to 10 ns natively (a node made costs
// about sixteen times an operator visited): a line cut by it ends within
// about 10 ms. The heaviest honest line of the worksheet's length, a
// definition applying itself 199 deep, needs 674,000 units.
#ifdef QUORIN_FUZZ
// The fuzzer's instrumentation makes every unit some fifty times dearer, and
// an input of a few lines must end well within its second: the fuzz build
// cuts lines at a quarter of the work, which the heaviest honest lines pass.
inline constexpr std::int64_t maxLineWork = 250'000;
#else
inline constexpr std::int64_t maxLineWork = 1'000'000;
#endif

// What the steps of a line cost in work units, after their measured times.
inline constexpr std::int64_t operatorVisit = 1;
inline constexpr std::int64_t applicationVisit = 20; // its copy list made and torn down
inline constexpr std::int64_t argumentCost = 10;     // one argument copied and reduced
inline constexpr std::int64_t lookupStepCost = 1;    // one binding compared
inline constexpr std::int64_t nodeCost = 16;         // one node made and, later, torn down
inline constexpr std::int64_t diagnosticCost = 8;    // one diagnostic line formatted

// Characters of an answer text, NUL excluded, before it is cut.
inline constexpr std::size_t maxAnswerLength = 2047;

// Characters kept from an answer text that is cut; "...]" follows them.
inline constexpr std::size_t cutAnswerLength = maxAnswerLength - 4;

} // namespace quorin

#endif
