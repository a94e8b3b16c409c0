#include "binding.h"
#include "engineState.h"
#include "errors.h"
#include "knob.h"
#include "knobRef.h"
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

// What an applied tree sees: the arguments, their values reduced in the
// caller's environment, one record after the other. Where every value
// reduces to itself, as a number does, the arguments themselves serve;
// else a working copy holds the reduced values, made from the first that
// changed.
class appliedArguments {
  public:
    appliedArguments(const binding* arguments, const binding* environment) : arguments(arguments) {
        for (const binding* record = arguments; record; record = record->next) {
            chargeWork(argumentCost);
            knobRef reduced(record->value->reduce(environment));
            if (!copy.get() && reduced.get() == record->value) continue;
            if (!copy.get()) copyUpTo(record);
            copy.append(newBinding(record->name(), reduced.handOver(), nullptr));
        }
    }

    const binding* get() const { return copy.get() ? copy.get() : arguments; }

  private:
    // The records before end, whose values reduced to themselves.
    void copyUpTo(const binding* end) {
        for (const binding* record = arguments; record != end; record = record->next)
            copy.append(newBinding(record->name(), record->value->addRef(), nullptr));
    }

    const binding* const arguments;
    heldList copy;
};

} // namespace

callKnob::callKnob(knob* function, binding* arguments)
    : knob(nodeKind::application), function(function), arguments(arguments) {}

callKnob::~callKnob() {
    if (function) release(function);
    destroyList(arguments);
}

// A name is applied through its root binding; any other tree is applied as it
// is, a name in parentheses included.
knob* callKnob::resolveFunction() const {
    if (function->kind != nodeKind::name) return function;
    knob* bound = static_cast<const varKnob&>(*function).boundValue(rootEnvironment);
    return bound ? bound : function;
}

evaluation callKnob::evaluate(const binding* environment) const {
    return visitTree(applicationVisit, [&] {
        applicationLevel level;
        if (currentLine.nestDepth > maxNestedApplications) return failureOf(nestOverflow);
        const appliedArguments applied(arguments, environment);
        return resolveFunction()->evaluate(applied.get());
    });
}

// At the nesting limit the application stays in the tree, unapplied.
knob* callKnob::reduce(const binding* environment) {
    return visitTree(applicationVisit, [&] {
        const appliedArguments applied(arguments, environment);
        knob* tree = resolveFunction();
        applicationLevel level;
        return currentLine.nestDepth < maxNestedApplications ? tree->reduce(applied.get())
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
