#pragma once
// Which decoder a picture file goes to, by its extension; and the filter of
// the logo's open dialog, which offers exactly these kinds.
#include <string>

namespace hopvox {

enum class TPictureFormat { Unknown, Jpeg, Bitmap, Icon, Emf, Wmf };

// The extension after the last dot of the file name, without regard to case.
TPictureFormat PictureFormatOf(const std::string& path);

inline constexpr char kPictureFilter[] =
    "All (*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf)|*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf|JPEG "
    "(*.jpeg)|*.jpeg|"
    "JPG (*.jpg)|*.jpg|Bitmaps (*.bmp)|*.bmp|Icons (*.ico)|*.ico|Enhanced Metafiles (*.emf)|*.emf|"
    "Metafiles (*.wmf)|*.wmf";

// A "name|pattern|name|pattern" filter as the open dialog wants it: pairs
// separated by NULs, ending with two NULs.
std::string DialogFilter(const std::string& filter);

}  // namespace hopvox
