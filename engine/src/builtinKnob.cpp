#include "binding.h"
#include "errors.h"
#include "knob.h"
#include "knobRef.h"
#include "lineBudget.h"
#include "portableMath.h"
#include "textWriter.h"

#include <cmath>

namespace quorin {

namespace {

struct builtinFunction {
    const char* name;
    double (*compute)(double argument);
};

// In functionIndex order, from 1.
constexpr builtinFunction builtinFunctions[builtinKnob::functionCount] = {
    {"sin", portableMath::sin},
    {"cos", portableMath::cos},
    {"tan", portableMath::tan},
    {"asin", portableMath::asin},
    {"acos", portableMath::acos},
    {"atan", portableMath::atan},
    {"abs", [](double v) { return std::fabs(v); }},
    {"sqrt", portableMath::sqrt},
    {"exp", portableMath::exp},
    {"log", portableMath::log10},
    {"ln", portableMath::log},
    {"delta", [](double v) { return v == 0.0 ? 1.0 : 0.0; }},
    {"step", [](double v) { return v < 0.0 ? 0.0 : 1.0; }},
};

constexpr char argumentName[] = "x";

const builtinFunction* functionAt(std::int32_t index) {
    if (index < 1 || index > builtinKnob::functionCount) return nullptr;
    return &builtinFunctions[index - 1];
}

} // namespace

const char* builtinKnob::functionName(std::int32_t index) {
    return functionAt(index)->name;
}

builtinKnob::builtinKnob(std::int32_t functionIndex)
    : knob(nodeKind::builtin), functionIndex(functionIndex) {}

// The argument must be computable without names: it is evaluated with none.
evaluation builtinKnob::evaluate(const binding* environment) const {
    const knob* argument = environment ? lookup(environment, argumentName) : nullptr;
    if (!argument) return failureOf(argumentLoss);
    const evaluation value = evaluateOperand(*argument, nullptr);
    if (value.failed()) return value;
    const builtinFunction* function = functionAt(functionIndex);
    return valueOf(function ? function->compute(value.value) : 0.0);
}

// An argument that still holds names keeps the application: (sin[x = x])[x = a].
knob* builtinKnob::reduce(const binding* environment) {
    knob* argument = environment ? lookup(environment, argumentName) : nullptr;
    if (!argument) return addRef();
    const evaluation value = evaluate(environment);
    chargeWork(nodeCost); // the number or the application made below
    if (!value.failed()) return new numKnob(value.value);
    knobRef self(addRef());
    heldList arguments(newBinding(argumentName, argument->addRef(), nullptr));
    knob* application = new callKnob(self.get(), arguments.get());
    self.handOver();
    arguments.handOver();
    return application;
}

int builtinKnob::print(textWriter& out) const {
    const std::size_t start = out.length();
    if (const builtinFunction* function = functionAt(functionIndex)) {
        out.write(function->name);
        out.write("[x = x]");
    }
    return static_cast<int>(out.length() - start);
}

} // namespace quorin
