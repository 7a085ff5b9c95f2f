// Runs in a folder the test itself may not write to.
#include "driver/Driver.h"

namespace e2e {

HopvoxRun::HopvoxRun(PreparedFolder folder) : folder_(std::move(folder.path)), exe_(folder_ + "\\hopvox.exe") {}

}  // namespace e2e
