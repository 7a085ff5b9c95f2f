#include "driver/Looks.h"

#include <stdexcept>

#include "framework/logic/QueryProtocol.h"

namespace e2e {

namespace {

struct Collect {
  std::vector<std::string>* names;
};

BOOL CALLBACK CollectNamed(HWND wnd, LPARAM lp) {
  auto atom =
      static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(GetPropA(wnd, hopvox::query::kNameProperty)));
  char text[256];
  if (atom && GlobalGetAtomNameA(atom, text, sizeof text))
    reinterpret_cast<Collect*>(lp)->names->push_back(text);
  return TRUE;
}

}  // namespace

std::vector<std::string> NamedControls(const HopvoxRun& run) {
  std::vector<std::string> names;
  Collect collect{&names};
  EnumChildWindows(run.Form(), CollectNamed, reinterpret_cast<LPARAM>(&collect));
  return names;
}

std::string FontOf(const HopvoxRun& run, const std::string& control) {
  return run.QueryText("font:" + control);
}

int FontHeight(int points) {
  HDC screen = GetDC(nullptr);
  const int h = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  return h;
}

Pointer PointerShape(const HopvoxRun& run) { return static_cast<Pointer>(run.Query("cursor")); }

Pointer PointerOver(const HopvoxRun& run, const std::string& control, int x, int y,
                    Pointer expected) {
  run.MoveMouse(control, x, y);
  WaitFor([&] { return PointerShape(run) == expected; }, std::chrono::seconds(3));
  return PointerShape(run);
}

std::string HintOver(const HopvoxRun& run, const std::string& control, int x, int y,
                     const char* which) {
  // Off the window first, so the hint logic sees the pointer arrive.
  MouseTo({1, 1});
  Sleep(100);
  run.MoveMouse(control, x - 1, y);
  MouseTo(run.ScreenPoint(control, x, y));
  std::string text;
  WaitFor([&] { return !(text = run.QueryText(which)).empty(); }, std::chrono::seconds(5));
  return text;
}

std::string CaptionHintOver(const HopvoxRun& run, const std::string& button) {
  if (!WaitFor([&] { return run.Query(button + ".Left") > 0; })) return {};
  POINT pt{run.Query(button + ".Left") + 4, -4};
  ClientToScreen(run.Form(), &pt);
  MouseTo({1, 1});
  Sleep(100);
  MouseTo({pt.x - 1, pt.y});
  MouseTo(pt);
  std::string text;
  WaitFor([&] { return !(text = run.QueryText("captionhint")).empty(); }, std::chrono::seconds(5));
  return text;
}

std::vector<unsigned> PixelsOf(const HopvoxRun& run, const std::string& control, RECT area) {
  const POINT origin = run.ScreenPoint(control, area.left, area.top);
  HDC screen = GetDC(nullptr);
  std::vector<unsigned> pixels;
  for (int y = 0; y < area.bottom - area.top; ++y)
    for (int x = 0; x < area.right - area.left; ++x) {
      const COLORREF c = GetPixel(screen, origin.x + x, origin.y + y);
      pixels.push_back((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
    }
  ReleaseDC(nullptr, screen);
  return pixels;
}

}  // namespace e2e
