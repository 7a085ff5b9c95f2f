#include "framework/logic/PictureFormat.h"

#include <cctype>

namespace hopvox {

std::string FileExtension(const std::string& path, const TAnsiCodePage& codePage) {
  const std::string_view name = std::string_view(path).substr(FolderLength(path, codePage));
  const size_t dot = codePage.FindLastOf(name, ".");
  return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot));
}

TPictureFormat PictureFormatOf(const std::string& path, const TAnsiCodePage& codePage) {
  std::string ext = FileExtension(path, codePage);
  if (ext.empty()) return TPictureFormat::Unknown;
  ext.erase(0, 1);
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
