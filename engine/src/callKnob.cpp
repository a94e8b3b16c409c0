#include "binding.h"
#include "engineState.h"
#include "errors.h"
#include "knob.h"
#include "lineBudget.h"
#include "textWriter.h"
#include "treePrinter.h"

#include <cstring>

namespace quorin {

namespace {

// One application in progress, counted in nestDepth for exactly as long as it runs.
class applicationLevel {
  public:
    applicationLevel() { ++currentLine.nestDepth; }
    ~applicationLevel() { --currentLine.nestDepth; }
    applicationLevel(const applicationLevel&) = delete;
    applicationLevel& operator=(const applicationLevel&) = delete;
};

// Argument values are reduced in the caller's environment before the application.
void reduceArguments(binding* copy, const binding* environment) {
    for (binding* record = copy; record; record = record->next) {
        chargeWork(argumentCost);
        knob* reduced = record->value->reduce(environment);
        release(record->value);
        record->value = reduced;
    }
}

} // namespace

callKnob::callKnob(knob* function, binding* arguments)
    : knob(nodeKind::application), function(function), arguments(arguments) {}

callKnob::~callKnob() {
    release(function);
    destroyList(arguments);
}

// A name is applied through its root binding; any other tree is applied as it
// is, a name in parentheses included.
knob* callKnob::resolveFunction() const {
    if (function->kind != nodeKind::name) return function;
    knob* resolved = function->reduce(rootEnvironment);
    release(resolved); // the root binding, or this node, keeps it alive
    return resolved;
}

evaluation callKnob::evaluate(const binding* environment) const {
    return visitTree(applicationVisit, [&] {
        heldList copy(copyList(arguments));
        applicationLevel level;
        if (currentLine.nestDepth > maxNestedApplications) return failureOf(nestOverflow);
        reduceArguments(copy.get(), environment);
        return resolveFunction()->evaluate(copy.get());
    });
}

// At the nesting limit the application stays in the tree, unapplied.
knob* callKnob::reduce(const binding* environment) {
    return visitTree(applicationVisit, [&] {
        heldList copy(copyList(arguments));
        reduceArguments(copy.get(), environment);
        knob* applied = resolveFunction();
        applicationLevel level;
        return currentLine.nestDepth < maxNestedApplications ? applied->reduce(copy.get())
                                                             : addRef();
    });
}

bool callKnob::hasEmptyArgumentList() const {
    return !arguments->next && std::strcmp(arguments->name(), reservedName) == 0;
}

int callKnob::print(textWriter& out) const {
    const std::size_t start = out.length();
    if (out.full()) return 0;
    // Uncharged: every visit writes a character or, once the buffer is
    // full, returns at once, so printing ends with the buffer.
    descend([&] {
        const bool named = function->kind == nodeKind::name;
        if (!named) out.put('(');
        printTree(*function, out);
        out.write(named ? "[" : ")[");
        if (!hasEmptyArgumentList()) printArguments(out);
        out.put(']');
        return true;
    });
    return static_cast<int>(out.length() - start);
}

// Each argument as "name = value", separated by " ,".
void callKnob::printArguments(textWriter& out) const {
    for (const binding* record = arguments; record && !out.full(); record = record->next) {
        if (record != arguments) out.write(" ,");
        out.write(record->name());
        out.write(" = ");
        printTree(*record->value, out);
    }
}

} // namespace quorin
