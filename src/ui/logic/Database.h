#pragma once
// Decisions of the name-and-address database panel that need no window.
#include <string>
#include <vector>

#include "framework/logic/AnsiCodePage.h"

namespace hopvox {

inline constexpr const char* kNothingAdded = "Nothing added, you must include a name first";
// Names the database file cannot hold as a key.
inline constexpr const char* kNameOnlyBlanks = "Nothing added, a name cannot be only blanks";
inline constexpr const char* kNameWithEquals = "Nothing added, a name cannot contain \"=\"";
inline constexpr const char* kNameWithBracket = "Nothing added, a name cannot start with \"[\"";
inline constexpr const char* kNameWithLineBreak = "Nothing added, a name cannot hold a line break";
inline constexpr const char* kNoAddress = "error";

// What "Add" does with a name, given the names the list shows now.
struct DatabaseAddPlan {
  // No name, or one the file cannot hold as a key: nothing is written and
  // `refusal` says why.
  bool refused = false;
  const char* refusal = nullptr;
  // Index of the list entry that already holds the name (in any letter case):
  // its value is replaced and the list keeps that one entry. -1: a new entry.
  int existing = -1;
};

DatabaseAddPlan PlanAdd(const std::string& name, const std::vector<std::string>& listed,
                        const TAnsiCodePage& codePage);

// Decodes the list's item-from-point reply: the entry under the pointer, or
// -1 when the reply's high word is set (the point is outside every entry) or
// its index is past the end of the list.
int EntryFromPointReply(unsigned long reply, int count);

// Names compare as the settings file compares its keys (SameIniName), so the
// list shows one entry for each key the file can hold.
bool SameName(const std::string& a, const std::string& b, const TAnsiCodePage& codePage);

}  // namespace hopvox
