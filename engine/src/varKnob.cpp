#include "binding.h"
#include "errors.h"
#include "knob.h"
#include "nameText.h"
#include "nodeStorage.h"
#include "textWriter.h"
#include "treePrinter.h"

namespace quorin {

namespace {

std::size_t blockSize(const char* name) {
    return sizeof(varKnob) + nameSize(name);
}

} // namespace

void* varKnob::operator new(std::size_t, std::string_view name) {
    return allocateNode(sizeof(varKnob) + name.size() + 1);
}

void varKnob::operator delete(varKnob* node, std::destroying_delete_t) noexcept {
    const std::size_t size = blockSize(node->name());
    node->~varKnob();
    freeNode(node, size);
}

varKnob::varKnob(std::string_view name, std::int8_t lookupMark) noexcept
    : knob(nodeKind::name), lookupMark(lookupMark) {
    copyName(reinterpret_cast<char*>(this + 1), name);
}

knob* varKnob::boundValue(const binding* environment) const {
    if (lookupMark == 1 || !environment) return nullptr;
    return lookup(environment, name());
}

// A found value is evaluated without any environment: it must stand on its own.
evaluation varKnob::evaluate(const binding* environment) const {
    if (const knob* value = boundValue(environment)) return evaluateOperand(*value, nullptr);
    reportError(undefinedVariable, name());
    return failureOf(undefinedVariable);
}

// A found value is substituted as it is, not reduced again.
knob* varKnob::reduce(const binding* environment) {
    if (knob* value = boundValue(environment)) return value->addRef();
    return addRef();
}

int varKnob::print(textWriter& out) const {
    const std::size_t start = out.length();
    printTree(*this, out);
    return static_cast<int>(out.length() - start);
}

} // namespace quorin
