// How a tree is written as text. Every node kind prints itself through its
// virtual print; the recursion here writes numbers, names and operators, the
// bulk of every tree, without a virtual call each.
#ifndef QUORIN_TREE_PRINTER_H
#define QUORIN_TREE_PRINTER_H

namespace quorin {

class knob;
class textWriter;

// Writes node's text.
void printTree(const knob& node, textWriter& out);

} // namespace quorin

#endif
