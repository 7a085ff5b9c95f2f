#pragma once
// Counts every allocation of a test program, on any thread, while a
// CountedAllocations lives: for the code that must take nothing from the heap
// once it runs. Include it from one file of a program only: it replaces the
// program's operator new.
#include <atomic>
#include <cstdlib>
#include <new>

namespace hopvox::test {

inline std::atomic<bool> g_countingNews{false};
inline std::atomic<int> g_newsCounted{0};

class CountedAllocations {
 public:
  CountedAllocations() {
    g_newsCounted = 0;
    g_countingNews = true;
  }
  ~CountedAllocations() { g_countingNews = false; }
  CountedAllocations(const CountedAllocations&) = delete;
  CountedAllocations& operator=(const CountedAllocations&) = delete;
  int Count() const { return g_newsCounted.load(); }
};

}  // namespace hopvox::test

namespace hopvox::test {
inline void* CountedMalloc(std::size_t size) noexcept {
  if (g_countingNews.load()) ++g_newsCounted;
  return std::malloc(size ? size : 1);
}
inline void* CountedNew(std::size_t size) {
  if (void* p = CountedMalloc(size)) return p;
  throw std::bad_alloc();
}
}  // namespace hopvox::test

// Every form that takes from or gives back to the same heap is replaced: a
// sanitizer's allocator serves the forms left out, and a block of its
// nothrow or array new handed to our delete (as the library's temporary
// buffers are) is a mismatch it stops the program for.
void* operator new(std::size_t size) { return hopvox::test::CountedNew(size); }
void* operator new[](std::size_t size) { return hopvox::test::CountedNew(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return hopvox::test::CountedMalloc(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return hopvox::test::CountedMalloc(size);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
