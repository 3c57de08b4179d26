#pragma once

// The platform that tests install: files and the registry are real (in a temporary folder),
// everything that would reach the user's desktop or start programs is recorded instead.

#include "platform/linux/LinuxPlatform.h"

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace vellory::test {

class RecordingUi : public UserInterfaceServices {
public:
    void ShowMessageBox(const std::string &title, const std::string &text) override;
    void SetBusyCursor(bool on) override;

    std::vector<std::pair<std::string, std::string>> messageBoxes;  // title, text
    std::vector<bool> cursorChanges;
    bool busy = false;
    // Called inside ShowMessageBox, e.g. to look at the busy pointer while the box is up.
    std::function<void()> onMessageBox;
};

namespace detail {
struct RecordingUiHolder {
    RecordingUi recordingUi;
};
}  // namespace detail

class RecordingPlatform : private detail::RecordingUiHolder, public LinuxPlatform {
public:
    // Everything the platform stores goes below root: the registry file and the three
    // special folders root/Desktop, root/StartMenu and root/Favorites, made here.
    explicit RecordingPlatform(const std::string &root);

    RecordingUi &ui() { return recordingUi; }

    void RunProgram(const std::string &commandLine) override;
    void OpenDocument(const std::string &verb, const std::string &url) override;
    std::string SpecialFolderPath(const std::string &name) override;
    void WriteTextFile(const std::string &path, const std::vector<std::string> &lines) override;
    long RegCreateKey(RegKey root, const std::string &subKey, RegKey *result) override;
    long RegSetValueEx(RegKey key, const std::string &valueName, std::uint32_t type, const std::uint8_t *data,
        std::uint32_t byteCount) override;

    std::string root;
    std::string registryPath;

    std::vector<std::string> programsStarted;
    int runProgramErrno = 0;          // non-zero: RunProgram fails with this errno
    bool runProgramsForReal = false;  // also start them through the Linux backend

    std::vector<std::pair<std::string, std::string>> documentsOpened;  // verb, URL

    std::map<std::string, std::string> folders;  // special-folder name -> path handed out as is
    std::vector<std::string> foldersAsked;

    struct Write {
        std::string path;
        std::vector<std::string> lines;
        bool busyDuringWrite;
    };
    std::vector<Write> writes;

    long createKeyStatus = 0;  // non-zero: RegCreateKey fails with it
    long setValueStatus = 0;   // non-zero: RegSetValueEx fails with it and stores nothing
    int setValueCalls = 0;
};

// Reads one value straight from the store, for checks.
struct StoredValue {
    bool found = false;
    std::uint32_t type = 0;
    std::string data;
};
StoredValue ReadStoredValue(DesktopPlatform &platform, RegKey root, const std::string &path, const std::string &name);

}  // namespace vellory::test
