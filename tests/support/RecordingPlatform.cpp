#include "RecordingPlatform.h"

#include <cerrno>
#include <filesystem>

namespace vellory::test {

void RecordingUi::ShowMessageBox(const std::string &title, const std::string &text)
{
    messageBoxes.emplace_back(title, text);
    if (onMessageBox)
        onMessageBox();
}

void RecordingUi::SetBusyCursor(bool on)
{
    cursorChanges.push_back(on);
    busy = on;
}

RecordingPlatform::RecordingPlatform(const std::string &rootFolder)
    : LinuxPlatform(recordingUi, rootFolder + "/registry.sqlite3")
    , root(rootFolder)
    , registryPath(rootFolder + "/registry.sqlite3")
{
    for (const char *name : {"Desktop", "StartMenu", "Favorites"}) {
        const std::string path = root + "/" + name;
        std::filesystem::create_directories(path);
        folders[name] = path;
    }
}

void RecordingPlatform::RunProgram(const std::string &commandLine)
{
    programsStarted.push_back(commandLine);
    if (runProgramErrno != 0)
        ThrowErrno(runProgramErrno, "Cannot start " + commandLine);
    if (runProgramsForReal)
        LinuxPlatform::RunProgram(commandLine);
}

void RecordingPlatform::OpenDocument(const std::string &verb, const std::string &url)
{
    documentsOpened.emplace_back(verb, url);
}

std::string RecordingPlatform::SpecialFolderPath(const std::string &name)
{
    foldersAsked.push_back(name);
    const auto found = folders.find(name);
    if (found == folders.end())
        throw AppFailure(kErrorInvalidParameter, "No special folder named " + name);
    return found->second;
}

void RecordingPlatform::WriteTextFile(const std::string &path, const std::vector<std::string> &lines)
{
    writes.push_back({path, lines, recordingUi.busy});
    LinuxPlatform::WriteTextFile(path, lines);
}

long RecordingPlatform::RegCreateKey(RegKey rootKey, const std::string &subKey, RegKey *result)
{
    if (createKeyStatus != 0)
        return createKeyStatus;
    return LinuxPlatform::RegCreateKey(rootKey, subKey, result);
}

long RecordingPlatform::RegSetValueEx(
    RegKey key, const std::string &valueName, std::uint32_t type, const std::uint8_t *data, std::uint32_t byteCount)
{
    ++setValueCalls;
    if (setValueStatus != 0)
        return setValueStatus;
    return LinuxPlatform::RegSetValueEx(key, valueName, type, data, byteCount);
}

StoredValue ReadStoredValue(DesktopPlatform &platform, RegKey root, const std::string &path, const std::string &name)
{
    StoredValue value;
    RegKey key = 0;
    if (platform.RegOpenKeyEx(root, path, 0, kKeyRead, &key) != kErrorSuccess)
        return value;
    std::uint32_t size = 0;
    if (platform.RegQueryValueEx(key, name, &value.type, nullptr, &size) == kErrorSuccess) {
        value.data.resize(size);
        if (platform.RegQueryValueEx(key, name, &value.type, reinterpret_cast<std::uint8_t *>(value.data.data()), &size)
            == kErrorSuccess) {
            value.found = true;
            value.data.resize(size);
        }
    }
    platform.RegCloseKey(key);
    return value;
}

}  // namespace vellory::test
