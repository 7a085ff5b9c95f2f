// Settings-file text under arbitrary bytes: parsing keeps every byte, reads
// never fail, and a write or delete changes only the key it names.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "framework/logic/IniText.h"

using hopvox::IniText;

static const hopvox::TAnsiCodePage& kWestern = hopvox::WesternCodePage();

#define Check(ok)                                                    \
  do {                                                               \
    if (!(ok)) {                                                     \
      std::fprintf(stderr, "failed: %s (line %d)\n", #ok, __LINE__); \
      std::abort();                                                  \
    }                                                                \
  } while (0)

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Input: section NUL key NUL value NUL file bytes.
  std::string_view in(reinterpret_cast<const char*>(data), size);
  std::string_view parts[3];
  for (auto& p : parts) {
    std::size_t nul = in.find('\0');
    if (nul == std::string_view::npos) return 0;
    p = in.substr(0, nul);
    in.remove_prefix(nul + 1);
  }
  const auto [section, key, value] = parts;
  const IniText before = IniText::Parse(in, kWestern);
  Check(before.Format() == in);

  const auto names = before.KeyNames(section);
  std::size_t bytes = 1;
  for (const auto& n : names) bytes += n.size() + 1;
  Check(bytes <= hopvox::kIniKeyListBytes);
  Check(before.SectionExists(section) == !names.empty());
  Check(before.ReadString(section, key, "").size() <= hopvox::kIniMaxRead);
  (void)before.ReadInteger(section, key, -1);

  IniText after = before;
  if (after.WriteString(section, key, value)) {
    const IniText reread = IniText::Parse(after.Format(), kWestern);
    std::string stored(value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3))));
    std::string expect = IniText::Parse("[s]\nk=" + stored, kWestern).ReadString("s", "k", "");
    Check(reread.ReadString(section, key, "?") == expect);
    IniText sameKey(kWestern);
    sameKey.WriteString("s", key, "1");
    for (const auto& n : names) {
      if (sameKey.ReadString("s", n, "") == "1") continue;
      Check(reread.ReadString(section, n, "?") == before.ReadString(section, n, "?"));
    }
    IniText deleted = reread;
    Check(deleted.DeleteKey(section, key));
    Check(!deleted.Value(section, key).has_value());
  } else {
    Check(after.Format() == in);
  }
  return 0;
}
