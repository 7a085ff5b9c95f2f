#include "framework/OpenPictureDialog.h"

#include <commdlg.h>
#include <dlgs.h>

#include <cstring>
#include <exception>
#include <memory>
#include <vector>

#include "framework/SystemLibrary.h"
#include "framework/logic/PictureFormat.h"
#include "framework/logic/PreviewFit.h"

namespace hopvox {

namespace {

// The part the dialog adds to the system's own, in dialog units: the system
// places its controls over stc32 and moves whatever lies to the right of
// stc32 past them, so the pane ends up beside the file list.
constexpr short kStandardWidth = 200, kStandardHeight = 120;
constexpr short kPaneLeft = kStandardWidth + 6, kPaneTop = 16, kPaneWidth = 100, kPaneHeight = 92;

// A dialog template in memory (the layout DialogBoxIndirect reads): a header,
// then each control on a 4-byte boundary.
class TemplateWriter {
 public:
  TemplateWriter(DWORD style, short width, short height, WORD controls) {
    Dword(style);
    Dword(0);  // extended style
    words_.push_back(controls);
    Rect(0, 0, width, height);
    words_.insert(words_.end(), {0, 0, 0});  // no menu, the standard class, no title
    if (style & DS_SETFONT) {
      words_.push_back(8);
      Text(L"MS Shell Dlg");
    }
  }
  void Static(DWORD style, DWORD exStyle, short x, short y, short cx, short cy, WORD id) {
    if (words_.size() % 2) words_.push_back(0);
    Dword(style);
    Dword(exStyle);
    Rect(x, y, cx, cy);
    words_.push_back(id);
    words_.insert(words_.end(), {0xFFFF, 0x0082});  // the STATIC class by its atom
    words_.insert(words_.end(), {0, 0});            // no text, no creation data
  }
  const std::vector<WORD>& Words() const { return words_; }

 private:
  void Dword(DWORD v) { words_.insert(words_.end(), {LOWORD(v), HIWORD(v)}); }
  void Rect(short x, short y, short cx, short cy) {
    for (short v : {x, y, cx, cy}) words_.push_back(static_cast<WORD>(v));
  }
  void Text(const wchar_t* s) {
    do words_.push_back(static_cast<WORD>(*s));
    while (*s++);
  }
  std::vector<WORD> words_;
};

struct GlobalFreer {
  void operator()(void* block) const { GlobalFree(block); }
};
using UniqueGlobal = std::unique_ptr<void, GlobalFreer>;

// Fixed global memory: its handle is its address, so the dialog finds the
// template whether it locks the handle or reads it directly.
UniqueGlobal PreviewTemplate() {
  TemplateWriter t(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | DS_3DLOOK | DS_CONTROL | DS_SETFONT,
                   kPaneLeft + kPaneWidth + 6, kStandardHeight, 2);
  t.Static(WS_CHILD, 0, 0, 0, kStandardWidth, kStandardHeight, stc32);
  t.Static(WS_CHILD | WS_VISIBLE | SS_OWNERDRAW, WS_EX_CLIENTEDGE, kPaneLeft, kPaneTop, kPaneWidth,
           kPaneHeight, TOpenPictureDialog::kPreviewId);
  const std::vector<WORD>& words = t.Words();
  UniqueGlobal block(GlobalAlloc(GMEM_FIXED, words.size() * sizeof(WORD)));
  if (block) std::memcpy(block.get(), words.data(), words.size() * sizeof(WORD));
  return block;
}

}  // namespace

bool TOpenPictureDialog::Execute(HWND owner) {
  const std::string filter = DialogFilter(Filter);
  char file[MAX_PATH] = {};
  FileName.copy(file, sizeof file - 1);
  const UniqueGlobal layout = PreviewTemplate();
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file;
  ofn.nMaxFile = sizeof file;
  ofn.lpstrTitle = Title.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLEHOOK;
  ofn.lpfnHook = Hook;
  ofn.lCustData = reinterpret_cast<LPARAM>(this);
  // Without the memory for the pane the dialog still opens, only without a preview.
  if (layout) {
    ofn.Flags |= OFN_ENABLETEMPLATEHANDLE;
    ofn.hInstance = static_cast<HINSTANCE>(layout.get());
  }
  using OpenFn = BOOL(WINAPI*)(LPOPENFILENAMEA);
  const auto open =
      reinterpret_cast<OpenFn>(reinterpret_cast<void*>(CommonDialogsProc("GetOpenFileNameA")));
  const bool chosen = open && open(&ofn);
  preview_ = TPicture();
  if (chosen) FileName = file;
  return chosen;
}

UINT_PTR CALLBACK TOpenPictureDialog::Hook(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  try {
    if (msg == WM_INITDIALOG) {
      SetWindowLongPtrA(dlg, DWLP_USER, reinterpret_cast<const OPENFILENAMEA*>(lp)->lCustData);
      return FALSE;
    }
    auto* self = reinterpret_cast<TOpenPictureDialog*>(GetWindowLongPtrA(dlg, DWLP_USER));
    if (!self) return FALSE;
    if (msg == WM_NOTIFY) {
      const UINT code = reinterpret_cast<const NMHDR*>(lp)->code;
      if (code == CDN_SELCHANGE || code == CDN_FOLDERCHANGE) self->SelectionChanged(dlg);
    } else if (msg == WM_DRAWITEM && wp == kPreviewId) {
      self->DrawPreview(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
      return TRUE;
    }
  } catch (...) {
    // Nothing may leave the dialog's procedure; the pane just stays as it was.
  }
  return FALSE;
}

void TOpenPictureDialog::SelectionChanged(HWND dlg) {
  preview_ = TPicture();
  char path[MAX_PATH] = {};
  const LRESULT n =
      SendMessageA(GetParent(dlg), CDM_GETFILEPATH, sizeof path, reinterpret_cast<LPARAM>(path));
  const DWORD attributes = n > 0 && n <= static_cast<LRESULT>(sizeof path)
                               ? GetFileAttributesA(path)
                               : INVALID_FILE_ATTRIBUTES;
  if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    try {
      preview_ = TPicture::FromFile(path);
    } catch (const std::exception&) {
      // Not a picture we can read, or too big to hold: the pane stays blank.
    }
  }
  InvalidateRect(GetDlgItem(dlg, kPreviewId), nullptr, TRUE);
}

void TOpenPictureDialog::DrawPreview(const DRAWITEMSTRUCT& item) const {
  const RECT& pane = item.rcItem;
  FillRect(item.hDC, &pane, GetSysColorBrush(COLOR_WINDOW));
  const TPlacement p = FitIntoPane(preview_.Width(), preview_.Height(), pane.right - pane.left,
                                   pane.bottom - pane.top);
  if (preview_.Empty() || p.Empty()) return;
  const int left = pane.left + p.left, top = pane.top + p.top;
  preview_.StretchDraw(item.hDC, RECT{left, top, left + p.width, top + p.height});
}

}  // namespace hopvox
