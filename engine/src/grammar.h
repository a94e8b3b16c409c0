// The grammar: one line of text into an expression tree, or into new bindings
// of the root environment. Each bracket level is read into a term list by
// parseTerms and folded into a tree by mount. Failures throw codes 4 to 7.
#ifndef QUORIN_GRAMMAR_H
#define QUORIN_GRAMMAR_H

namespace quorin {

class knob;
struct binding;
struct termList;
struct termCell;

// A tree (one reference for the caller), or none for a root-environment line.
// end, when given, receives where the level stopped: after a ")" it consumed,
// at a "," or "]" it left, or at the end of the text.
knob* parseExpr(const char* position, const char** end = nullptr);

// Reads the items of one level into terms; returns where it stopped.
const char* parseTerms(const char* position, termList& terms);

// From just after a "[": the binding list up to its "]"; end receives the
// position after that "]".
binding* parseEnv(const char* position, const char*& end);

// Folds the items of terms into one tree and returns it.
knob* mount(termList& terms);

// Folds every sign of operator op in terms, left to right; returns the head.
termCell* submount(termList& terms, char op);

} // namespace quorin

#endif
