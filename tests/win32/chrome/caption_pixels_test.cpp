// What a title-bar button puts on the screen: the pixels read back from the
// window, compared with where and how the button is meant to be drawn,
// worked out here from the system metrics alone.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "../PixelBlock.h"
#include "OneCaptionButton.h"
#include "framework/Handles.h"

namespace hopvox {
namespace {

// A block of pixels as COLORREFs, row by row.
struct Pixels {
  int width = 0, height = 0;
  std::vector<COLORREF> p;
  COLORREF At(int x, int y) const { return p[y * width + x]; }
  bool Has(COLORREF c) const {
    for (COLORREF q : p)
      if (q == c) return true;
    return false;
  }
};

Pixels Read(HDC dc, int x, int y, int width, int height) {
  const test::PixelBlock block(dc, x, y, width, height);
  return {width, height, block.All()};
}

// Where the image of a button with this layout offset belongs, in window
// coordinates, and the size of a button.
struct Spot {
  int x = 0, y = 0, bw = 0, bh = 0;
  int ImageWidth() const { return bw - 2; }
  int ImageHeight() const { return bh - 4; }
};

Spot ExpectedSpot(HWND w, int layoutOffset) {
  const LONG style = GetWindowLongA(w, GWL_STYLE), ex = GetWindowLongA(w, GWL_EXSTYLE);
  const bool tool = ex & WS_EX_TOOLWINDOW;
  Spot s;
  s.bw = GetSystemMetrics(tool ? SM_CXSMSIZE : SM_CXSIZE);
  s.bh = GetSystemMetrics(tool ? SM_CYSMSIZE : SM_CYSIZE);
  RECT r{};
  GetWindowRect(w, &r);
  int free = r.right - r.left;
  if (!tool && (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) free -= 2 * s.bw;
  if (style & WS_SYSMENU) free -= s.bw;
  const bool thick = style & WS_THICKFRAME;
  s.x = free - layoutOffset - (GetSystemMetrics(thick ? SM_CXFRAME : SM_CXDLGFRAME) - 2);
  s.y = GetSystemMetrics(thick ? SM_CYFRAME : SM_CYDLGFRAME) + 2;
  return s;
}

Pixels Shown(HWND w, const Spot& s) {
  const WindowDC dc(w);
  return Read(dc.get(), s.x, s.y, s.ImageWidth(), s.ImageHeight());
}

// The letter as it should look: face, then the sign in Arial bold of height
// 7 - SM_CYSIZE, centred at bw / 2 - 1 (+1 and +1 when pressed); a disabled
// one in white one pixel down-right under the grey.
Pixels ExpectedLetter(const Spot& s, char sign, bool pressed, bool enabled, int left = 0,
                      int top = 0) {
  test::PixelBlock image(s.ImageWidth(), s.ImageHeight());
  const HDC mem = image.Dc();
  RECT all{0, 0, s.ImageWidth(), s.ImageHeight()};
  const UniqueBrush face(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
  FillRect(mem, &all, face.get());
  const UniqueFont font(CreateFontA(7 - GetSystemMetrics(SM_CYSIZE), 0, 0, 0, FW_BOLD, 0, 0, 0,
                                    DEFAULT_CHARSET, 0, 0, 0, 0, "Arial"));
  const ScopedSelectObject selected(mem, font.get());
  SetBkMode(mem, TRANSPARENT);
  SetTextAlign(mem, TA_CENTER | TA_TOP);
  const int p = pressed ? 1 : 0;
  auto draw = [&](COLORREF c, int d) {
    SetTextColor(mem, c);
    TextOutA(mem, d + s.bw / 2 - 1 + left + p, d + top + p, &sign, 1);
  };
  if (enabled) {
    draw(GetSysColor(COLOR_BTNTEXT), 0);
  } else {
    draw(RGB(255, 255, 255), 1);
    draw(RGB(0x80, 0x80, 0x80), 0);
  }
  return {s.ImageWidth(), s.ImageHeight(), image.All()};
}

// Compares the inside of the frame, (2, 2) to (w, h) with w = bw - 5 and
// h = bh - 7; names the first pixel that differs.
std::string InsideDiffers(const Pixels& shown, const Pixels& expected, const Spot& s) {
  for (int y = 2; y <= s.bh - 7; ++y)
    for (int x = 2; x <= s.bw - 5; ++x)
      if (shown.At(x, y) != expected.At(x, y)) {
        char buf[96];
        wsprintfA(buf, "(%d,%d) shows %06lx, expected %06lx", x, y, shown.At(x, y),
                  expected.At(x, y));
        return buf;
      }
  return {};
}

// The four frame lines, sampled half-way along each side; up and pressed
// differ in every sample.
void ExpectFrame(const Pixels& img, const Spot& s, bool pressed, const char* what) {
  const int w = s.bw - 5, h = s.bh - 7, mx = w / 2, my = h / 2;
  const COLORREF hi = GetSysColor(COLOR_BTNHIGHLIGHT), light = GetSysColor(COLOR_3DLIGHT),
                 black = RGB(0, 0, 0), grey = RGB(0x80, 0x80, 0x80), silver = RGB(0xC0, 0xC0, 0xC0);
  struct Sample {
    int x, y;
    COLORREF up, down;
  };
  const Sample samples[] = {
      {0, my, hi, black},     {mx, 0, hi, black},        {1, my, light, grey},
      {mx, 1, light, grey},   {w + 1, my, grey, silver}, {mx, h + 1, grey, silver},
      {w + 2, my, black, hi}, {mx, h + 2, black, hi},
  };
  for (const Sample& q : samples)
    EXPECT_EQ(img.At(q.x, q.y), pressed ? q.down : q.up)
        << what << " at (" << q.x << "," << q.y << ")";
  EXPECT_EQ(img.At(2, 2), GetSysColor(COLOR_BTNFACE)) << what << ": face";
}

// A 12 by 11 picture: `corner` all round, `middle` in a block in the middle.
HBITMAP Picture(COLORREF corner, COLORREF middle, int width = 12, int height = 11) {
  HDC screen = GetDC(nullptr);
  HBITMAP bmp = CreateCompatibleBitmap(screen, width, height);
  HDC mem = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(mem, bmp);
  RECT all{0, 0, width, height}, mid{3, 3, width - 3, height - 3};
  HBRUSH a = CreateSolidBrush(corner), b = CreateSolidBrush(middle);
  FillRect(mem, &all, a);
  FillRect(mem, &mid, b);
  DeleteObject(a);
  DeleteObject(b);
  SelectObject(mem, old);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return bmp;
}

class CaptionPixels : public test::OneCaptionButton {
 protected:
  void Prepare(TCaptionButton& button) override {
    button.SetSign('R');
    button.SetSignFont({"Arial", CLR_INVALID, true});
    button.SetSeparatorWidth(2);
  }
  void Make(DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, DWORD exStyle = 0) {
    OneCaptionButton::Make(style, exStyle);
    // The only button: offset 2 + separator + slot - 2.
    const bool tool = exStyle & WS_EX_TOOLWINDOW;
    spot_ = ExpectedSpot(window_, 2 + GetSystemMetrics(tool ? SM_CXSMSIZE : SM_CXSIZE));
  }
  Pixels Image() const { return Shown(window_, spot_); }
  // Screen point in the middle of where the image belongs.
  LPARAM Middle() const {
    RECT r{};
    GetWindowRect(window_, &r);
    return test::ScreenPoint(r.left + spot_.x + spot_.ImageWidth() / 2,
                             r.top + spot_.y + spot_.ImageHeight() / 2);
  }

  Spot spot_;
};

// Whether a colour shows inside the button, off its frame.
bool Inside(const Pixels& img, const Spot& s, COLORREF c) {
  for (int y = 2; y <= s.bh - 7; ++y)
    for (int x = 2; x <= s.bw - 5; ++x)
      if (img.At(x, y) == c) return true;
  return false;
}

TEST_F(CaptionPixels, FrameFaceAndLetterUpPressedAndDisabled) {
  Make();
  button_->SetSign(' ');  // the bare frame and face
  ExpectFrame(Image(), spot_, false, "up");
  button_->PaintButton(true);
  ExpectFrame(Image(), spot_, true, "pressed");

  button_->SetSign('R');
  button_->Repaint();
  EXPECT_EQ(InsideDiffers(Image(), ExpectedLetter(spot_, 'R', false, true), spot_), "");
  button_->PaintButton(true);
  EXPECT_EQ(InsideDiffers(Image(), ExpectedLetter(spot_, 'R', true, true), spot_), "")
      << "pressed: the letter one pixel down and right";
  button_->SetSignLeft(2);
  button_->SetSignTop(1);
  button_->Repaint();
  EXPECT_EQ(InsideDiffers(Image(), ExpectedLetter(spot_, 'R', false, true, 2, 1), spot_), "")
      << "moved by SignLeft and SignTop";
  button_->SetEnabled(false);
  EXPECT_EQ(InsideDiffers(Image(), ExpectedLetter(spot_, 'R', false, false, 2, 1), spot_), "")
      << "disabled: grey over white";
}

TEST_F(CaptionPixels, GlyphsTransparentPressedAndEmbossed) {
  Make();
  const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255), green = RGB(0, 255, 0);
  HBITMAP up = Picture(red, blue), down = Picture(red, green, 11, 12);
  button_->SetGlyph(up);
  button_->SetGlyphDown(down);
  Pixels img = Image();
  EXPECT_TRUE(img.Has(blue));
  EXPECT_FALSE(img.Has(red)) << "the top-left colour is see-through";
  EXPECT_FALSE(img.Has(green));
  ExpectFrame(img, spot_, false, "with a glyph");

  button_->SetAllowPress(true);
  button_->SetDown(true);
  img = Image();
  EXPECT_TRUE(img.Has(green)) << "GlyphDown while pressed";
  EXPECT_FALSE(img.Has(blue));
  button_->SetGlyphDown(nullptr);
  button_->Repaint();
  EXPECT_TRUE(Image().Has(blue)) << "no GlyphDown: Glyph pressed too";
  button_->SetDown(false);

  button_->SetGlyphTransparent(false);
  EXPECT_TRUE(Image().Has(red));
  button_->SetGlyphTransparent(true);

  // Disabled: the black parts embossed in highlight and shadow, no black.
  HBITMAP dark = Picture(red, RGB(0, 0, 0));
  button_->SetGlyph(dark);
  button_->SetEnabled(false);
  img = Image();
  EXPECT_TRUE(img.Has(GetSysColor(COLOR_BTNSHADOW)));
  EXPECT_TRUE(Inside(img, spot_, GetSysColor(COLOR_BTNHIGHLIGHT)));
  EXPECT_FALSE(Inside(img, spot_, RGB(0, 0, 0)));
  EXPECT_FALSE(Inside(img, spot_, red));
  for (HBITMAP b : {up, down, dark}) DeleteObject(b);
}

// The system's button face and text colours for the life of the object.
class ButtonColours {
 public:
  ButtonColours(COLORREF face, COLORREF text) {
    const COLORREF wanted[] = {face, text};
    SetSysColors(2, kElements, wanted);
  }
  ~ButtonColours() { SetSysColors(2, kElements, before_); }

 private:
  static constexpr int kElements[] = {COLOR_BTNFACE, COLOR_BTNTEXT};
  const COLORREF before_[2] = {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT)};
};

// On a dark face (high contrast) a glyph's black strokes take the button text
// colour, as the window's own black text does; other colours stay.
TEST_F(CaptionPixels, BlackStrokesTakeTheTextColourOnADarkFace) {
  const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255), white = RGB(255, 255, 255);
  HBITMAP strokes = Picture(red, RGB(0, 0, 0)), coloured = Picture(red, blue);
  {
    const ButtonColours highContrastBlack(RGB(0, 0, 0), white);
    Make();
    button_->SetGlyph(strokes);
    EXPECT_TRUE(Inside(Image(), spot_, white));
    button_->SetGlyph(coloured);
    EXPECT_TRUE(Inside(Image(), spot_, blue));
    TearDown();
  }
  Make();
  button_->SetGlyph(strokes);
  EXPECT_TRUE(Inside(Image(), spot_, RGB(0, 0, 0))) << "the usual colours: black as drawn";
  for (HBITMAP b : {strokes, coloured}) DeleteObject(b);
}

TEST_F(CaptionPixels, SurvivesActivationAndCaptionRedraws) {
  Make();
  const Pixels drawn = Image();
  ExpectFrame(drawn, spot_, false, "first paint");
  SendMessageA(window_, WM_NCACTIVATE, FALSE, 0);
  EXPECT_EQ(Image().p, drawn.p) << "deactivated";
  SendMessageA(window_, WM_NCACTIVATE, TRUE, 0);
  EXPECT_EQ(Image().p, drawn.p) << "activated";
  RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(Image().p, drawn.p) << "frame redrawn";
  SetWindowTextA(window_, "A new title");
  test::PumpPending();
  EXPECT_EQ(Image().p, drawn.p) << "title changed";
}

TEST_F(CaptionPixels, SmallCaptionAndThickFrameAtRunTime) {
  Make(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, WS_EX_TOOLWINDOW);
  button_->SetSign(' ');  // the full-size letter would cross the small frame
  ExpectFrame(Image(), spot_, false, "small caption, thick frame");
  EXPECT_EQ(SendMessageA(window_, WM_NCHITTEST, 0, Middle()), button_->CommandId());
}

TEST_F(CaptionPixels, NoCaptionNoButtonAndNoHit) {
  Make();
  const LPARAM middle = Middle();
  ASSERT_EQ(SendMessageA(window_, WM_NCHITTEST, 0, middle), button_->CommandId());
  // The caption goes; the window keeps its size, so the old spot now lies
  // over the client area.
  SetWindowLongA(window_, GWL_STYLE, WS_POPUP | WS_DLGFRAME | WS_VISIBLE);
  SetWindowPos(window_, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  RedrawWindow(window_, nullptr, nullptr,
               RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  button_->Repaint();
  // The top band inside the frame shows nothing but the client background.
  RECT r{};
  GetWindowRect(window_, &r);
  const int fx = GetSystemMetrics(SM_CXDLGFRAME), fy = GetSystemMetrics(SM_CYDLGFRAME);
  const Pixels band = Read(WindowDC(window_).get(), fx, fy, r.right - r.left - 2 * fx, spot_.bh);
  EXPECT_EQ(band.p, std::vector<COLORREF>(band.p.size(), GetSysColor(COLOR_BTNFACE)))
      << "drawn on a window without a caption";
  EXPECT_NE(SendMessageA(window_, WM_NCHITTEST, 0, middle), button_->CommandId());
}

}  // namespace
}  // namespace hopvox
