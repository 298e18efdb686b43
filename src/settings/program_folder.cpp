#include "settings/program_folder.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <system_error>

namespace zrv {
namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

ProgramFolder inFolder(const std::filesystem::path& folder) {
    return {folder, folder / "zrvcam.ini", folder / "Dateien"};
}

// Unlikely to meet a file of the user or a second program start probing at the same time.
std::string probeName() {
    return ".zrvcam-schreibprobe-" +
           std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
}

}  // namespace

UserFolders userFoldersFromEnvironment() {
    return {environment("XDG_CONFIG_HOME"), environment("HOME"), environment("APPDATA")};
}

std::filesystem::path userConfigFolder(const UserFolders& user) {
    const std::filesystem::path xdg(user.XDG_CONFIG_HOME);
    if (xdg.is_absolute()) {
        return xdg / "zrvcam";
    }
    if (!user.HOME.empty()) {
        return std::filesystem::path(user.HOME) / ".config" / "zrvcam";
    }
    if (!user.APPDATA.empty()) {
        return std::filesystem::path(user.APPDATA) / "zrvcam";
    }
    return {};
}

bool folderWritable(const std::filesystem::path& folder) {
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        return false;
    }
    const std::filesystem::path probe = folder / probeName();
    bool written = false;
    {
        std::ofstream file(probe, std::ios::binary);
        written = file.is_open() && static_cast<bool>(file << 'x');
    }
    std::filesystem::remove(probe, error);
    return written;
}

ProgramFolder programFolder(const std::filesystem::path& executableFolder,
                            const UserFolders& user) {
    if (folderWritable(executableFolder)) {
        return inFolder(executableFolder);
    }
    const std::filesystem::path config = userConfigFolder(user);
    if (config.empty()) {
        return inFolder(executableFolder);
    }
    std::error_code error;
    std::filesystem::create_directories(config, error);
    return inFolder(config);
}

void createFilesFolder(const ProgramFolder& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder.filesFolder, error);
}

}  // namespace zrv
