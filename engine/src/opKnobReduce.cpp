// Symbolic reduction of operator nodes: compute what can be computed, and fold
// the numbers of what cannot by a fixed set of regrouping rules.
#include "knob.h"
#include "knobRef.h"
#include "lineBudget.h"
#include "operators.h"
#include "portableMath.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <span>

namespace quorin {

namespace {

// One regrouping: an outer operator applied to a number and an inner operator
// node, one of whose operands is a number, becomes "number result X" where X
// is the inner node's other operand.
struct foldingRule {
    char inner;
    char outer;
    double (*number)(double outer, double inner);
    char result;
    bool numberOnRight = false; // "X result number" instead
};

// r = b inner X, folded into a outer r.
constexpr foldingRule numberLeftOfInnerRight[] = {
    {'+', '+', [](double a, double b) { return a + b; }, '+'},
    {'+', '-', [](double a, double b) { return a - b; }, '-'},
    {'-', '+', [](double a, double b) { return a + b; }, '-'},
    {'-', '-', [](double a, double b) { return a - b; }, '+'},
    {'*', '*', [](double a, double b) { return a * b; }, '*'},
    {'*', '/', [](double a, double b) { return a / b; }, '/'},
    {'*', '^', [](double a, double b) { return portableMath::pow(a, b); }, '^'},
    {'/', '*', [](double a, double b) { return a * b; }, '/'},
    {'/', '/', [](double a, double b) { return a / b; }, '*'},
};

// r = X inner b, folded into a outer r.
constexpr foldingRule numberRightOfInnerRight[] = {
    {'+', '+', [](double a, double b) { return a + b; }, '+'},
    {'+', '-', [](double a, double b) { return a - b; }, '-'},
    {'-', '+', [](double a, double b) { return a - b; }, '+'},
    {'-', '-', [](double a, double b) { return a + b; }, '-'},
    {'*', '*', [](double a, double b) { return a * b; }, '*'},
    {'*', '/', [](double a, double b) { return a / b; }, '/'},
    {'*', '^', [](double a, double b) { return portableMath::pow(a, b); }, '^'},
    {'/', '*', [](double a, double b) { return a / b; }, '*'},
    {'/', '/', [](double a, double b) { return a * b; }, '/'},
    {'/', '^', [](double a, double b) { return portableMath::pow(a, 1 / b); }, '^'},
};

// l = c inner X, folded into l outer b.
constexpr foldingRule numberLeftOfInnerLeft[] = {
    {'+', '+', [](double b, double c) { return b + c; }, '+'},
    {'+', '-', [](double b, double c) { return c - b; }, '+'},
    {'-', '+', [](double b, double c) { return c + b; }, '-'},
    {'-', '-', [](double b, double c) { return c - b; }, '-'},
    {'*', '*', [](double b, double c) { return b * c; }, '*'},
    {'*', '/', [](double b, double c) { return c / b; }, '*'},
    {'/', '*', [](double b, double c) { return c * b; }, '/'},
    {'/', '/', [](double b, double c) { return c / b; }, '/'},
    {'^', '^', [](double b, double c) { return portableMath::pow(c, b); }, '^'},
};

// l = X inner c, folded into l outer b.
constexpr foldingRule numberRightOfInnerLeft[] = {
    {'+', '+', [](double b, double c) { return b + c; }, '+'},
    {'+', '-', [](double b, double c) { return c - b; }, '+'},
    {'-', '+', [](double b, double c) { return b - c; }, '+'},
    {'-', '-', [](double b, double c) { return -b - c; }, '+'},
    {'*', '*', [](double b, double c) { return b * c; }, '*'},
    {'*', '/', [](double b, double c) { return c / b; }, '*'},
    {'/', '*', [](double b, double c) { return b / c; }, '*'},
    {'/', '/', [](double b, double c) { return 1 / (b * c); }, '*'},
    {'^', '^', [](double b, double c) { return b * c; }, '^', true},
};

constexpr std::size_t operatorCount = std::size(operators);

// A table of rules with the place of each (inner, outer) pair's rule, found
// by two look-ups instead of a search: most pairs have none.
class foldingTable {
  public:
    constexpr explicit foldingTable(std::span<const foldingRule> rules) : rules(rules) {
        for (auto& row : places)
            row.fill(-1);
        for (std::size_t place = rules.size(); place-- > 0;) // the first rule of a pair wins
            places[indexOf(rules[place].inner)][indexOf(rules[place].outer)] =
                static_cast<std::int8_t>(place);
    }

    // The rule for the operator inner under the operator outer; none when no
    // rule folds them.
    const foldingRule* find(char inner, char outer) const {
        const int place = places[indexOf(inner)][indexOf(outer)];
        return place < 0 ? nullptr : &rules[static_cast<std::size_t>(place)];
    }

  private:
    static constexpr std::size_t indexOf(char sign) {
        return static_cast<std::size_t>(detail::operatorIndex[static_cast<unsigned char>(sign)]);
    }

    std::span<const foldingRule> rules;
    std::array<std::array<std::int8_t, operatorCount>, operatorCount> places{};
};

constexpr foldingTable numberLeftOfInnerRightRules{numberLeftOfInnerRight};
constexpr foldingTable numberRightOfInnerRightRules{numberRightOfInnerRight};
constexpr foldingTable numberLeftOfInnerLeftRules{numberLeftOfInnerLeft};
constexpr foldingTable numberRightOfInnerLeftRules{numberRightOfInnerLeft};

bool isNumber(const knob& node) {
    return node.kind == nodeKind::number;
}

const double& numberValue(const knob& node) {
    return static_cast<const numKnob&>(node).value;
}

// Nodes made by reduction are charged to the line: reduction rebuilds a
// shared subtree once for every way it is reached, so a line can build
// nodes without end. (The parser's nodes are bounded by the line's length.)
knob* makeOperator(knobRef left, knobRef right, char op) {
    chargeWork(nodeCost);
    knob* node = new opKnob(left.get(), right.get(), op);
    left.handOver();
    right.handOver();
    return node;
}

knob* makeNumber(double value) {
    chargeWork(nodeCost);
    return new numKnob(value);
}

// A number node of value: operand itself when it is one of that very value
// (a number is its own value in every environment), else a new one.
knobRef numberFor(knob& operand, double value) {
    if (isNumber(operand) && std::memcmp(&numberValue(operand), &value, sizeof value) == 0)
        return knobRef(operand.addRef());
    return knobRef(makeNumber(value));
}

// The operand of inner that is not the number the rule folded away, with a
// reference of its own.
knobRef keptOperand(const opKnob& inner, bool numberOnLeft) {
    return knobRef((numberOnLeft ? inner.getRight() : inner.getLeft())->addRef());
}

} // namespace

// A power as r finds no rule in either table, so every operator node is tried.
knob* opKnob::reduceNumTree(double a, knobRef r) const {
    if (findOperator(r->kind)) {
        const auto& inner = static_cast<const opKnob&>(*r);
        const bool numberOnLeft = isNumber(*inner.getLeft());
        if (numberOnLeft || isNumber(*inner.getRight())) {
            const double b = numberValue(numberOnLeft ? *inner.getLeft() : *inner.getRight());
            const foldingTable& table =
                numberOnLeft ? numberLeftOfInnerRightRules : numberRightOfInnerRightRules;
            const foldingRule* rule = table.find(inner.kind, kind);
            if (rule) {
                knobRef x = keptOperand(inner, numberOnLeft);
                r = knobRef();
                return makeOperator(knobRef(makeNumber(rule->number(a, b))), std::move(x),
                                    rule->result);
            }
        }
    }
    return makeOperator(numberFor(*left, a), std::move(r), kind);
}

knob* opKnob::reduceTreeNum(knobRef l, double b) const {
    if (findOperator(l->kind)) {
        const auto& inner = static_cast<const opKnob&>(*l);
        const bool numberOnLeft = isNumber(*inner.getLeft());
        if (numberOnLeft || isNumber(*inner.getRight())) {
            const double c = numberValue(numberOnLeft ? *inner.getLeft() : *inner.getRight());
            const foldingTable& table =
                numberOnLeft ? numberLeftOfInnerLeftRules : numberRightOfInnerLeftRules;
            const foldingRule* rule = table.find(inner.kind, kind);
            if (rule) {
                knobRef x = keptOperand(inner, numberOnLeft);
                l = knobRef();
                knobRef number(makeNumber(rule->number(b, c)));
                return rule->numberOnRight
                           ? makeOperator(std::move(x), std::move(number), rule->result)
                           : makeOperator(std::move(number), std::move(x), rule->result);
            }
        }
    }
    return makeOperator(std::move(l), numberFor(*right, b), kind);
}

knob* opKnob::reduce(const binding* environment) {
    return visitTree(operatorVisit, [&] {
        const evaluation leftValue = left->evaluate(environment);
        if (!leftValue.failed()) return reduceWithNumericLeft(leftValue.value, environment);
        return reduceWithSymbolicLeft(environment);
    });
}

knob* opKnob::reduceWithNumericLeft(double leftValue, const binding* environment) {
    const operatorFacts& op = factsOf(kind);
    if (leftValue == 0.0) {
        if (op.leftZero == zeroRule::givesZero) return makeNumber(0.0);
        if (op.leftZero == zeroRule::givesOther) {
            const evaluation rightValue = evaluateOperand(*right, environment);
            if (!rightValue.failed()) return makeNumber(rightValue.value);
            return right->reduce(environment);
        }
    }
    const evaluation rightValue = evaluateOperand(*right, environment);
    if (!rightValue.failed()) return makeNumber(op.combine(leftValue, rightValue.value));
    return reduceNumTree(leftValue, knobRef(right->reduce(environment)));
}

knob* opKnob::reduceWithSymbolicLeft(const binding* environment) {
    knobRef reducedLeft(left->reduce(environment));
    const evaluation rightValue = evaluateOperand(*right, environment);
    if (rightValue.failed())
        return makeOperator(std::move(reducedLeft), knobRef(right->reduce(environment)), kind);
    if (rightValue.value == 0.0) {
        switch (factsOf(kind).rightZero) {
        case zeroRule::givesZero:
            return makeNumber(0.0);
        case zeroRule::givesOne:
            return makeNumber(1.0);
        case zeroRule::givesOther:
            return reducedLeft.handOver();
        case zeroRule::none:
            break;
        }
    }
    return reduceTreeNum(std::move(reducedLeft), rightValue.value);
}

} // namespace quorin
