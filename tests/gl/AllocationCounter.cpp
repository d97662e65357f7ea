// Replaces the test binary's operator new and delete with malloc-based ones that count while a
// flag is on; the other forms of new and delete forward to these.
#include <atomic>
#include <cstdlib>
#include <new>

static std::atomic<bool> counting{false};
static std::atomic<std::size_t> allocations{0};

void startCountingAllocations() {
    allocations = 0;
    counting = true;
}

std::size_t stopCountingAllocations() {
    counting = false;
    return allocations.load();
}

void* operator new(std::size_t size) {
    if (counting.load(std::memory_order_relaxed)) allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
