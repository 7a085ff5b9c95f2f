#include "framework/ListBox.h"

namespace hopvox {

TListBox::TListBox(const Args& a) {
  CreateStandard(
      "LISTBOX", "",
      WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY |
          (a.multiSelect ? LBS_EXTENDEDSEL : 0) | LBS_NOINTEGRALHEIGHT | (a.sorted ? LBS_SORT : 0),
      WS_EX_CLIENTEDGE, a.parent, a.bounds.left, a.bounds.top, a.bounds.width, a.bounds.height);
}

int TListBox::Count() const { return static_cast<int>(SendMessageA(Handle(), LB_GETCOUNT, 0, 0)); }

std::string TListBox::Item(int index) const {
  LRESULT n = SendMessageA(Handle(), LB_GETTEXTLEN, index, 0);
  if (n == LB_ERR) return {};
  std::string s(static_cast<size_t>(n) + 1, '\0');
  n = SendMessageA(Handle(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(s.data()));
  s.resize(n == LB_ERR ? 0 : static_cast<size_t>(n));
  return s;
}

std::vector<std::string> TListBox::Items() const {
  std::vector<std::string> items;
  for (int i = 0, n = Count(); i < n; ++i) items.push_back(Item(i));
  return items;
}

void TListBox::SetItems(const std::vector<std::string>& items) {
  SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
  Clear();
  for (const auto& s : items) Add(s);
  SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(Handle(), nullptr, TRUE);
}

int TListBox::Add(const std::string& item) {
  return static_cast<int>(
      SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str())));
}

void TListBox::Remove(int index) { SendMessageA(Handle(), LB_DELETESTRING, index, 0); }
void TListBox::Clear() { SendMessageA(Handle(), LB_RESETCONTENT, 0, 0); }

int TListBox::IndexOf(const std::string& item) const {
  for (int i = 0, n = Count(); i < n; ++i)
    if (Item(i) == item) return i;
  return -1;
}

bool TListBox::Selected(int index) const { return SendMessageA(Handle(), LB_GETSEL, index, 0) > 0; }
int TListBox::SelCount() const {
  LRESULT n = SendMessageA(Handle(), LB_GETSELCOUNT, 0, 0);
  return n == LB_ERR ? 0 : static_cast<int>(n);
}
int TListBox::ItemIndex() const {
  if (Count() == 0) return -1;
  return static_cast<int>(SendMessageA(Handle(), LB_GETCARETINDEX, 0, 0));
}

int TListBox::ItemAtPos(int x, int y) const {
  LRESULT r = SendMessageA(Handle(), LB_ITEMFROMPOINT, 0, MAKELPARAM(x, y));
  if (HIWORD(r)) return -1;  // outside the client area
  return LOWORD(r) < Count() ? LOWORD(r) : -1;
}

bool TListBox::Notify(UINT msg, WPARAM wp, LPARAM, LRESULT&) {
  if (msg == WM_COMMAND && HIWORD(wp) == LBN_SELCHANGE && OnClick) {
    OnClick();
    return true;
  }
  return false;
}

}  // namespace hopvox
