#pragma once
// A lock for data that worker threads and the main thread share. The program
// is built with a runtime that has no std::mutex (that one would keep it off
// Windows XP), so it locks with the system's critical sections.
#include <windows.h>

namespace hopvox {

class TCriticalSection {
 public:
  TCriticalSection() { InitializeCriticalSection(&section_); }
  ~TCriticalSection() { DeleteCriticalSection(&section_); }
  TCriticalSection(const TCriticalSection&) = delete;
  TCriticalSection& operator=(const TCriticalSection&) = delete;

  // Holds the section from construction to the end of the scope.
  class Lock {
   public:
    explicit Lock(TCriticalSection& cs) : cs_(cs) { EnterCriticalSection(&cs_.section_); }
    ~Lock() { LeaveCriticalSection(&cs_.section_); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

   private:
    TCriticalSection& cs_;
  };

 private:
  CRITICAL_SECTION section_;
};

}  // namespace hopvox
