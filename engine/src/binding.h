// Binding lists: every environment of the engine is a singly linked list of
// these records, searched from its head, first exact match winning. Each list
// has exactly one holder; copies share the values, never the records.
#ifndef QUORIN_BINDING_H
#define QUORIN_BINDING_H

#include "lineBudget.h"

#include <cstdint>
#include <string_view>
#include <utility>

namespace quorin {

class knob;

// The one name "[]" binds: no line can write it, since 0x07 is no letter or digit.
inline constexpr char reservedName[] = "null\a";

// Made by newBinding, freed by destroyList. The name's characters follow the
// record in its block: a worksheet keeps every definition's record for as
// long as it runs, and a separate copy would cost a block of its own. No
// record is ever shared, so it needs no count.
struct binding {
    knob* value; // one reference, owned by the record
    binding* next;

    const char* name() const { return reinterpret_cast<const char*>(this + 1); }
};

// A record of a copy of name bound to value, in front of next. Adopts the
// reference to value, also when it fails for want of memory.
binding* newBinding(const char* name, knob* value, binding* next);
// As above, for a name that stands within a longer text.
binding* newBinding(std::string_view name, knob* value, binding* next);

namespace detail {

// Names are a few characters and most differ in the first: compared here, a
// mismatch costs a few instructions instead of a library call.
inline bool sameName(const char* recordName, const char* name) {
    while (*recordName == *name) {
        if (*name == '\0') return true;
        ++recordName;
        ++name;
    }
    return false;
}

} // namespace detail

// The value of the first record named name, lent; none when there is no such
// record. In line: every name of an applied tree is looked up.
inline knob* lookup(const binding* list, const char* name) {
    std::int64_t compared = 0;
    const binding* record = list;
    for (; record; record = record->next) {
        ++compared;
        if (detail::sameName(record->name(), name)) break;
    }
    chargeWork(compared * lookupStepCost);
    return record ? record->value : nullptr;
}

// New records with the same names and values in the same order; the values
// gain a reference each.
binding* copyList(const binding* list);

// Frees every record of the list and releases every value.
void destroyList(binding* list);

// The one holder of a list, destroying it on every exit unless handed over.
class heldList {
  public:
    explicit heldList(binding* list = nullptr) : list(list) {}
    heldList(const heldList&) = delete;
    heldList& operator=(const heldList&) = delete;
    ~heldList() { destroyList(list); }

    binding* get() const { return list; }
    binding* handOver() { return std::exchange(list, nullptr); }

    // Links record behind the last record of the list.
    void append(binding* record) {
        while (*tail)
            tail = &(*tail)->next;
        *tail = record;
    }

  private:
    binding* list;
    binding** tail = &list;
};

} // namespace quorin

#endif
