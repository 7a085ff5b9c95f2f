// The headers of logo files, read before the system sees any of the file:
// real files pass at their own size; a header that lies about where its
// parts are, or about a size no logo has, is refused.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "framework/logic/PictureHeaders.h"

namespace hopvox {
namespace {

std::string Seed(const std::string& name) {
  std::ifstream in(std::string(HOPVOX_SOURCE_DIR) + "/fuzz/picture_seeds/" + name,
                   std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

const std::uint8_t* Bytes(const std::string& s) {
  return reinterpret_cast<const std::uint8_t*>(s.data());
}

void Put32(std::string& s, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) s[at + i] = static_cast<char>(v >> (8 * i));
}

template <class Reader>
void ExpectSize(Reader read, const std::string& file, int width, int height) {
  const auto size = read(Bytes(file), file.size());
  ASSERT_TRUE(size.has_value());
  EXPECT_EQ(size->width, width);
  EXPECT_EQ(size->height, height);
}

TEST(PictureHeaders, RealFilesPassAtTheirOwnSize) {
  ExpectSize(ReadBitmapHeader, Seed("num5x7.bmp"), 52, 7);
  ExpectSize(ReadBitmapHeader, Seed("key_upright.bmp"), 11, 12);
  ExpectSize(ReadIconHeader, Seed("hopvox.ico"), 48, 48);
  // 40 x 20 mm on a device of 1024 x 768 pixels to 320 x 240 mm.
  ExpectSize(ReadEmfHeader, Seed("box.emf"), 128, 64);
  const std::string placeable = Seed("box_placeable.wmf");
  const auto wmf = ReadWmfHeader(Bytes(placeable), placeable.size());
  ASSERT_TRUE(wmf.has_value());
  EXPECT_TRUE(wmf->placeable);
  EXPECT_EQ(wmf->recordsAt, 22u);
  EXPECT_EQ(wmf->size.width, 200);
  EXPECT_EQ(wmf->size.height, 100);
  EXPECT_EQ(wmf->xExt, 5292);  // 200 / 96 inch in 0.01 mm
  const std::string plain = Seed("box.wmf");
  const auto records = ReadWmfHeader(Bytes(plain), plain.size());
  ASSERT_TRUE(records.has_value());
  EXPECT_FALSE(records->placeable);
  EXPECT_EQ(records->recordsAt, 0u);
}

TEST(PictureHeaders, ABitmapWhosePartsLieOutsideTheFileIsRefused) {
  const std::string good = Seed("num5x7.bmp");
  std::string cut = good.substr(0, good.size() - 1);  // last pixel row one byte short
  EXPECT_FALSE(ReadBitmapHeader(Bytes(cut), cut.size()));
  std::string lateRows = good;
  Put32(lateRows, 10, 120);  // the pixels said to start 2 bytes later
  EXPECT_FALSE(ReadBitmapHeader(Bytes(lateRows), lateRows.size()));
  std::string bigTable = good;
  Put32(bigTable, 46, 17);  // 17 colours for 4 bits
  EXPECT_FALSE(ReadBitmapHeader(Bytes(bigTable), bigTable.size()));
  std::string tall = good;
  Put32(tall, 22, 0x7FFFFFFF);  // rows beyond any file
  EXPECT_FALSE(ReadBitmapHeader(Bytes(tall), tall.size()));
  std::string hugeInfo = good;
  Put32(hugeInfo, 14, 0xFFFFFFF0);  // an info header past the end
  EXPECT_FALSE(ReadBitmapHeader(Bytes(hugeInfo), hugeInfo.size()));
}

TEST(PictureHeaders, AnIconWhoseImagesLieOutsideTheFileIsRefused) {
  const std::string good = Seed("hopvox.ico");
  std::string cut = good.substr(0, good.size() - 1);  // the last image one byte short
  EXPECT_FALSE(ReadIconHeader(Bytes(cut), cut.size()));
  std::string farAway = good;
  Put32(farAway, 6 + 16 + 12, 0xFFFFFFF0);  // the second image's place
  EXPECT_FALSE(ReadIconHeader(Bytes(farAway), farAway.size()));
  std::string many = good;
  many[4] = '\xFF';  // more directory entries than the file holds
  EXPECT_FALSE(ReadIconHeader(Bytes(many), many.size()));
}

TEST(PictureHeaders, MetafileSizesComeFromCheckedArithmetic) {
  const std::string good = Seed("box.emf");
  std::string wide = good;
  Put32(wide, 24, 0x80000000);  // frame from the far left: no overflow, no picture
  EXPECT_FALSE(ReadEmfHeader(Bytes(wide), wide.size()));
  std::string noFrame = good;
  Put32(noFrame, 80, 0);  // no millimetres: the bounds give the size
  ExpectSize(ReadEmfHeader, noFrame, 100, 50);
  Put32(noFrame, 8, 0x80000001);  // bounds from the far left
  EXPECT_FALSE(ReadEmfHeader(Bytes(noFrame), noFrame.size()));
  std::string longer = good;
  Put32(longer, 48, static_cast<std::uint32_t>(good.size() + 1));  // claims more bytes than it has
  EXPECT_FALSE(ReadEmfHeader(Bytes(longer), longer.size()));
  std::string placeable = Seed("box_placeable.wmf");
  placeable[14] = placeable[15] = 0;  // no units per inch
  EXPECT_FALSE(ReadWmfHeader(Bytes(placeable), placeable.size()));
  placeable = Seed("box_placeable.wmf");
  placeable[14] = 1;
  placeable[15] = 0;  // one unit per inch: 19200 pixels wide
  EXPECT_FALSE(ReadWmfHeader(Bytes(placeable), placeable.size()));
  const std::string header = Seed("box_placeable.wmf").substr(0, 30);  // records cut off
  EXPECT_FALSE(ReadWmfHeader(Bytes(header), header.size()));
}

}  // namespace
}  // namespace hopvox
