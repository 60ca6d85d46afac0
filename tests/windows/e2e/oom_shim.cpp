// Linked only into lumetra_oom, the test build of the program: every
// operator new and new[] above LUMETRA_OOM_ABOVE_BYTES bytes throws
// std::bad_alloc, as if the heap had run out just there. Without the variable
// nothing fails. The product executable never contains this file.
#include <windows.h>

#include <cstdlib>
#include <new>

namespace {

std::size_t failure_threshold() {
  // Read once, before the first allocation returns; GetEnvironmentVariableA
  // does not allocate through operator new, so this cannot recurse.
  static const std::size_t threshold = [] {
    char value[32] = {};
    const DWORD length = GetEnvironmentVariableA("LUMETRA_OOM_ABOVE_BYTES", value, sizeof value);
    if (length == 0 || length >= sizeof value) return static_cast<std::size_t>(-1);
    return static_cast<std::size_t>(std::strtoull(value, nullptr, 10));
  }();
  return threshold;
}

void* allocate(std::size_t size) {
  if (size > failure_threshold()) throw std::bad_alloc();
  if (void* block = std::malloc(size ? size : 1)) return block;
  throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
