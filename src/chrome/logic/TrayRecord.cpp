#include "chrome/logic/TrayRecord.h"

#include <algorithm>
#include <cstring>

namespace hopvox {

namespace {
void PutU32(TrayRecord& r, int offset, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) r[offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

void PutText(TrayRecord& r, int offset, int fieldSize, std::string_view text) {
  // Stop at an embedded NUL as the shell would, and keep the terminator.
  text = text.substr(0, text.find('\0'));
  const std::size_t n = std::min<std::size_t>(text.size(), fieldSize - 1);
  if (n > 0) std::memcpy(r.data() + offset, text.data(), n);
}
}  // namespace

std::uint32_t ReadTrayU32(const TrayRecord& r, int offset) {
  std::uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(r[offset + i]) << (8 * i);
  return v;
}

TrayRecord FillTrayRecord(const TrayRecordInput& in) {
  using namespace tray;
  TrayRecord r{};
  const bool balloon = in.balloonWanted && in.win2kOrLater;
  PutU32(r, kCbSize, balloon ? kTrayRecordSizeBalloon : kTrayRecordSizeOld);
  PutU32(r, kHwnd, in.window);
  PutU32(r, kId, 0);
  std::uint32_t flags = kNifMessage | kNifTip;
  if (balloon) {
    flags |= kNifInfo;
    PutText(r, kInfo, kInfoSize, in.balloonText);
    PutText(r, kInfoTitle, kInfoTitleSize, in.balloonTitle);
    PutU32(r, kTimeout, in.balloonTimeout);
    PutU32(r, kInfoFlags, static_cast<std::uint32_t>(in.balloonIcon));
  }
  if (in.visible) flags |= kNifIcon;
  PutU32(r, kFlags, flags);
  PutU32(r, kCallback, kTrayCallbackMessage);
  PutU32(r, kIcon, in.icon);
  // The old record shows only the first 64 tip bytes; cut there so the shell
  // never reads past the part of the record it was told about.
  if (in.showHint) PutText(r, kTip, balloon ? kTipSize : kTipSizeOld, in.hint);
  return r;
}

}  // namespace hopvox
