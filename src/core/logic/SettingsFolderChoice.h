#pragma once
// Where the two settings files live. Beside the program, as always, where the
// user may write there; in the user's own application-data folder where the
// program sits in a folder only an administrator may change (Program Files).

namespace hopvox {

struct TSettingsFolderChoice {
  bool userFolder = false;  // false: beside the program
  // The user's folder holds no settings yet: it starts from the files beside
  // the program, and the user is told once where the settings are now.
  bool firstStartThere = false;
};

// `programFolderTakesFiles`: a new file could be made beside the program.
// `settingsWritableThere`: the settings file beside the program exists and
// may be written (an administrator gave it to the user; it stays in use).
inline TSettingsFolderChoice ChooseSettingsFolder(bool programFolderTakesFiles,
                                                  bool settingsWritableThere, bool userFolderKnown,
                                                  bool userFolderHoldsSettings) {
  if (programFolderTakesFiles || settingsWritableThere || !userFolderKnown) return {};
  return {true, !userFolderHoldsSettings};
}

}  // namespace hopvox
