#include "binding.h"

#include "knob.h"
#include "knobRef.h"
#include "lineBudget.h"
#include "nameText.h"
#include "nodeStorage.h"

#include <new>

namespace quorin {

namespace {

// Records come from the nodes' kept blocks: every application copies its
// argument list.
std::size_t recordSize(const char* name) {
    return sizeof(binding) + nameSize(name);
}

} // namespace

binding* newBinding(const char* name, knob* value, binding* next) {
    knobRef adopted(value);
    const std::size_t size = recordSize(name);
    void* storage = allocateNode(size);
    copyName(static_cast<char*>(storage) + sizeof(binding), name);
    return new (storage) binding{adopted.handOver(), next};
}

namespace {

// Names are a few characters and most differ in the first: compared here, a
// mismatch costs a few instructions instead of a library call.
bool sameName(const char* recordName, const char* name) {
    while (*recordName == *name) {
        if (*name == '\0') return true;
        ++recordName;
        ++name;
    }
    return false;
}

} // namespace

knob* lookup(const binding* list, const char* name) {
    std::int64_t compared = 0;
    const binding* record = list;
    for (; record; record = record->next) {
        ++compared;
        if (sameName(record->name(), name)) break;
    }
    chargeWork(compared * lookupStepCost);
    return record ? record->value : nullptr;
}

binding* copyList(const binding* list) {
    return copyList(list, [](knob& value) { return value.addRef(); });
}

void destroyList(binding* list) {
    while (list) {
        binding* record = list;
        list = record->next;
        release(record->value);
        freeNode(record, recordSize(record->name()));
    }
}

} // namespace quorin
