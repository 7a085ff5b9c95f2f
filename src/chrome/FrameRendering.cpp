#include "chrome/FrameRendering.h"

#include "framework/Handles.h"
#include "framework/SystemLibrary.h"

namespace hopvox {

namespace {
constexpr DWORD kNcRenderingPolicy = 2;  // DWMWA_NCRENDERING_POLICY
constexpr int kNcRenderingDisabled = 1;  // DWMNCRP_DISABLED
}  // namespace

void LeaveFrameToWindow(HWND window) {
  using SetAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
  // Loaded ahead at start-up where it exists, so this only takes a reference.
  const UniqueModule library(LoadSystemLibrary("dwmapi.dll"));
  if (!library) return;
  const auto setAttribute = reinterpret_cast<SetAttributeFn>(
      reinterpret_cast<void*>(GetProcAddress(library.get(), "DwmSetWindowAttribute")));
  if (!setAttribute) return;
  const int policy = kNcRenderingDisabled;
  setAttribute(window, kNcRenderingPolicy, &policy, sizeof policy);
}

}  // namespace hopvox
