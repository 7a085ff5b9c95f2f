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

void* operator new(std::size_t size) {
  if (hopvox::test::g_countingNews.load()) ++hopvox::test::g_newsCounted;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
