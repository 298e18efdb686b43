#pragma once

#include <filesystem>
#include <string>

namespace zrv {

// Where the settings file and the folder "Dateien" live.
struct ProgramFolder {
    std::filesystem::path folder;
    std::filesystem::path settingsFile;  // folder / "zrvcam.ini"
    std::filesystem::path filesFolder;   // folder / "Dateien": DATEI_ORDNER at start-up
};

// The environment variables that name the user's configuration folder; empty when unset.
struct UserFolders {
    std::string XDG_CONFIG_HOME;
    std::string HOME;
    std::string APPDATA;
};
UserFolders userFoldersFromEnvironment();

// $XDG_CONFIG_HOME/zrvcam (only when absolute), else ~/.config/zrvcam, else %APPDATA%/zrvcam;
// empty when none of them is known.
std::filesystem::path userConfigFolder(const UserFolders& user);

// Whether a file can be created in the folder (tried with a probe file, removed again).
bool folderWritable(const std::filesystem::path& folder);

// The executable's folder when a file can be created there; otherwise the user's configuration
// folder, created when missing. Nothing is reported: a write that fails later says why.
ProgramFolder programFolder(const std::filesystem::path& executableFolder, const UserFolders& user);

// Creates the folder "Dateien"; an existing folder is no error and a failure is skipped.
void createFilesFolder(const ProgramFolder& folder);

}  // namespace zrv
