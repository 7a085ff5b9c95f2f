// The program's start and end as seen from outside: a window that cannot be
// built says why and ends, and a finished run leaves nothing behind in the
// system-wide tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "driver/Driver.h"

using e2e::HopvoxRun;

namespace {

// Spoils the stream tag of the embedded click sound (646 bytes) in this run's
// copy of the program, so building the window fails while loading it.
bool SpoilClickSound(const HopvoxRun& run) {
  std::string exe = run.ReadFile("hopvox.exe");
  const std::string stream("\x00\x92\x09\x00\x86\x02\x00\x00", 8);
  const auto at = exe.find(stream);
  if (at == std::string::npos || exe.find(stream, at + 1) != std::string::npos) return false;
  exe[at] = '\x01';
  run.WriteFile("hopvox.exe", exe);
  return true;
}

TEST(Construction, AnErrorWhileBuildingTheWindowIsShownAndTheProgramEnds) {
  HopvoxRun run("construction_error");
  ASSERT_TRUE(SpoilClickSound(run));
  run.Launch();
  EXPECT_EQ(run.WaitForMessageBox(), "Unknown audio streaming format.");
  EXPECT_EQ(run.Form(), nullptr);
  ASSERT_TRUE(run.DismissMessageBox());
  // Ended by itself, reporting the failure, with no second box (an abort
  // would show the runtime's own).
  EXPECT_EQ(run.WaitForExit(), 1u);
}

TEST(Lifecycle, NamesOfControlsLeaveTheGlobalAtomTableWithTheProgram) {
  const char* const names[] = {"Form1", "ipbox1", "HotKey20", "exitButton", "Panel1"};
  // A run that was killed leaves its atoms behind; nothing else holds them.
  for (const char* name : names)
    while (ATOM left = GlobalFindAtomA(name)) GlobalDeleteAtom(left);
  HopvoxRun first("atoms_first");
  first.Start();
  EXPECT_NE(GlobalFindAtomA("ipbox1"), 0);
  // A second copy builds its whole window, then ends without closing it.
  HopvoxRun second("atoms_second");
  second.Launch();
  EXPECT_EQ(second.WaitForMessageBox(), "Hopvox is already running");
  second.DismissMessageBox();
  EXPECT_EQ(second.WaitForExit(), 0u);
  first.Close();
  for (const char* name : names) EXPECT_EQ(GlobalFindAtomA(name), 0) << name;
}

}  // namespace
