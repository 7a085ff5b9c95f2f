#include "framework/PageControl.h"

#include <commctrl.h>

#include "framework/ScreenScale.h"

namespace hopvox {

TTabSheet::TTabSheet(TPageControl* pages, const std::string& caption)
    : pages_(pages), caption_(caption) {
  RECT rc = pages->DisplayRect();
  CreateOwn("HopvoxTabSheet", caption.c_str(), WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0,
            pages, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
  pages->AddPage(this);
}

TPageControl::TPageControl(const Args& a) {
  CreateStandard(WC_TABCONTROLA, "",
                 WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | TCS_FIXEDWIDTH |
                     (a.multiLine ? TCS_MULTILINE : 0),
                 0, a.parent, a.bounds.left, a.bounds.top, a.bounds.width, a.bounds.height);
  // Four tabs share the width, so none scrolls out of sight.
  SendMessageA(Handle(), TCM_SETITEMSIZE, 0,
               MAKELPARAM((a.bounds.width - 6) / 4, ScaleToScreen(20)));
}

RECT TPageControl::DisplayRect() const {
  RECT rc = ClientRect();
  if (pages_.empty()) {
    // Reserve the tab row before the first tab exists.
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>("0");
    SendMessageA(Handle(), TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    SendMessageA(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rc));
    SendMessageA(Handle(), TCM_DELETEITEM, 0, 0);
  } else {
    SendMessageA(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rc));
  }
  return rc;
}

void TPageControl::AddPage(TTabSheet* page) {
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<char*>(page->Caption().c_str());
  SendMessageA(Handle(), TCM_INSERTITEMA, pages_.size(), reinterpret_cast<LPARAM>(&item));
  pages_.push_back(page);
  if (active_ < 0) {
    active_ = 0;
    page->SetVisible(true);
  }
}

TTabSheet* TPageControl::ActivePage() const { return active_ < 0 ? nullptr : Page(active_); }
int TPageControl::ActivePageIndex() const { return active_; }

void TPageControl::SetActivePage(TTabSheet* page) {
  int index = -1;
  for (int i = 0; i < PageCount(); ++i)
    if (Page(i) == page) index = i;
  if (index < 0 || index == active_) return;
  if (active_ >= 0) Page(active_)->SetVisible(false);
  active_ = index;
  SendMessageA(Handle(), TCM_SETCURSEL, index, 0);
  page->SetVisible(true);
  if (page->OnShow) page->OnShow();
}

bool TPageControl::Notify(UINT msg, WPARAM, LPARAM lp, LRESULT&) {
  if (msg != WM_NOTIFY) return false;
  auto* hdr = reinterpret_cast<NMHDR*>(lp);
  if (hdr->code != static_cast<UINT>(TCN_SELCHANGE)) return false;
  int sel = static_cast<int>(SendMessageA(Handle(), TCM_GETCURSEL, 0, 0));
  if (sel >= 0 && sel < PageCount()) SetActivePage(Page(sel));
  return true;
}

}  // namespace hopvox
