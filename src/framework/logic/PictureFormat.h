#pragma once
// Which decoder a picture file goes to, by its extension; and the filter of
// the logo's open dialog, which offers exactly these kinds.
#include <string>

#include "framework/logic/AnsiCodePage.h"

namespace hopvox {

enum class TPictureFormat { Unknown, Jpeg, Bitmap, Icon, Emf, Wmf };

// The file name's extension: its last dot and what follows; empty when the
// name has no dot.
std::string FileExtension(const std::string& path, const TAnsiCodePage& codePage);
// By the extension, without regard to case.
TPictureFormat PictureFormatOf(const std::string& path, const TAnsiCodePage& codePage);

inline constexpr char kPictureFilter[] =
    "All (*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf)|*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf|JPEG "
    "(*.jpeg)|*.jpeg|"
    "JPG (*.jpg)|*.jpg|Bitmaps (*.bmp)|*.bmp|Icons (*.ico)|*.ico|Enhanced Metafiles (*.emf)|*.emf|"
    "Metafiles (*.wmf)|*.wmf";

// A "name|pattern|name|pattern" filter as the open dialog wants it: pairs
// separated by NULs, ending with two NULs.
std::string DialogFilter(const std::string& filter);

}  // namespace hopvox
