#include "framework/TrackBar.h"

#include <commctrl.h>

namespace hopvox {

TTrackBar::TTrackBar(const Args& a) : last_(a.position) {
  CreateStandard(TRACKBAR_CLASSA, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_AUTOTICKS, 0,
                 a.parent, a.bounds.left, a.bounds.top, a.bounds.width, a.bounds.height);
  SendMessageA(Handle(), TBM_SETRANGEMIN, FALSE, a.min);
  SendMessageA(Handle(), TBM_SETRANGEMAX, FALSE, a.max);
  SendMessageA(Handle(), TBM_SETLINESIZE, 0, a.lineSize);
  SendMessageA(Handle(), TBM_SETPAGESIZE, 0, a.pageSize);
  SendMessageA(Handle(), TBM_SETTICFREQ, a.frequency, 0);
  SendMessageA(Handle(), TBM_SETPOS, TRUE, a.position);
}

int TTrackBar::Position() const {
  return static_cast<int>(SendMessageA(Handle(), TBM_GETPOS, 0, 0));
}

void TTrackBar::SetPosition(int position) {
  SendMessageA(Handle(), TBM_SETPOS, TRUE, position);
  int now = Position();
  if (now == last_) return;
  last_ = now;
  if (OnChange) OnChange();
}

bool TTrackBar::Notify(UINT msg, WPARAM, LPARAM, LRESULT&) {
  if (msg != WM_HSCROLL) return false;
  int now = Position();
  if (now != last_) {
    last_ = now;
    if (OnChange) OnChange();
  }
  return true;
}

}  // namespace hopvox
