#include "ui/logic/MainServer.h"

namespace hopvox {

void ApplyServerExit(TRunValues& run, const std::string& text, bool useServer) {
  if (useServer) run.mainServer = text;
}

std::string ApplyPasswordExit(TRunValues& run, const std::string& text, bool useServer) {
  if (useServer) {
    run.mainServerPassword = text;
    run.passwordArgument = " " + text;
  }
  return text + " ";
}

void ApplyUseServerExit(TRunValues& run, bool useServer, const std::string& storedServer,
                        const std::string& storedPassword) {
  if (!useServer) {
    run.mainServer.clear();
    run.mainServerPassword.clear();
    run.passwordArgument.clear();
    return;
  }
  run.mainServer = storedServer;
  run.mainServerPassword = storedPassword;
  run.passwordArgument = " " + run.mainServerPassword;
}

}  // namespace hopvox
