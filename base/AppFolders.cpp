#include "base/AppFolders.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::string_view kProductFolder = "Veltrane Software/";

std::string WithSlash(std::string path)
{
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

std::string HomeFolder()
{
    if (const char* home = std::getenv("HOME"); home && home[0] == '/')
        return home;
    // A session without $HOME (a service, a sanitised environment) still has
    // a home in the password database.
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir)
        return found->pw_dir;
    return "/";
}

// An XDG base folder: the variable when it holds an absolute path, else the
// fallback below the home folder. Relative values are ignored, as the XDG rules ask.
std::string XdgFolder(const char* variable, std::string_view fallbackBelowHome)
{
    if (const char* value = std::getenv(variable); value && value[0] == '/')
        return WithSlash(value);
    return WithSlash(HomeFolder()) + std::string(fallbackBelowHome) + "/";
}

// mkdir -p. Levels that exist are left as they are; new ones get `mode`.
void CreateFolders(const std::string& path, mode_t mode)
{
    for (size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        std::string level = path.substr(0, slash);
        if (mkdir(level.c_str(), mode) != 0 && errno != EEXIST)
            return;
    }
}

// The folder with every missing level made (0700), handed back even when
// that failed.
std::string Created(std::string folder)
{
    CreateFolders(folder, 0700);
    return folder;
}

std::string AppDataPath()
{
    return XdgFolder("XDG_DATA_HOME", ".local/share") + std::string(kProductFolder);
}

} // namespace

std::string ProgramFolder()
{
    char path[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (length <= 0)
        return "./";
    std::string executable(path, static_cast<size_t>(length));
    return executable.substr(0, executable.rfind('/') + 1);
}

std::string SkinFolder()
{
    return ProgramFolder() + "skin/";
}

std::string DefaultDataFolder()
{
    return ProgramFolder() + "DefaultData/";
}

std::string AppDataFolder()
{
    return Created(AppDataPath());
}

std::string DeviceDataFolder(std::string_view folderName)
{
    return Created(AppDataPath() + std::string(folderName) + "/");
}

std::string ConfigFolder()
{
    return Created(XdgFolder("XDG_CONFIG_HOME", ".config") + std::string(kProductFolder));
}

std::string UpdateDataFolder()
{
    return Created(XdgFolder("XDG_CACHE_HOME", ".cache") + std::string(kProductFolder) + "UpdateData/");
}
