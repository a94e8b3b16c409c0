#include "termStack.h"

#include "errors.h"
#include "knob.h"
#include "operators.h"

#include <span>
#include <vector>

namespace quorin {

std::vector<termItem> termLevel::items;

namespace {

bool isOperatorSign(const termItem& item) {
    return item.sign && findOperator(item.node->kind);
}

// Operands at the even places, operator signs at the odd ones, an operand last.
bool alternates(std::span<const termItem> level) {
    if (level.size() % 2 == 0) return false;
    for (std::size_t i = 0; i < level.size(); ++i)
        if (i % 2 == 1 ? !isOperatorSign(level[i]) : level[i].sign) return false;
    return true;
}

// Folding by precedence, left to right within one: the tree the five passes
// build. Signs wait while they bind more loosely than the one that follows,
// so at most one of each precedence waits.
knob* foldAlternating(std::span<const termItem> level) {
    constexpr std::size_t precedences = std::size(operators);
    knob* operands[precedences + 1];
    opKnob* signs[precedences];
    std::size_t operandCount = 0;
    std::size_t signCount = 0;
    const auto foldLast = [&] {
        opKnob* sign = signs[--signCount];
        sign->setRight(operands[--operandCount]);
        sign->setLeft(operands[operandCount - 1]);
        operands[operandCount - 1] = sign;
    };
    operands[operandCount++] = level[0].node;
    for (std::size_t i = 1; i < level.size(); i += 2) {
        auto* sign = static_cast<opKnob*>(level[i].node);
        while (signCount > 0 && signs[signCount - 1]->precedence >= sign->precedence)
            foldLast();
        signs[signCount++] = sign;
        operands[operandCount++] = level[i + 1].node;
    }
    while (signCount > 0)
        foldLast();
    return operands[0];
}

// Which error the five passes meet in a level that does not alternate: each
// pass walks the odd places of what is left and folds the signs of its
// operator, and a fold merges three places into one, so every item keeps the
// parity of its place. Nothing is built; the level is released afterwards.
errorCode foldingError(std::span<const termItem> level) {
    const std::size_t count = level.size();
    std::vector<std::size_t> next(count);
    std::vector<std::size_t> previous(count);
    std::vector<bool> sign(count);
    for (std::size_t i = 0; i < count; ++i) {
        next[i] = i + 1;
        previous[i] = i - 1; // wraps for the head, which is never read as a left neighbour
        sign[i] = level[i].sign;
    }
    std::size_t head = 0;
    for (auto op = std::rbegin(operators); op != std::rend(operators); ++op) {
        std::size_t place = next[head];
        while (place < count) {
            if (sign[place] && level[place].node->kind == op->sign) {
                const std::size_t right = next[place];
                if (right >= count) return parseErrorAtSubmount;
                const std::size_t left = previous[place];
                if (sign[left] || sign[right]) return parseErrorAtSubmount;
                sign[place] = false;
                previous[place] = previous[left];
                if (left == head)
                    head = place;
                else
                    next[previous[left]] = place;
                next[place] = next[right];
                if (next[right] < count) previous[next[right]] = place;
            } else if (next[place] >= count) {
                return parseErrorAtSubmount;
            } else {
                place = next[place];
            }
            place = next[place];
        }
    }
    if (next[head] < count) return parseErrorAtMount;
    return parseErrorAtSubmount; // a sign alone
}

} // namespace

termLevel::termLevel() : base(items.size()) {}

termLevel::~termLevel() {
    for (std::size_t i = base; i < items.size(); ++i)
        release(items[i].node);
    items.resize(base);
}

void termLevel::pushGrowing(knob* node, bool sign) {
    try {
        items.push_back({node, sign});
    } catch (...) {
        release(node);
        throw;
    }
}

bool termLevel::empty() const {
    return items.size() == base;
}

termItem& termLevel::last() {
    return items.back();
}

knob* termLevel::fold() {
    const std::span<const termItem> level(items.data() + base, items.size() - base);
    if (!alternates(level)) raiseError(foldingError(level));
    knob* tree = foldAlternating(level);
    items.resize(base);
    return tree;
}

} // namespace quorin
