#pragma once
// The speaker-volume arrows on a test host: 21 x 26 at (60, 50), counting
// their clicks.
#include <gtest/gtest.h>

#include "Render.h"
#include "widgets/VrUpDown.h"

namespace hopvox::test {

struct VolumeArrows : ::testing::Test {
  Host host;
  TVrUpDown updown;
  int ups = 0, downs = 0;
  VolumeArrows() {
    updown.SetParent(&host);
    updown.SetBounds(60, 50, 21, 26);
    updown.SetTransparent(true);
    updown.OnUpClick = [this] { ++ups; };
    updown.OnDownClick = [this] { ++downs; };
  }
  // A mouse message at (x, y) of the arrows.
  void Send(UINT msg, WPARAM keys, int x, int y) {
    SendMessageA(host.Handle(), msg, keys, At(60 + x, 50 + y));
  }
  TColor Pixel(int x, int y) { return Snapshot(host.Handle()).At(60 + x, 50 + y); }
};

}  // namespace hopvox::test
