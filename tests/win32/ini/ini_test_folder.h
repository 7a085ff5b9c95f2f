#pragma once
// An empty folder per test program (under the build tree when ctest runs us) and raw file access.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

inline std::string IniTestFolder(const char* name) {
  namespace fs = std::filesystem;
  const char* root = std::getenv("HOPVOX_TESTROOT");
  const fs::path folder = (root ? fs::path(root) : fs::temp_directory_path()) / name;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(folder, ec))
    fs::permissions(e.path(), fs::perms::all, ec);
  fs::remove_all(folder, ec);
  fs::create_directories(folder, ec);
  return folder.string() + '\\';
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing>";
}
