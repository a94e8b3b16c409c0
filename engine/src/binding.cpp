#include "binding.h"

#include "heapText.h"
#include "knob.h"
#include "knobRef.h"
#include "lineBudget.h"
#include "nodeStorage.h"

#include <cstring>

namespace quorin {

void* binding::operator new(std::size_t size) {
    return allocateNode(size);
}

void binding::operator delete(void* storage, std::size_t size) noexcept {
    freeNode(storage, size);
}

binding* newBinding(const char* name, knob* value, binding* next) {
    knobRef adopted(value);
    char* nameCopy = copyText(name);
    try {
        return new binding{1, adopted.handOver(), next, nameCopy};
    } catch (...) {
        freeText(nameCopy);
        throw;
    }
}

knob* lookup(const binding* list, const char* name) {
    std::int64_t compared = 0;
    const binding* record = list;
    for (; record; record = record->next) {
        ++compared;
        if (std::strcmp(record->name, name) == 0) break;
    }
    chargeWork(compared * lookupStepCost);
    return record ? record->value : nullptr;
}

binding* copyList(const binding* list) {
    heldList copy;
    for (const binding* record = list; record; record = record->next)
        copy.append(newBinding(record->name, record->value->addRef(), nullptr));
    return copy.handOver();
}

void destroyList(binding* list) {
    while (list) {
        binding* record = list;
        list = record->next;
        freeText(record->name);
        release(record->value);
        if (--record->refCount == 0) delete record;
    }
}

} // namespace quorin
