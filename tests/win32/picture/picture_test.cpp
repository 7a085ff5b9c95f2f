// Pictures from files under Wine: every kind by its extension with its own
// size, damaged files refused with the picture error, and the logo drawn
// centred so that a large picture shows its middle.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "framework/Image.h"
#include "framework/Picture.h"

using namespace hopvox;

namespace {

std::string TempPath(const std::string& name) {
  char dir[MAX_PATH];
  GetTempPathA(sizeof dir, dir);
  return std::string(dir) + "hopvox_picture_" + name;
}

std::string Write(const std::string& name, const std::string& bytes) {
  const std::string path = TempPath(name);
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

// A 24-bit bitmap file: the left half red, the right half blue.
std::string TwoColourBitmap(int w, int h) {
  const int stride = (w * 3 + 3) & ~3;
  std::string f(static_cast<size_t>(54 + stride * h), '\0');
  auto put32 = [&](int at, int v) {
    for (int i = 0; i < 4; ++i) f[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  f[0] = 'B', f[1] = 'M';
  put32(2, static_cast<int>(f.size())), put32(10, 54), put32(14, 40), put32(18, w), put32(22, h);
  f[26] = 1, f[28] = 24;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      f[54 + y * stride + 3 * x + (x < w / 2 ? 2 : 0)] = static_cast<char>(255);
  return f;
}

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A Windows metafile drawing one rectangle, as the raw records.
std::string MetafileRecords() {
  HDC dc = CreateMetaFileA(nullptr);
  Rectangle(dc, 0, 0, 200, 100);
  HMETAFILE mf = CloseMetaFile(dc);
  UINT size = GetMetaFileBitsEx(mf, 0, nullptr);
  std::string bits(size, '\0');
  GetMetaFileBitsEx(mf, size, bits.data());
  DeleteMetaFile(mf);
  return bits;
}

// The same with the placeable header: a 200 x 100 box at 96 units per inch.
std::string PlaceableMetafile() {
  std::string h(22, '\0');
  auto put16 = [&](int at, int v) {
    h[at] = static_cast<char>(v & 0xFF), h[at + 1] = static_cast<char>((v >> 8) & 0xFF);
  };
  put16(0, 0xCDD7), put16(2, 0x9AC6), put16(10, 200), put16(12, 100), put16(14, 96);
  int sum = 0;
  for (int i = 0; i < 10; ++i)
    sum ^= static_cast<unsigned char>(h[2 * i]) | static_cast<unsigned char>(h[2 * i + 1]) << 8;
  put16(20, sum);
  return h + MetafileRecords();
}

void ExpectRefused(const std::string& path, const char* why) {
  try {
    TPicture::FromFile(path);
    ADD_FAILURE() << why << ": loaded";
  } catch (const EInvalidGraphic& e) {
    EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << why << ": " << e.what();
  }
}

}  // namespace

TEST(Picture, EachKindLoadsByItsExtensionAtItsOwnSize) {
  TPicture bmp = TPicture::FromFile(Write("a.BMP", TwoColourBitmap(41, 17)));
  EXPECT_EQ(bmp.Kind(), TPicture::TKind::Bitmap);
  EXPECT_EQ(bmp.Width(), 41);
  EXPECT_EQ(bmp.Height(), 17);

  const std::string jpeg =
      FileBytes(std::string(getenv("HOPVOX_SOURCE")) + "\\resources\\pictures\\keys.jpg");
  for (const char* name : {"b.jpg", "b.jpeg", "b.JPG"}) {
    TPicture p = TPicture::FromFile(Write(name, jpeg));
    EXPECT_EQ(p.Kind(), TPicture::TKind::Bitmap) << name;
    EXPECT_EQ(p.Width(), 179) << name;
    EXPECT_EQ(p.Height(), 30) << name;
  }

  TPicture ico = TPicture::FromFile(std::string(getenv("HOPVOX_SOURCE")) +
                                    "\\resources\\pictures\\hopvox.ico");
  EXPECT_EQ(ico.Kind(), TPicture::TKind::Icon);
  EXPECT_GE(ico.Width(), 16);
  EXPECT_EQ(ico.Width(), ico.Height());

  TPicture wmf = TPicture::FromFile(Write("c.wmf", PlaceableMetafile()));
  EXPECT_EQ(wmf.Kind(), TPicture::TKind::Metafile);
  EXPECT_EQ(wmf.Width(), 200);
  EXPECT_EQ(wmf.Height(), 100);
  TPicture plain = TPicture::FromFile(Write("d.wmf", MetafileRecords()));
  EXPECT_GT(plain.Width(), 0);

  const std::string emfPath = TempPath("e.emf");
  RECT frame{0, 0, 4000, 2000};  // 40 x 20 mm
  HDC dc = CreateEnhMetaFileA(nullptr, emfPath.c_str(), &frame, nullptr);
  Rectangle(dc, 0, 0, 100, 50);
  DeleteEnhMetaFile(CloseEnhMetaFile(dc));
  TPicture emf = TPicture::FromFile(emfPath);
  EXPECT_EQ(emf.Kind(), TPicture::TKind::Metafile);
  EXPECT_NEAR(emf.Width(), 2 * emf.Height(), 2);
}

TEST(Picture, DamagedOrUnknownFilesRaiseThePictureError) {
  const std::string jpeg =
      FileBytes(std::string(getenv("HOPVOX_SOURCE")) + "\\resources\\pictures\\keys.jpg");
  ExpectRefused(Write("x.txt", jpeg), "JPEG content with a .txt name");
  ExpectRefused(Write("noextension", jpeg), "no extension");
  ExpectRefused(TempPath("missing.jpg"), "missing file");
  ExpectRefused(Write("cut.jpg", jpeg.substr(0, jpeg.size() - 40)), "truncated JPEG");
  ExpectRefused(Write("junk.bmp", "BM this is not a bitmap at all"), "junk bitmap");
  std::string huge = TwoColourBitmap(4, 4);
  huge[18] = huge[19] = huge[20] = 0x7f,
  huge[22] = huge[23] = huge[24] = 0x7f;  // claims 8 million pixels a side
  ExpectRefused(Write("huge.bmp", huge), "bitmap claiming a huge size");
  ExpectRefused(Write("junk.ico", std::string("\0\0\1\0\1\0junk", 12)), "junk icon");
  ExpectRefused(Write("junk.emf", "not an enhanced metafile"), "junk emf");
  ExpectRefused(Write("junk.wmf", "not a metafile either"), "junk wmf");
  std::string badPlaceable = PlaceableMetafile();
  badPlaceable[14] = badPlaceable[15] = 0;  // zero units per inch
  ExpectRefused(Write("badplaceable.wmf", badPlaceable), "placeable header without units");
}

TEST(Picture, TheImageCentresItsPictureSoALargeOneShowsItsMiddle) {
  TImage image({.bounds = {0, 0, 170, 174}});
  image.Center = true;
  image.SetPicture(TPicture::FromFile(Write("wide.bmp", TwoColourBitmap(300, 300))));
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP canvas = CreateCompatibleBitmap(screen, 170, 174);
  HGDIOBJ old = SelectObject(dc, canvas);
  image.Paint(dc);
  // Drawn at (-65, -63): the picture's middle column (150) lands at x = 85.
  EXPECT_EQ(GetPixel(dc, 84, 87), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc, 86, 87), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc, 169, 173), RGB(0, 0, 255));

  // A small one sits in the middle with the area around it untouched.
  RECT all{0, 0, 170, 174};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  image.SetPicture(TPicture::FromFile(Write("small.bmp", TwoColourBitmap(10, 10))));
  image.Paint(dc);
  EXPECT_EQ(GetPixel(dc, 80, 82), RGB(255, 0, 0));  // (170-10)/2 = 80, (174-10)/2 = 82
  EXPECT_EQ(GetPixel(dc, 89, 91), RGB(0, 0, 255));
  EXPECT_EQ(GetPixel(dc, 79, 82), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc, 90, 92), RGB(255, 255, 255));
  SelectObject(dc, old);
  DeleteObject(canvas);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
}
