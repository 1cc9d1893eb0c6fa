// Sanitized builds keep their own allocator: nothing is counted there.
#include "lv2_host.h"

namespace volemo::lv2test {

void CountAllocations(bool) {}
int64_t RunAllocations() { return -1; }

}  // namespace volemo::lv2test
