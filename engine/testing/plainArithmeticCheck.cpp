#include "plainArithmeticCheck.h"

#include "engineState.h"
#include "errors.h"
#include "grammar.h"
#include "knob.h"
#include "knobRef.h"
#include "plainArithmetic.h"

#include <cmath>
#include <cstring>
#include <new>

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
    knobRef reduced;
    try {
        tree = knobRef(parseExpr(line.c_str()));
        if (!tree) return "is a root-environment line";
        reduced = knobRef(tree->reduce(nullptr));
    } catch (errorCode code) {
        return "the tree fails with " + std::to_string(code);
    } catch (const lineAbort&) {
        // Past the general way's bounds on depth or work (a chain of more than
        // 2,048 signs): it has no answer to hold the reader's to.
        return "";
    } catch (const std::bad_alloc&) {
        return "";
    } catch (...) {
        return "the general way throws what is no error of the engine";
    }
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
