#include "binding.h"
#include "errors.h"
#include "heapText.h"
#include "knob.h"
#include "textWriter.h"

namespace quorin {

varKnob::varKnob(const char* name, std::int8_t lookupMark)
    : knob(nodeKind::name), lookupMark(lookupMark), name(copyText(name)) {}

varKnob::~varKnob() {
    freeText(name);
}

knob* varKnob::boundValue(const binding* environment) const {
    if (lookupMark == 1 || !environment) return nullptr;
    return lookup(environment, name);
}

// A found value is evaluated without any environment: it must stand on its own.
evaluation varKnob::evaluate(const binding* environment) const {
    if (const knob* value = boundValue(environment)) return value->evaluate(nullptr);
    reportError(undefinedVariable, name);
    return failureOf(undefinedVariable);
}

// A found value is substituted as it is, not reduced again.
knob* varKnob::reduce(const binding* environment) {
    if (knob* value = boundValue(environment)) return value->addRef();
    return addRef();
}

int varKnob::print(textWriter& out) const {
    const std::size_t start = out.length();
    out.writeUnmeasured(name);
    return static_cast<int>(out.length() - start);
}

} // namespace quorin
