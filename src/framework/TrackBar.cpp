#include "framework/TrackBar.h"

#include <commctrl.h>

namespace hopvox {

TTrackBar::TTrackBar(TWindow* parent, int left, int top, int width, int height, int min, int max,
                     int position, int lineSize, int pageSize, int frequency)
    : last_(position) {
  CreateStandard(TRACKBAR_CLASSA, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_AUTOTICKS, 0, parent,
                 left, top, width, height);
  SendMessageA(Handle(), TBM_SETRANGEMIN, FALSE, min);
  SendMessageA(Handle(), TBM_SETRANGEMAX, FALSE, max);
  SendMessageA(Handle(), TBM_SETLINESIZE, 0, lineSize);
  SendMessageA(Handle(), TBM_SETPAGESIZE, 0, pageSize);
  SendMessageA(Handle(), TBM_SETTICFREQ, frequency, 0);
  SendMessageA(Handle(), TBM_SETPOS, TRUE, position);
}

int TTrackBar::Position() const { return static_cast<int>(SendMessageA(Handle(), TBM_GETPOS, 0, 0)); }

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
