#pragma once
#include <windows.h>

#include <string>

#include "framework/Handles.h"

namespace hopvox {

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4 };

// A font by face name and point size at the screen's resolution.
UniqueFont MakeFont(const std::string& face, int points, unsigned style = 0);

}  // namespace hopvox
