// The C library's allocator, interposed for the whole test process (the
// plugin's allocations, and operator new's, come here too), counting the
// calls made while the plugin runs on the audio thread's side.
#include <cstddef>
#include <cstdint>

#include "lv2_host.h"

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* pointer, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
}

namespace volemo::lv2test {
namespace {

bool counting = false;
int64_t counted = 0;

void Count() {
  if (counting) ++counted;
}

}  // namespace

void CountAllocations(bool on) { counting = on; }
int64_t RunAllocations() { return counted; }

}  // namespace volemo::lv2test

using volemo::lv2test::Count;

extern "C" {
void* malloc(size_t size) {
  Count();
  return __libc_malloc(size);
}
void* calloc(size_t count, size_t size) {
  Count();
  return __libc_calloc(count, size);
}
void* realloc(void* pointer, size_t size) {
  Count();
  return __libc_realloc(pointer, size);
}
void* memalign(size_t alignment, size_t size) {
  Count();
  return __libc_memalign(alignment, size);
}
void* aligned_alloc(size_t alignment, size_t size) {
  Count();
  return __libc_memalign(alignment, size);
}
int posix_memalign(void** pointer, size_t alignment, size_t size) {
  Count();
  *pointer = __libc_memalign(alignment, size);
  return *pointer ? 0 : 12;  // ENOMEM
}
}
