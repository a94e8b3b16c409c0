#include "grammar.h"

#include "binding.h"
#include "engineLimits.h"
#include "engineState.h"
#include "errors.h"
#include "knob.h"
#include "scanner.h"
#include "termLevel.h"

#include <string_view>

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

// group -> "(" expr [")"]   (a name alone in parentheses is marked 'v')
const char* readGroup(const char* position, termLevel& terms) {
    knob* tree = parseExpr(position, &position);
    if (!tree) raiseError(parseError);
    if (tree->kind == nodeKind::name) tree->kind = nodeKind::groupedName;
    terms.addOperand(tree);
    return position;
}

// application -> item "[" bindings   (applies the item just before it)
const char* readApplication(const char* position, termLevel& terms) {
    heldList arguments(parseEnv(position, position));
    terms.applyLast(arguments);
    return position;
}

// root environment form -> "[" bindings END   (only as a whole line)
const char* readRootEnvironmentForm(const char* position, termLevel& terms) {
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

const char* closeLevel(const char* position, const termLevel& terms) {
    if (terms.empty()) raiseError(parseError);
    return position;
}

// terms -> { blank | number | name | group | sign | application | root environment form }
//          ( ")" | "," | "]" | END )
// Reads the items of one level into terms; returns where it stopped.
const char* parseTerms(const char* position, termLevel& terms) {
    for (;;) {
        switch (classOf(*position)) {
        case characterClass::blank:
            ++position;
            break;
        case characterClass::digit: {
            knob* number;
            position = scanNumber(position, number);
            terms.addOperand(number);
            break;
        }
        case characterClass::letter: {
            knob* name;
            position = parseVar(position, name);
            terms.addOperand(name);
            break;
        }
        case characterClass::sign: // sign -> "+" | "-" | "*" | "/" | "^"
            terms.addSign(*position);
            ++position;
            break;
        case characterClass::openGroup:
            position = readGroup(position + 1, terms);
            break;
        case characterClass::openList:
            position = terms.empty() ? readRootEnvironmentForm(position + 1, terms)
                                     : readApplication(position + 1, terms);
            break;
        case characterClass::closeGroup:
            return closeLevel(position + 1, terms);
        case characterClass::separator:
            return closeLevel(position, terms);
        case characterClass::end:
            return position;
        case characterClass::other:
            raiseError(parseError);
        }
    }
}

} // namespace

// expr -> terms   (one level, folded into a tree)
knob* parseExpr(const char* position, const char** end) {
    parseLevel level;
    termLevel terms;
    const char* stop = parseTerms(position, terms);
    if (terms.empty()) {
        if (terms.rootEnvironmentForm) return nullptr;
        raiseError(parseError);
    }
    if (end) *end = stop;
    return terms.fold();
}

// bindings -> "]" | name ["=" expr] { "," name ["=" expr] } "]"
//   ("[]" binds the reserved name to 0; a name without "=" binds nothing)
binding* parseEnv(const char* position, const char*& end) {
    if (*position == ']') {
        end = position + 1;
        return newBinding(reservedName, new numKnob(0.0), nullptr);
    }
    heldList list;
    std::string_view name;
    position = scanName(position, name);
    for (;;) {
        switch (*position) {
        case ' ':
            ++position;
            break;
        case ',':
            position = scanName(position + 1, name);
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

} // namespace quorin
