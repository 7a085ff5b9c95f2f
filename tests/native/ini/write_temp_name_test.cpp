// A write cut short leaves a file whose name the next write must know as its
// own, and no other file may ever be taken for one.
#include <gtest/gtest.h>

#include "framework/logic/WriteTempName.h"

using namespace hopvox;

TEST(WriteTempName, EveryNameAWriteMakesIsKnownAsThatFilesLeftover) {
  for (std::uint32_t unique : {0u, 0x1A2Bu, 0xFFFFFFFFu}) {
    const std::string temp = WriteTempName("Hopvox.ini", unique);
    EXPECT_TRUE(IsWriteTempOf("Hopvox.ini", temp)) << temp;
    EXPECT_TRUE(IsWriteTempOf("HOPVOX.INI", temp)) << temp;  // the same file on Windows
    EXPECT_FALSE(IsWriteTempOf("HopVoxIPs.ini", temp)) << temp;
  }
  EXPECT_EQ(WriteTempName("Hopvox.ini", 0x1A2B), "Hopvox.ini~hvx00001A2B.tmp");
}

TEST(WriteTempName, NamesNotMadeByAWriteAreLeftAlone) {
  const char* const others[] = {
      "Hopvox.ini",
      "Hopvox.ini.tmp",
      "hvx1A2B.tmp",                     // what the system's temporary names look like
      "Hopvox.ini~hvx1A2B.tmp",          // too few digits
      "Hopvox.ini~hvx00001A2B3.tmp",     // too many
      "Hopvox.ini~hvx00001A2G.tmp",      // not hexadecimal
      "Hopvox.ini~hvx00001A2B.tmp.bak",  // someone's copy
      "Hopvox.ini~hvx00001A2B.tm",
      "Hopvox.ini~abc00001A2B.tmp",
      "My Hopvox.ini~hvx00001A2B.tmp",
      "opvox.ini~hvx00001A2B.tmp",
      "",
  };
  for (const char* name : others) EXPECT_FALSE(IsWriteTempOf("Hopvox.ini", name)) << name;
  EXPECT_FALSE(IsWriteTempOf("", WriteTempName("", 1)));
}
