// The close-time settings of a user who may write the settings file but not
// add files to the program's folder (run by unprivileged.sh).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "driver/Driver.h"

using e2e::HopvoxRun;

TEST(UnprivilegedClose, WritesTheSettingsWhereTheFolderRefusesNewFiles) {
  const char* root = std::getenv("HOPVOX_UNPRIVILEGED_ROOT");
  if (!root) GTEST_SKIP() << "run by unprivileged.sh as a user that permissions apply to";
  HopvoxRun run(HopvoxRun::InPlace{std::string(root) + "\\run"});
  HANDLE probe = CreateFileA(run.PathOf("probe.tmp").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             0, nullptr);
  ASSERT_EQ(probe, INVALID_HANDLE_VALUE) << "the folder takes new files: nothing to test";

  run.Start();
  EXPECT_EQ(run.Query("activeModifier"), 2);
  EXPECT_EQ(run.Close(), "Please support Hopvox! Donations gratefully received");
  EXPECT_FALSE(run.Running());
  EXPECT_EQ(run.ReadLines("Hopvox.ini"),
            "[Hopvox timing]\nTiming=80\n[Hopvox key modifier]\nModifier=2\n\n[Hopvox Volume]\n"
            "Volume level=0\nMike level=0\n\n[Hopvox system]\npriority=0\n\n[Hopvox misc]\n"
            "Hints Enabled=1\nautostart=1\nUse Server=0\n");
}
