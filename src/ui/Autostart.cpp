#include "ui/Autostart.h"

#include <windows.h>

#include "framework/Handles.h"

namespace hopvox {

namespace {

UniqueRegKey OpenExisting(HKEY root, REGSAM access) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, kRunKey, 0, access, &key) != ERROR_SUCCESS) return {};
  return UniqueRegKey(key);
}

bool SetString(HKEY key, const std::string& name, const std::string& value) {
  return RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool MachineEntryExists(const std::string& name) {
  const UniqueRegKey machine = OpenExisting(HKEY_LOCAL_MACHINE, KEY_QUERY_VALUE);
  return machine && RegQueryValueExA(machine.get(), name.c_str(), nullptr, nullptr, nullptr,
                                     nullptr) == ERROR_SUCCESS;
}

}  // namespace

TAutostartPlace RegisterAutostart(const std::string& name, const std::string& command) {
  if (UniqueRegKey machine = OpenExisting(HKEY_LOCAL_MACHINE, KEY_ALL_ACCESS)) {
    if (SetString(machine.get(), name, command)) {
      // One entry only, or the program would start twice at log-on.
      if (UniqueRegKey user = OpenExisting(HKEY_CURRENT_USER, KEY_SET_VALUE))
        RegDeleteValueA(user.get(), name.c_str());
      return TAutostartPlace::Machine;
    }
  }
  // An administrator's entry for every user already starts us: a second
  // one of our own would start a second copy at log-on.
  if (MachineEntryExists(name)) return TAutostartPlace::Machine;
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kRunKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return TAutostartPlace::None;
  UniqueRegKey user(key);
  return SetString(user.get(), name, command) ? TAutostartPlace::User : TAutostartPlace::None;
}

bool UnregisterAutostart(const std::string& name) {
  if (UniqueRegKey machine = OpenExisting(HKEY_LOCAL_MACHINE, KEY_ALL_ACCESS))
    RegDeleteValueA(machine.get(), name.c_str());
  if (UniqueRegKey user = OpenExisting(HKEY_CURRENT_USER, KEY_SET_VALUE))
    RegDeleteValueA(user.get(), name.c_str());
  return !MachineEntryExists(name);
}

std::string AutostartCommand(const std::string& programFile) {
  return programFile.find(' ') == std::string::npos ? programFile : "\"" + programFile + "\"";
}

}  // namespace hopvox
