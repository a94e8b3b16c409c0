// The names every worksheet starts with.
#ifndef QUORIN_ROOT_ENVIRONMENT_H
#define QUORIN_ROOT_ENVIRONMENT_H

namespace quorin {

// Puts PI, E and the built-in functions, one after the other, in front of the
// root environment, so that afterwards the list reads step, delta, ... sin, E, PI.
void buildRootEnvironment();

} // namespace quorin

#endif
