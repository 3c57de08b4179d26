#include "platform/linux/XdgFolders.h"

#include "platform/DesktopPlatform.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace vellory {

std::string HomeFolder()
{
    const char *home = std::getenv("HOME");
    if (home && *home)
        return home;
    if (const passwd *entry = getpwuid(getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    throw AppFailure(ENOENT, "Cannot find the home folder");
}

std::string WithoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

std::string JoinPath(const std::string &folder, const std::string &name)
{
    std::string joined = WithoutTrailingSlashes(folder);
    if (joined != "/")
        joined += '/';
    return joined + name;
}

std::string XdgBaseFolder(const char *variable, const char *fallbackBelowHome)
{
    const char *value = std::getenv(variable);
    if (value && value[0] == '/')
        return WithoutTrailingSlashes(value);
    return JoinPath(HomeFolder(), fallbackBelowHome);
}

}  // namespace vellory
