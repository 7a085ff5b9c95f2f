#include "framework/Font.h"

namespace hopvox {

UniqueFont MakeFont(const std::string& face, int points, unsigned style) {
  ClientDC screen(nullptr);
  const int height = -MulDiv(points, GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
  return UniqueFont(CreateFontA(height, 0, 0, 0, (style & fsBold) ? FW_BOLD : FW_NORMAL,
                                (style & fsItalic) != 0, (style & fsUnderline) != 0, FALSE,
                                DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
}

}  // namespace hopvox
