// The engine's state between calls: the root environment and the count of
// applications in progress. One thread, no locks.
#ifndef QUORIN_ENGINE_STATE_H
#define QUORIN_ENGINE_STATE_H

#include <cstdint>

namespace quorin {

struct binding;

// Every name known at the top level; null when empty.
extern binding* rootEnvironment;

// Applications in progress during the current line; 0 at its start.
extern std::int32_t nestDepth;

} // namespace quorin

#endif
