// The edit lock's order: each lockable control of the window definition has
// its own place, and the places run in the order the lock handlers set them.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/logic/Channels.h"
#include "ui/logic/LockOrder.h"

namespace hopvox {
namespace {

TEST(LockOrder, EveryLockableControlHasItsOwnPlaceInTheLocksOrder) {
  std::array<std::string, lock::kCount> byPlace;
  auto put = [&](int place, const std::string& name) {
    ASSERT_GE(place, 0) << name;
    ASSERT_LT(place, lock::kCount) << name;
    EXPECT_EQ(byPlace[static_cast<size_t>(place)], "") << name << " shares its place";
    byPlace[static_cast<size_t>(place)] = name;
  };
  for (int ch = 0; ch < kChannelCount; ++ch) put(lock::AddressBox(ch), AddressBoxName(ch));
  put(lock::kServerIp, "serverip");
  put(lock::kServerPassword, "serverpassword");
  for (int ch = 0; ch < kChannelCount; ++ch) put(lock::ChannelHotKey(ch), kChannels[ch].hotKeyBox);
  put(lock::kVolumeDown, "hotkey6");
  put(lock::kVolumeUp, "hotkey7");
  put(lock::kMicUp, "HotKey15");
  put(lock::kMicDown, "HotKey16");

  const std::vector<std::string> order{
      "ipbox1",   "ipbox2",   "ipbox3",   "ipbox4",         "ipbox5",   "ipbox6",   "ipbox7",
      "ipbox8",   "ipbox9",   "ipbox10",  "ipbox11",        "ipbox12",  "ipbox13",  "ipbox14",
      "ipbox15",  "ipbox16",  "serverip", "serverpassword", "HotKey1",  "HotKey2",  "HotKey3",
      "HotKey4",  "HotKey5",  "HotKey8",  "HotKey9",        "HotKey10", "HotKey11", "HotKey12",
      "HotKey13", "HotKey14", "hotkey6",  "hotkey7",        "HotKey15", "HotKey16", "HotKey17",
      "HotKey18", "HotKey19", "HotKey20"};
  EXPECT_EQ(std::vector<std::string>(byPlace.begin(), byPlace.end()), order);
}

}  // namespace
}  // namespace hopvox
