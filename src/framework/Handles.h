#pragma once
// Owning wrappers for every kind of handle the program holds. Each closes its
// handle with the call that belongs to it; kernel handles treat both NULL and
// INVALID_HANDLE_VALUE as empty.
#include <windows.h>

#include <utility>

namespace hopvox {

template <typename H, typename Traits>
class UniqueResource {
 public:
  UniqueResource() = default;
  explicit UniqueResource(H h) : h_(h) {}
  ~UniqueResource() { reset(); }
  UniqueResource(UniqueResource&& o) noexcept : h_(o.release()) {}
  UniqueResource& operator=(UniqueResource&& o) noexcept {
    if (this != &o) reset(o.release());
    return *this;
  }
  UniqueResource(const UniqueResource&) = delete;
  UniqueResource& operator=(const UniqueResource&) = delete;

  H get() const { return h_; }
  explicit operator bool() const { return Traits::Valid(h_); }
  H release() { return std::exchange(h_, Traits::Empty()); }
  void reset(H h = Traits::Empty()) {
    if (Traits::Valid(h_)) Traits::Close(h_);
    h_ = h;
  }

 private:
  H h_ = Traits::Empty();
};

struct KernelTraits {
  static HANDLE Empty() { return nullptr; }
  static bool Valid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { CloseHandle(h); }
};
using UniqueHandle = UniqueResource<HANDLE, KernelTraits>;

template <typename T>
struct GdiTraits {
  static T Empty() { return nullptr; }
  static bool Valid(T h) { return h != nullptr; }
  static void Close(T h) { DeleteObject(h); }
};
template <typename T>
using UniqueGdi = UniqueResource<T, GdiTraits<T>>;
using UniqueBitmap = UniqueGdi<HBITMAP>;
using UniqueFont = UniqueGdi<HFONT>;
using UniqueBrush = UniqueGdi<HBRUSH>;
using UniquePen = UniqueGdi<HPEN>;
using UniqueRegion = UniqueGdi<HRGN>;

struct DCTraits {
  static HDC Empty() { return nullptr; }
  static bool Valid(HDC h) { return h != nullptr; }
  static void Close(HDC h) { DeleteDC(h); }
};
// A memory DC from CreateCompatibleDC.
using UniqueDC = UniqueResource<HDC, DCTraits>;

struct ModuleTraits {
  static HMODULE Empty() { return nullptr; }
  static bool Valid(HMODULE h) { return h != nullptr; }
  static void Close(HMODULE h) { FreeLibrary(h); }
};
using UniqueModule = UniqueResource<HMODULE, ModuleTraits>;

struct RegKeyTraits {
  static HKEY Empty() { return nullptr; }
  static bool Valid(HKEY h) { return h != nullptr; }
  static void Close(HKEY h) { RegCloseKey(h); }
};
using UniqueRegKey = UniqueResource<HKEY, RegKeyTraits>;

struct WindowTraits {
  static HWND Empty() { return nullptr; }
  static bool Valid(HWND h) { return h != nullptr; }
  static void Close(HWND h) {
    if (IsWindow(h)) DestroyWindow(h);
  }
};
using UniqueWindow = UniqueResource<HWND, WindowTraits>;

struct IconTraits {
  static HICON Empty() { return nullptr; }
  static bool Valid(HICON h) { return h != nullptr; }
  static void Close(HICON h) { DestroyIcon(h); }
};
using UniqueIcon = UniqueResource<HICON, IconTraits>;

struct MenuTraits {
  static HMENU Empty() { return nullptr; }
  static bool Valid(HMENU h) { return h != nullptr; }
  static void Close(HMENU h) { DestroyMenu(h); }
};
using UniqueMenu = UniqueResource<HMENU, MenuTraits>;

// GetDC / ReleaseDC for a window (or the screen with a null window).
class ClientDC {
 public:
  explicit ClientDC(HWND wnd) : wnd_(wnd), dc_(GetDC(wnd)) {}
  ~ClientDC() {
    if (dc_) ReleaseDC(wnd_, dc_);
  }
  ClientDC(const ClientDC&) = delete;
  ClientDC& operator=(const ClientDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND wnd_;
  HDC dc_;
};

// GetWindowDC / ReleaseDC: the whole window, frame and title bar included.
class WindowDC {
 public:
  explicit WindowDC(HWND wnd) : wnd_(wnd), dc_(GetWindowDC(wnd)) {}
  ~WindowDC() {
    if (dc_) ReleaseDC(wnd_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND wnd_;
  HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDC {
 public:
  explicit PaintDC(HWND wnd) : wnd_(wnd) { dc_ = BeginPaint(wnd, &ps_); }
  ~PaintDC() { EndPaint(wnd_, &ps_); }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  HDC get() const { return dc_; }
  const RECT& Area() const { return ps_.rcPaint; }

 private:
  HWND wnd_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

// Selects an object into a DC and puts the previous one back.
class ScopedSelectObject {
 public:
  ScopedSelectObject(HDC dc, HGDIOBJ obj) : dc_(dc), old_(obj ? SelectObject(dc, obj) : nullptr) {}
  ~ScopedSelectObject() {
    if (old_) SelectObject(dc_, old_);
  }
  ScopedSelectObject(const ScopedSelectObject&) = delete;
  ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// Saves and restores the whole DC state (clip region, origins, colours).
class ScopedSaveDC {
 public:
  explicit ScopedSaveDC(HDC dc) : dc_(dc), id_(SaveDC(dc)) {}
  ~ScopedSaveDC() { RestoreDC(dc_, id_); }
  ScopedSaveDC(const ScopedSaveDC&) = delete;
  ScopedSaveDC& operator=(const ScopedSaveDC&) = delete;

 private:
  HDC dc_;
  int id_;
};

}  // namespace hopvox
