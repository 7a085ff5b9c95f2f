// Keys and focus on a fold panel's client are the panel's own events.
#include <gtest/gtest.h>

#include <string>

#include "Render.h"
#include "widgets/DFWFoldPanel.h"

namespace hopvox {
namespace {

TEST(FoldPanelEvents, ClientKeysAndFocusReachThePanel) {
  test::Host host;
  TDFWFoldPanel panel{{.parent = &host, .bounds = {10, 10, 173, 164}}};
  std::string seen;
  panel.OnKeyDown = [&](WORD& key, TShiftState) { seen += "down " + std::to_string(key) + ";"; };
  panel.OnKeyPress = [&](char& key) { seen += std::string("press ") + key + ";"; };
  panel.OnKeyUp = [&](WORD& key, TShiftState) { seen += "up " + std::to_string(key) + ";"; };
  panel.OnEnter = [&] { seen += "enter;"; };
  panel.OnExit = [&] { seen += "exit;"; };
  HWND client = panel.Client().Handle();
  SendMessageA(client, WM_SETFOCUS, 0, 0);
  SendMessageA(client, WM_KEYDOWN, 'A', 0);
  SendMessageA(client, WM_CHAR, 'a', 0);
  SendMessageA(client, WM_KEYUP, 'A', 0);
  // Leaving for another control of the same window.
  SendMessageA(client, WM_KILLFOCUS, reinterpret_cast<WPARAM>(panel.Handle()), 0);
  EXPECT_EQ(seen, "enter;down 65;press a;up 65;exit;");
}

}  // namespace
}  // namespace hopvox
