// The grammar: one line of text into an expression tree, or into new bindings
// of the root environment. Each bracket level is read into a term level by
// parseTerms and folded into a tree. Failures throw codes 4 to 7.
#ifndef QUORIN_GRAMMAR_H
#define QUORIN_GRAMMAR_H

namespace quorin {

class knob;
struct binding;
class termLevel;

// A tree (one reference for the caller), or none for a root-environment line.
// end, when given, receives where the level stopped: after a ")" it consumed,
// at a "," or "]" it left, or at the end of the text.
knob* parseExpr(const char* position, const char** end = nullptr);

// Reads the items of one level into terms; returns where it stopped.
const char* parseTerms(const char* position, termLevel& terms);

// From just after a "[": the binding list up to its "]"; end receives the
// position after that "]".
binding* parseEnv(const char* position, const char*& end);

} // namespace quorin

#endif
