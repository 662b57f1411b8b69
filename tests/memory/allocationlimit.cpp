// Running out of memory on purpose: the program's operator new, counting down to one failure.
// Memory still comes from malloc, so the sanitizers see every allocation.
#include "memory/allocationlimit.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace tabrin::test {
namespace {

std::atomic<bool> g_armed = false;
std::atomic<std::size_t> g_left = 0;
std::atomic<bool> g_failed = false;

void* allocate(std::size_t size) noexcept {
    if (g_armed && g_left.fetch_sub(1) == 0) {
        g_armed = false;
        g_failed = true;
        return nullptr;
    }
    return std::malloc(size == 0 ? 1 : size);
}

void* allocateOrThrow(std::size_t size) {
    if (void* memory = allocate(size)) return memory;
    throw std::bad_alloc();
}

}  // namespace

void failAllocationAfter(std::size_t count) {
    g_left = count;
    g_failed = false;
    g_armed = true;
}

void stopFailingAllocations() { g_armed = false; }

bool allocationFailed() { return g_failed; }

}  // namespace tabrin::test

void* operator new(std::size_t size) { return tabrin::test::allocateOrThrow(size); }
void* operator new[](std::size_t size) { return tabrin::test::allocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return tabrin::test::allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return tabrin::test::allocate(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
