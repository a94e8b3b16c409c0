#include "rootEnvironment.h"

#include "binding.h"
#include "engineState.h"
#include "knob.h"

namespace quorin {

namespace {

struct constantDefinition {
    const char* name;
    double value;
};

constexpr constantDefinition constants[] = {
    {"PI", 3.141592653589793},
    {"E", 2.718281828459045},
};

void define(const char* name, knob* tree) {
    rootEnvironment = newBinding(name, tree, rootEnvironment);
}

} // namespace

void buildRootEnvironment() {
    for (const constantDefinition& constant : constants)
        define(constant.name, new numKnob(constant.value));
    for (std::int32_t index = 1; index <= builtinKnob::functionCount; ++index)
        define(builtinKnob::functionName(index), new builtinKnob(index));
}

} // namespace quorin
