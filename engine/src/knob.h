// The expression tree: the reference-counted node base `knob` and its kinds.
//
// Ownership: whoever creates a node owns its one reference; a node holds one
// reference on each child; constructors adopt the references they are given;
// reduce returns a new reference; evaluate and print take and give none.
#ifndef QUORIN_KNOB_H
#define QUORIN_KNOB_H

#include "errors.h"
#include "operators.h"

#include <cstddef>
#include <cstdint>
#include <new>
#include <string_view>

namespace quorin {

struct binding;
class textWriter;

// The kind characters of the nodes that are no operator (an operator node's
// kind is its sign, operators.h).
namespace nodeKind {
inline constexpr char number = 'l';
inline constexpr char name = 'V';
inline constexpr char groupedName = 'v'; // a name that stood alone in parentheses
inline constexpr char application = 'F';
inline constexpr char builtin = 'L';
} // namespace nodeKind

// What a numeric evaluation gives: the value, or the code of the error that
// stopped it. Reduction tries evaluations all the time and takes the
// symbolic way when one fails, so a failure comes back as a value; only
// what ends the whole line is thrown.
struct [[nodiscard]] evaluation {
    double value;
    errorCode failure; // 0 when there is a value

    bool failed() const { return failure != 0; }
};

inline evaluation valueOf(double value) {
    return {value, 0};
}

inline evaluation failureOf(errorCode code) {
    return {0.0, code};
}

class knob {
  public:
    static void* operator new(std::size_t size);
    static void operator delete(void* storage, std::size_t size) noexcept;

    // The count is set here, not by the allocator: stores into storage before
    // the constructor runs are not part of the object and may be discarded.
    explicit knob(char kind)
        : refCount(1), kind(kind), precedence(precedenceByKind[static_cast<unsigned char>(kind)]) {}
    knob(const knob&) = delete;
    knob& operator=(const knob&) = delete;
    // Teardown: releases what the node holds; release frees the node itself.
    virtual ~knob() = default;

    // The numeric value under environment, or the error code when there is none.
    virtual evaluation evaluate(const binding* environment) const = 0;
    // A tree that means the same under environment, as a new reference.
    virtual knob* reduce(const binding* environment) = 0;
    // Writes the node's text; returns the number of characters written.
    virtual int print(textWriter& out) const = 0;

    knob* addRef() {
        ++refCount;
        return this;
    }

    // Packed into 16 bytes with the table pointer: a worksheet holds its
    // definitions' nodes for as long as it runs.
    std::int32_t refCount;
    char kind;
    std::int8_t precedence;
};

// Tears down a node whose last reference went. Never recurses over the depth
// of a tree, however deep.
void tearDown(knob* node);

// Drops one reference; the last one tears the node down.
inline void release(knob* node) {
    if (--node->refCount == 0) tearDown(node);
}

// A number constant (nodeKind::number).
class numKnob final : public knob {
  public:
    explicit numKnob(double value);

    evaluation evaluate(const binding* environment) const override;
    knob* reduce(const binding* environment) override;
    int print(textWriter& out) const override;

    const double value;
};

class knobRef;

// One of the five operators (its kind is the operator's sign).
class opKnob final : public knob {
  public:
    // Adopts both operands; the parser builds a sign without them and sets
    // them when it folds the sign.
    opKnob(knob* left, knob* right, char op);
    ~opKnob() override;

    evaluation evaluate(const binding* environment) const override;
    knob* reduce(const binding* environment) override;
    int print(textWriter& out) const override;

    knob* getLeft() const { return left; }
    knob* getRight() const { return right; }
    void setLeft(knob* operand);
    void setRight(knob* operand);

    // Folds the number a, as this operator's left operand, into the reduced right operand r.
    knob* reduceNumTree(double a, knobRef r) const;
    // Folds the number b, as this operator's right operand, into the reduced left operand l.
    knob* reduceTreeNum(knobRef l, double b) const;

  private:
    friend struct teardownQueue;

    knob* reduceWithNumericLeft(double leftValue, const binding* environment);
    knob* reduceWithSymbolicLeft(const binding* environment);

    knob* left;
    knob* right;
};

// A name (nodeKind::name, or groupedName when it stood alone in parentheses).
// The name's characters follow the node in its block, so a name costs no
// block of its own: made as new (name) varKnob(name, lookupMark).
class varKnob final : public knob {
  public:
    static void* operator new(std::size_t size, std::string_view name);
    // Frees the block by the size its name gave it.
    static void operator delete(varKnob* node, std::destroying_delete_t) noexcept;

    varKnob(std::string_view name, std::int8_t lookupMark) noexcept;

    evaluation evaluate(const binding* environment) const override;
    knob* reduce(const binding* environment) override;
    int print(textWriter& out) const override;

    const char* name() const { return reinterpret_cast<const char*>(this + 1); }

    // The value environment binds the name to, lent; none when it binds none
    // or the name is never looked up.
    knob* boundValue(const binding* environment) const;

    const std::int8_t lookupMark; // 1: never looked up; beside kind, in the base's padding
};

// An application of a tree to a binding list (nodeKind::application).
class callKnob final : public knob {
  public:
    // Adopts the tree and the list, which is never empty.
    callKnob(knob* function, binding* arguments);
    ~callKnob() override;

    evaluation evaluate(const binding* environment) const override;
    knob* reduce(const binding* environment) override;
    int print(textWriter& out) const override;

    // Fixed from construction to teardown, which takes them apart.
    knob* function;
    binding* arguments;

  private:
    friend struct teardownQueue;

    knob* resolveFunction() const;
    bool hasEmptyArgumentList() const;
    void printArguments(textWriter& out) const;
};

// One of the built-in mathematical functions of x (nodeKind::builtin).
class builtinKnob final : public knob {
  public:
    static constexpr std::int32_t functionCount = 13;
    // The name the root environment binds to function index (1 to functionCount).
    static const char* functionName(std::int32_t index);

    explicit builtinKnob(std::int32_t functionIndex);

    evaluation evaluate(const binding* environment) const override;
    knob* reduce(const binding* environment) override;
    int print(textWriter& out) const override;

    const std::int32_t functionIndex;
};

// operand.evaluate(environment), with a number's value read in line: the
// operand met most, and its value is the same under every environment.
inline evaluation evaluateOperand(const knob& operand, const binding* environment) {
    if (operand.kind == nodeKind::number)
        return valueOf(static_cast<const numKnob&>(operand).value);
    return operand.evaluate(environment);
}

} // namespace quorin

#endif
