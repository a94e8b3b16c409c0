#include "engine_test_support.h"

#include <string>

namespace quorin {
namespace {

using referencesTest = engineTest;

int teardownNotes(const std::string& output) {
    int count = 0;
    for (auto at = output.find("knob destructor called\n"); at != std::string::npos;
         at = output.find("knob destructor called\n", at + 1))
        ++count;
    return count;
}

TEST_F(referencesTest, sharedSubtreeOutlivesOneOfItsHolders) {
    knob* shared = new numKnob(2);
    EXPECT_EQ(shared->refCount, 1);
    knob* first = new opKnob(shared, new numKnob(1), '+');
    knob* second = new opKnob(new numKnob(3), shared->addRef(), '*');
    EXPECT_EQ(shared->refCount, 2);

    ::testing::internal::CaptureStdout();
    release(first);
    EXPECT_EQ(shared->refCount, 1);
    EXPECT_EQ(printed(*second), "(3)*(2)");
    release(second);
    EXPECT_EQ(teardownNotes(capturedStdout()), 2);
}

TEST_F(referencesTest, settersReleaseWhatTheyReplace) {
    knob* kept = new numKnob(4);
    const knobRef sum(new opKnob(kept->addRef(), new numKnob(1), '+'));
    auto& op = static_cast<opKnob&>(*sum);
    op.setLeft(new numKnob(5));
    EXPECT_EQ(kept->refCount, 1);
    EXPECT_EQ(printed(*sum), "5+1");
    release(kept);
}

TEST_F(referencesTest, releasingAChainAMillionDeepUsesNoDeepRecursion) {
    const knobRef argument(new numKnob(1));
    knob* chain = new numKnob(0);
    for (int depth = 0; depth < 1000000; ++depth)
        chain = new callKnob(chain, newBinding("x", argument->addRef(), nullptr));
    release(chain);
    EXPECT_EQ(argument->refCount, 1);
}

// Each level an application whose argument value is a sum whose right operand
// is the level below: the way down runs through operands and argument lists
// alike, and one leaf is shared by every level.
TEST_F(referencesTest, releasingAMixedChainTearsDownEachOperatorOnce) {
    const knobRef shared(new numKnob(1));
    constexpr int depth = 100000;
    knob* chain = shared->addRef();
    for (int level = 0; level < depth; ++level) {
        knob* sum = new opKnob(shared->addRef(), chain, '+');
        chain = new callKnob(shared->addRef(), newBinding("x", sum, nullptr));
    }
    ::testing::internal::CaptureStdout();
    release(chain);
    EXPECT_EQ(teardownNotes(capturedStdout()), depth);
    EXPECT_EQ(shared->refCount, 1);
}

TEST_F(referencesTest, lookupFindsTheFirstExactMatch) {
    heldList list(
        newBinding("a", new numKnob(1),
                   newBinding("x", new numKnob(2), newBinding("a", new numKnob(3), nullptr))));
    EXPECT_EQ(printed(*lookup(list.get(), "a")), "1");
    EXPECT_EQ(printed(*lookup(list.get(), "x")), "2");
    EXPECT_EQ(lookup(list.get(), "X"), nullptr);
    EXPECT_EQ(lookup(list.get(), ""), nullptr);
    EXPECT_EQ(lookup(nullptr, "a"), nullptr);
}

TEST_F(referencesTest, copyListSharesValuesAndKeepsOrder) {
    knob* values[] = {new numKnob(1), new numKnob(2), new numKnob(3)};
    heldList original(newBinding("a", values[0],
                                 newBinding("b", values[1], newBinding("c", values[2], nullptr))));
    {
        heldList copy(copyList(original.get()));
        const char* names[] = {"a", "b", "c"};
        const binding* record = copy.get();
        for (int index = 0; index < 3; ++index, record = record->next) {
            EXPECT_STREQ(record->name(), names[index]);
            EXPECT_NE(record->name(), names[index]);
            EXPECT_EQ(record->value, values[index]);
            EXPECT_EQ(values[index]->refCount, 2);
        }
        EXPECT_EQ(record, nullptr);
    }
    for (const knob* value : values)
        EXPECT_EQ(value->refCount, 1);
}

TEST_F(referencesTest, variableReducesToItsBoundTreeUnchanged) {
    heldList environment(newBinding("x", parseExpr("y+1"), nullptr));
    const knobRef x = parsed("x");
    const knobRef bound(x->reduce(environment.get()));
    EXPECT_EQ(bound.get(), environment.get()->value);
    EXPECT_EQ(bound->refCount, 2);

    const knobRef unbound(x->reduce(nullptr));
    EXPECT_EQ(unbound.get(), x.get());
    const knobRef elsewhere(x->reduce(environment.get()->next));
    EXPECT_EQ(x->refCount, 3);
}

TEST_F(referencesTest, foundValueIsEvaluatedWithoutAnEnvironment) {
    heldList environment(
        newBinding("x", parseExpr("2"),
                   newBinding("z", parseExpr("y"), newBinding("y", parseExpr("3"), nullptr))));
    EXPECT_EQ(parsed("x")->evaluate(environment.get()).value, 2);
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(parsed("z")->evaluate(environment.get()).failure, undefinedVariable);
    EXPECT_EQ(parsed("q")->evaluate(nullptr).failure, undefinedVariable);
    EXPECT_EQ(capturedStdout(), "undefined variable :y\r\nundefined variable :q\r\n");
}

TEST_F(referencesTest, evaluationShortCutsAtZeroOnTheLeftOnly) {
    ::testing::internal::CaptureStdout();
    for (const char* line : {"0*y", "0/y", "0^y"}) {
        const evaluation value = parsed(line)->evaluate(nullptr);
        EXPECT_FALSE(value.failed()) << line;
        EXPECT_EQ(value.value, 0) << line;
    }
    EXPECT_EQ(parsed("y*0")->evaluate(nullptr).failure, undefinedVariable);
    EXPECT_EQ(parsed("0-y")->evaluate(nullptr).failure, undefinedVariable);
    capturedStdout();
}

} // namespace
} // namespace quorin
