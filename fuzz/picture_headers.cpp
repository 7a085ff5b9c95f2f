// Hostile logo files for the header readers that run before any of a file
// goes to the system: every reader sees every input, must stay inside it, and
// may only pass a picture of a plausible size.
#include <cstddef>
#include <cstdint>

#include "framework/logic/PictureHeaders.h"

namespace {

void ExpectPlausible(const std::optional<hopvox::TPictureSize>& size) {
  if (size && (size->width <= 0 || size->height <= 0 || size->width > hopvox::kMaxPictureSide ||
               size->height > hopvox::kMaxPictureSide))
    __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hopvox;
  ExpectPlausible(ReadBitmapHeader(data, size));
  ExpectPlausible(ReadIconHeader(data, size));
  ExpectPlausible(ReadEmfHeader(data, size));
  if (const auto wmf = ReadWmfHeader(data, size)) {
    if (wmf->recordsAt + 18 > size) __builtin_trap();
    if (wmf->placeable) ExpectPlausible(wmf->size);
  }
  return 0;
}
