#include <gtest/gtest.h>

#include "core/logic/Commands.h"

using namespace hopvox;

TEST(Commands, JoinPutsServerAddressAndPasswordTogetherWithoutSeparators) {
  EXPECT_EQ(JoinCommand("", "10.0.0.5", ""), "/JOIN1 10.0.0.5");
  EXPECT_EQ(JoinCommand("S", "T", " P"), "/JOIN1 ST P");
  EXPECT_EQ(JoinCommand("S", "T", " "), "/JOIN1 ST ");
  EXPECT_EQ(JoinCommand("", "", ""), "/JOIN1 ");
}

TEST(Commands, LevelsInPlainDecimal) {
  EXPECT_EQ(VolumeCommand(255), "/volume 255");
  EXPECT_EQ(VolumeCommand(0), "/volume 0");
  EXPECT_EQ(GainCommand(7), "/gain 7");
}
