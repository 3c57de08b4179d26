#include "DesktopPlatform.h"

#include <cstring>

namespace vellory {

namespace {
DesktopPlatform *g_platform = nullptr;
}  // namespace

std::string VersionText(const AppVersion &version)
{
    return "Version " + std::to_string(version.major) + "." + std::to_string(version.minor) + "."
        + std::to_string(version.revision);
}

AppFailure::AppFailure(int number, const std::string &description)
    : std::runtime_error(description)
    , m_number(number)
{
}

void ThrowErrno(int errorNumber, const std::string &what)
{
    throw AppFailure(errorNumber, what + ": " + std::strerror(errorNumber));
}

std::string DesktopPlatform::ApplicationTitle() const
{
    return "Vellory Christian Edition";
}

AppVersion DesktopPlatform::ApplicationVersion() const
{
    return AppVersion {1, 0, 0};
}

DesktopPlatform &Platform()
{
    if (!g_platform)
        throw AppFailure(kErrorInvalidHandle, "No desktop platform is installed");
    return *g_platform;
}

void InstallPlatform(DesktopPlatform *platform)
{
    g_platform = platform;
}

PlatformOverride::PlatformOverride(DesktopPlatform &platform)
    : m_previous(g_platform)
{
    g_platform = &platform;
}

PlatformOverride::~PlatformOverride()
{
    g_platform = m_previous;
}

}  // namespace vellory
