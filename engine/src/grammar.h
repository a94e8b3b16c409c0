// The grammar: one line of text into an expression tree, or into new bindings
// of the root environment. Each bracket level is folded into a tree as it is
// read (termLevel.h). Failures throw codes 4 to 7.
#ifndef QUORIN_GRAMMAR_H
#define QUORIN_GRAMMAR_H

namespace quorin {

class knob;
struct binding;

// A tree (one reference for the caller), or none for a root-environment line.
// end, when given, receives where the level stopped: after a ")" it consumed,
// at a "," or "]" it left, or at the end of the text.
knob* parseExpr(const char* position, const char** end = nullptr);

// From just after a "[": the binding list up to its "]"; end receives the
// position after that "]".
binding* parseEnv(const char* position, const char*& end);

} // namespace quorin

#endif
