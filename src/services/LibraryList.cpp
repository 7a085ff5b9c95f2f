#include "services/LibraryList.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "framework/CriticalSection.h"
#include "framework/Handles.h"
#include "framework/SystemLibrary.h"

namespace hopvox {
namespace {

struct LibraryList {
  TCriticalSection lock;
  std::map<std::string, UniqueModule> modules;
};

LibraryList& Libraries() {
  static LibraryList list;
  return list;
}

}  // namespace

FARPROC LibraryProc(const std::string& libName, const std::string& procName) {
  std::string key = libName;
  std::transform(key.begin(), key.end(), key.begin(),
                 [](unsigned char c) { return std::tolower(c); });
  LibraryList& list = Libraries();
  TCriticalSection::Lock guard(list.lock);
  auto it = list.modules.find(key);
  if (it == list.modules.end()) {
    UniqueModule module(LoadSystemLibrary(libName.c_str()));
    if (!module) throw ELibraryError(libName + " is not loaded");
    it = list.modules.emplace(key, std::move(module)).first;
  }
  FARPROC proc = GetProcAddress(it->second.get(), procName.c_str());
  if (!proc) throw ELibraryError(procName + " is not loaded");
  return proc;
}

}  // namespace hopvox
