// Thread ids from a thread handle, with and without Vista's call.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/ThreadId.h"

namespace hopvox {
namespace {

DWORD WINAPI WaitForEvent(void* event) { return WaitForSingleObject(event, 10000); }

TEST(ThreadId, BothWaysGiveTheIdTheSystemGaveTheThread) {
  HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  DWORD id = 0;
  HANDLE thread = CreateThread(nullptr, 0, WaitForEvent, release, 0, &id);
  ASSERT_NE(thread, nullptr);
  EXPECT_EQ(ThreadIdOf(thread), id);
  EXPECT_EQ(NtThreadIdOf(thread), id);
  EXPECT_EQ(NtThreadIdOf(GetCurrentThread()), GetCurrentThreadId());
  EXPECT_EQ(NtThreadIdOf(release), 0u);  // an event is no thread
  SetEvent(release);
  WaitForSingleObject(thread, 10000);
  CloseHandle(thread);
  CloseHandle(release);
}

}  // namespace
}  // namespace hopvox
