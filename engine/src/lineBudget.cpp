#include "lineBudget.h"

namespace quorin {

int treeDepth = 0;
std::int64_t lineWork = 0;
std::int64_t unwindingCost = 0;

void startLineBudget() {
    treeDepth = 0;
    lineWork = 0;
    unwindingCost = 0;
}

} // namespace quorin
