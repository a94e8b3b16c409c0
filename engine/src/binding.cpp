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
    return newBinding(std::string_view(name, nameSize(name) - 1), value, next);
}

binding* newBinding(std::string_view name, knob* value, binding* next) {
    knobRef adopted(value);
    void* storage = allocateNode(sizeof(binding) + name.size() + 1);
    copyName(static_cast<char*>(storage) + sizeof(binding), name);
    return new (storage) binding{adopted.handOver(), next};
}

binding* copyList(const binding* list) {
    heldList copy;
    for (const binding* record = list; record; record = record->next)
        copy.append(newBinding(record->name(), record->value->addRef(), nullptr));
    return copy.handOver();
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
