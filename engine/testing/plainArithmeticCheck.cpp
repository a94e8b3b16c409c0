#include "plainArithmeticCheck.h"

#include "engineState.h"
#include "errors.h"
#include "grammar.h"
#include "knob.h"
#include "knobRef.h"
#include "plainArithmetic.h"

#include <cmath>
#include <cstring>

namespace quorin {

namespace {

bool sameNumber(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

int operatorNodes(const knob& node) {
    const auto* op = dynamic_cast<const opKnob*>(&node);
    return op ? 1 + operatorNodes(*op->getLeft()) + operatorNodes(*op->getRight()) : 0;
}

std::string plainArithmeticMismatch(const std::string& line) {
    const auto plain = answerPlainArithmetic(line.c_str());
    if (!plain) return "";
    startLine();
    knobRef tree;
    try {
        tree = knobRef(parseExpr(line.c_str()));
    } catch (errorCode code) {
        return "the tree fails with " + std::to_string(code);
    }
    if (!tree) return "is a root-environment line";
    const knobRef reduced(tree->reduce(nullptr));
    if (reduced->kind != nodeKind::number) return "stays symbolic";
    const double value = static_cast<const numKnob&>(*reduced).value;
    if (!sameNumber(plain->value, value))
        return "the tree gives " + std::to_string(value) + ", the reader " +
               std::to_string(plain->value);
    if (plain->signCount != operatorNodes(*tree))
        return "the tree has " + std::to_string(operatorNodes(*tree)) +
               " operator nodes, the reader " + std::to_string(plain->signCount);
    return "";
}

} // namespace quorin
