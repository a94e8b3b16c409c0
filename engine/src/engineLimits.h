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

// The work of one line, in units of roughly 5 ns: a fraction of a second, and
// about twice what the heaviest typed line needs ('a' and 1,023 times '+1').
inline constexpr std::int64_t maxLineWork = 50'000'000;

// What the steps of a line cost in work units, after their measured times: a
// visit when it runs, and again when a failed trial evaluation unwinds it.
struct visitCost {
    std::int64_t running;
    std::int64_t unwinding;
};
inline constexpr visitCost operatorVisit{1, 50};
inline constexpr visitCost applicationVisit{20, 300}; // its copy list made and torn down
// Raising, catching and reporting a failed trial: five times what it costs in
// the native build, because exceptions cost that much more in the slowest
// builds (32-bit Windows, sanitizers), and lines made of failed trials must
// end as quickly there.
inline constexpr std::int64_t failedTrialCost = 1500;
inline constexpr std::int64_t argumentCost = 10;  // one argument copied and reduced
inline constexpr std::int64_t lookupStepCost = 1; // one binding compared

// Characters of an answer text, NUL excluded, before it is cut.
inline constexpr std::size_t maxAnswerLength = 2047;

// Characters kept from an answer text that is cut; "...]" follows them.
inline constexpr std::size_t cutAnswerLength = maxAnswerLength - 4;

} // namespace quorin

#endif
