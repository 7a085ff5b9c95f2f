#include "ui/logic/Database.h"

#include "core/logic/SettingsNames.h"
#include "framework/logic/IniText.h"

namespace hopvox {

bool SameName(const std::string& a, const std::string& b, const TAnsiCodePage& codePage) {
  return SameIniName(a, b, codePage);
}

DatabaseAddPlan PlanAdd(const std::string& name, const std::vector<std::string>& listed,
                        const TAnsiCodePage& codePage) {
  DatabaseAddPlan plan;
  if (name.empty()) {
    plan.refusal = kNothingAdded;
  } else {
    switch (IniText::NameFault(ini::kDatabaseSection, name)) {
      case TIniNameFault::inKeyBlank:
        plan.refusal = kNameOnlyBlanks;
        break;
      case TIniNameFault::inKeyEquals:
        plan.refusal = kNameWithEquals;
        break;
      case TIniNameFault::inKeyBracket:
        plan.refusal = kNameWithBracket;
        break;
      case TIniNameFault::inKeyLineBreak:
        plan.refusal = kNameWithLineBreak;
        break;
      default:  // the section is ours and always fits
        break;
    }
  }
  plan.refused = plan.refusal != nullptr;
  if (plan.refused) return plan;
  for (size_t i = 0; i < listed.size(); ++i)
    if (SameName(listed[i], name, codePage)) {
      plan.existing = static_cast<int>(i);
      break;
    }
  return plan;
}

int EntryFromPointReply(unsigned long reply, int count) {
  if ((reply >> 16) & 0xFFFF) return -1;
  const int index = static_cast<int>(reply & 0xFFFF);
  return index < count ? index : -1;
}

}  // namespace hopvox
