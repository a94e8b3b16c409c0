#include "knob.h"
#include "textWriter.h"
#include "treePrinter.h"

namespace quorin {

numKnob::numKnob(double value) : knob(nodeKind::number), value(value) {}

evaluation numKnob::evaluate(const binding*) const {
    return valueOf(value);
}

knob* numKnob::reduce(const binding*) {
    return addRef();
}

int numKnob::print(textWriter& out) const {
    const std::size_t start = out.length();
    printTree(*this, out);
    return static_cast<int>(out.length() - start);
}

} // namespace quorin
