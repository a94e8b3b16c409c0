#include "grammar.h"

#include "binding.h"
#include "engineLimits.h"
#include "engineState.h"
#include "errors.h"
#include "knob.h"
#include "operators.h"
#include "scanner.h"
#include "termCell.h"

#include <iterator>

namespace quorin {

namespace {

// One level of parseExpr on the stack; a line nested deeper is refused.
class parseLevel {
  public:
    parseLevel() {
        if (currentLine.parseDepth >= maxParseDepth) raiseError(parseError);
        ++currentLine.parseDepth;
    }
    ~parseLevel() { --currentLine.parseDepth; }
    parseLevel(const parseLevel&) = delete;
    parseLevel& operator=(const parseLevel&) = delete;
};

void storeItem(termList& terms, knob* node, bool isSign = false) {
    terms.current->node = node;
    terms.current->holdsSign = isSign;
    terms.current = appendCell(terms.current);
}

// sign -> "+" | "-" | "*" | "/" | "^"   (a "-" that opens a level reads as "0 -")
const char* readSign(const char* position, termList& terms) {
    if (*position == '-' && terms.current == terms.head) storeItem(terms, new numKnob(0.0));
    storeItem(terms, new opKnob(nullptr, nullptr, *position), true);
    return position + 1;
}

// group -> "(" expr [")"]   (a name alone in parentheses is marked 'v')
const char* readGroup(const char* position, termList& terms) {
    knob* tree = parseExpr(position, &position);
    if (!tree) raiseError(parseError);
    if (tree->kind == nodeKind::name) tree->kind = nodeKind::groupedName;
    storeItem(terms, tree);
    return position;
}

// application -> item "[" bindings   (applies the item just before it)
const char* readApplication(const char* position, termList& terms) {
    heldList arguments(parseEnv(position, position));
    termCell* applied = terms.current->prev;
    applied->node = new callKnob(applied->node, arguments.get());
    arguments.handOver();
    return position;
}

// root environment form -> "[" bindings END   (only as a whole line)
const char* readRootEnvironmentForm(const char* position, termList& terms) {
    heldList bindings(parseEnv(position, position));
    if (*position != '\0') raiseError(parseError);
    binding* last = bindings.get();
    while (last->next)
        last = last->next;
    last->next = rootEnvironment;
    rootEnvironment = bindings.handOver();
    terms.rootEnvironmentForm = true;
    return position;
}

const char* closeLevel(const char* position, termList& terms) {
    if (terms.current == terms.head) raiseError(parseError);
    terms.dropTrailingCell();
    return position;
}

// A sign with an item on either side becomes one item: item sign item -> item.
void foldSign(termList& terms, termCell* sign) {
    termCell* left = sign->prev;
    termCell* right = sign->next;
    if (!right || left->holdsSign || right->holdsSign) raiseError(parseErrorAtSubmount);
    auto* op = static_cast<opKnob*>(sign->node);
    op->setLeft(left->node);
    op->setRight(right->node);
    sign->holdsSign = false;
    sign->prev = left->prev;
    if (left->prev)
        left->prev->next = sign;
    else
        terms.head = sign;
    sign->next = right->next;
    if (right->next) right->next->prev = sign;
    delete left;
    delete right;
}

} // namespace

// expr -> terms   (one level, folded into a tree by mount)
knob* parseExpr(const char* position, const char** end) {
    parseLevel level;
    termList terms;
    const char* stop = parseTerms(position, terms);
    if (!terms.head->node) {
        if (terms.rootEnvironmentForm) return nullptr;
        raiseError(parseError);
    }
    terms.dropTrailingCell();
    if (end) *end = stop;
    return mount(terms);
}

// terms -> { blank | number | name | group | sign | application | root environment form }
//          ( ")" | "," | "]" | END )
const char* parseTerms(const char* position, termList& terms) {
    for (;;) {
        const char character = *position;
        if (character == '\0') return position;
        if (character == ')') return closeLevel(position + 1, terms);
        if (character == ',' || character == ']') return closeLevel(position, terms);
        if (isBlank(character)) {
            ++position;
        } else if (character == '(') {
            position = readGroup(position + 1, terms);
        } else if (findOperator(character)) {
            position = readSign(position, terms);
        } else if (character == '[') {
            position = terms.current == terms.head ? readRootEnvironmentForm(position + 1, terms)
                                                   : readApplication(position + 1, terms);
        } else if (isLetter(character)) {
            knob* name;
            position = parseVar(position, name);
            storeItem(terms, name);
        } else if (isDigit(character)) {
            knob* number;
            position = scanNumber(position, number);
            storeItem(terms, number);
        } else {
            raiseError(parseError);
        }
    }
}

// bindings -> "]" | name ["=" expr] { "," name ["=" expr] } "]"
//   ("[]" binds the reserved name to 0; a name without "=" binds nothing)
binding* parseEnv(const char* position, const char*& end) {
    if (*position == ']') {
        end = position + 1;
        return newBinding(reservedName, new numKnob(0.0), nullptr);
    }
    heldList list;
    char name[nameCapacity];
    position = scanName(name, position);
    for (;;) {
        switch (*position) {
        case ' ':
            ++position;
            break;
        case ',':
            position = scanName(name, position + 1);
            break;
        case '=': {
            knob* value = parseExpr(position + 1, &position);
            if (!value) raiseError(parseErrorAtParseEnv);
            list.append(newBinding(name, value, nullptr));
            break;
        }
        case ']':
            if (!list.get()) raiseError(parseErrorAtParseEnv);
            end = position + 1;
            return list.handOver();
        default:
            raiseError(parseErrorAtParseEnv);
        }
    }
}

// level -> item { sign item }   folded in decreasing precedence: "^" first,
// then "/", "*", "-", "+"
knob* mount(termList& terms) {
    for (auto op = std::rbegin(operators); op != std::rend(operators); ++op)
        submount(terms, op->sign);
    if (terms.head->next) raiseError(parseErrorAtMount);
    if (terms.head->holdsSign) raiseError(parseErrorAtSubmount);
    knob* tree = terms.head->node;
    terms.head->node = nullptr;
    return tree;
}

// item op item -> item, for each op-sign from left to right; the signs stand
// in the second, fourth, ... cells of a well-formed level
termCell* submount(termList& terms, char op) {
    termCell* position = terms.head->next;
    while (position) {
        if (position->holdsSign && position->node->kind == op) {
            foldSign(terms, position);
        } else if (!position->next) {
            raiseError(parseErrorAtSubmount);
        } else {
            position = position->next;
        }
        position = position->next;
    }
    return terms.head;
}

} // namespace quorin
