#include "framework/logic/PictureFormat.h"

#include <cctype>

namespace hopvox {

TPictureFormat PictureFormatOf(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  const size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
    return TPictureFormat::Unknown;
  std::string ext = path.substr(dot + 1);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ext == "jpg" || ext == "jpeg") return TPictureFormat::Jpeg;
  if (ext == "bmp") return TPictureFormat::Bitmap;
  if (ext == "ico") return TPictureFormat::Icon;
  if (ext == "emf") return TPictureFormat::Emf;
  if (ext == "wmf") return TPictureFormat::Wmf;
  return TPictureFormat::Unknown;
}

std::string DialogFilter(const std::string& filter) {
  std::string out = filter;
  for (char& c : out)
    if (c == '|') c = '\0';
  out.push_back('\0');
  out.push_back('\0');
  return out;
}

}  // namespace hopvox
