#pragma once
// Common base of the non-visual components of the Vr family (wave player,
// single-instance guard). Version is shown at design time only and never
// stored.
#include <string>

namespace hopvox {

class TVrComponent {
 public:
  virtual ~TVrComponent() = default;
  std::string Version = "2.0";
};

}  // namespace hopvox
