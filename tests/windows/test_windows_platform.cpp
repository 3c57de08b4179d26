// The Windows backend against the real Windows API (on Linux: under Wine, in a prefix of the
// build's own). Each case sets up the registry values and files it needs, calls the program's
// code, and looks at the result with calls of its own, independent of the backend.
//
// Usage: test_windows_platform [case...]   (no argument: every case)
// Outside Wine it runs nothing: the cases change the settings of the machine they run on.

#include "app/SystemInfo.h"
#include "background/Wallpapers.h"
#include "homepage/StartPage.h"
#include "links/InternetShortcut.h"
#include "links/SiteCatalogue.h"
#include "platform/DesktopPlatform.h"
#include "platform/windows/WindowsPlatform.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

// The program's interface keeps the Windows names without their A/W suffix.
#undef RegOpenKeyEx
#undef RegQueryValueEx
#undef RegCreateKey
#undef RegSetValueEx
#undef SystemParametersInfo

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using namespace vellory;

// ---------------------------------------------------------------------------------------
// A small checker: a failed check is reported with its place and the case goes on.

namespace {

int g_failedChecks = 0;
std::string g_context;

std::string Show(const std::string &text)
{
    std::string shown = "\"";
    for (const unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            shown += static_cast<char>(c);
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            shown += escaped;
        }
    }
    return shown + "\"";
}
std::string Show(bool value)
{
    return value ? "true" : "false";
}
template <typename Number> std::string Show(Number value)
{
    return std::to_string(value);
}

void Fail(const char *file, int line, const std::string &what)
{
    ++g_failedChecks;
    std::printf(
        "    FAILED %s:%d%s%s: %s\n", file, line, g_context.empty() ? "" : " in ", g_context.c_str(), what.c_str());
}

#define CHECK(condition)                                                                                               \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            Fail(__FILE__, __LINE__, #condition);                                                                      \
    } while (0)

#define CHECK_EQ(actual, expected)                                                                                     \
    do {                                                                                                               \
        const auto &actual_ = (actual);                                                                                \
        const auto &expected_ = (expected);                                                                            \
        if (!(actual_ == expected_))                                                                                   \
            Fail(__FILE__, __LINE__, std::string(#actual) + " is " + Show(actual_) + ", expected " + Show(expected_)); \
    } while (0)

// Runs the statement and checks that it throws AppFailure with this number.
#define CHECK_FAILURE(statement, expectedNumber)                                                                       \
    do {                                                                                                               \
        try {                                                                                                          \
            statement;                                                                                                 \
            Fail(__FILE__, __LINE__, std::string(#statement) + " did not throw");                                      \
        } catch (const AppFailure &failure_) {                                                                         \
            CHECK_EQ(failure_.number(), static_cast<int>(expectedNumber));                                             \
            CHECK(std::string(failure_.what()).size() > 0);                                                            \
        }                                                                                                              \
    } while (0)

// Names the table row that the following checks are about.
class Row {
public:
    explicit Row(std::string name) { g_context = std::move(name); }
    ~Row() { g_context.clear(); }
};

// ---------------------------------------------------------------------------------------
// Helpers that use the Windows API directly.

std::wstring Wide(const std::string &utf8)
{
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
    return wide;
}

std::string Utf8(const std::wstring &wide)
{
    const int size
        = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size, nullptr, nullptr);
    return utf8;
}

std::string Bytes(const char *data, std::size_t size)
{
    return std::string(data, size);
}

// The file's bytes, or nothing when it cannot be opened.
std::optional<std::string> ReadBytes(const std::string &path)
{
    const HANDLE file = CreateFileW(
        Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::string content;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        content.append(buffer, got);
    CloseHandle(file);
    return content;
}

bool WriteBytes(const std::string &path, const std::string &content)
{
    const HANDLE file
        = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == content.size();
}

bool IsFolder(const std::string &path)
{
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The names in a folder, "." and ".." left out.
std::vector<std::string> FolderEntries(const std::string &folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(Wide(folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(Utf8(name));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

void RemoveTree(const std::string &path)
{
    const std::wstring wide = Wide(path);
    if (IsFolder(path)) {
        for (const std::string &name : FolderEntries(path))
            RemoveTree(path + "\\" + name);
        RemoveDirectoryW(wide.c_str());
    } else {
        SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(wide.c_str());
    }
}

// A folder of the test's own under the user's temporary folder, removed afterwards.
class TestFolder {
public:
    explicit TestFolder(const std::string &name)
    {
        wchar_t temp[MAX_PATH + 1];
        const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
        std::wstring base(temp, length);
        while (!base.empty() && base.back() == L'\\')
            base.pop_back();
        m_path = Utf8(base) + "\\" + name + " " + std::to_string(GetCurrentProcessId());
        RemoveTree(m_path);
        CreateDirectoryW(Wide(m_path).c_str(), nullptr);
    }
    ~TestFolder() { RemoveTree(m_path); }
    TestFolder(const TestFolder &) = delete;
    TestFolder &operator=(const TestFolder &) = delete;

    const std::string &path() const { return m_path; }
    std::string operator/(const std::string &name) const { return m_path + "\\" + name; }

private:
    std::string m_path;
};

std::string MakeFolder(const std::string &path)
{
    CreateDirectoryW(Wide(path).c_str(), nullptr);
    return path;
}

// The small program built beside this test (marker_program.cpp), copied to the given path.
bool PlaceMarkerProgram(const std::string &path)
{
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring source(self, length);
    source = source.substr(0, source.find_last_of(L'\\') + 1) + L"vellory_marker.exe";
    return CopyFileW(source.c_str(), Wide(path).c_str(), FALSE) != FALSE;
}

// What the marker program at this path was given, once it has run; nothing if it has not
// run within the time allowed.
std::optional<std::string> MarkerArguments(const std::string &programPath)
{
    for (int waited = 0; waited < 30000; waited += 50) {
        if (const auto content = ReadBytes(programPath + ".started"))
            return content;
        Sleep(50);
    }
    return std::nullopt;
}

// Registry access without the backend, through the A-calls, as the program's own.
struct StoredValue {
    long status = 0;
    DWORD type = REG_NONE;
    std::string bytes;
};

StoredValue ReadValue(HKEY root, const std::string &keyPath, const std::string &name)
{
    StoredValue value;
    HKEY key = nullptr;
    value.status = RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ, &key);
    if (value.status != ERROR_SUCCESS)
        return value;
    DWORD size = 0;
    value.status = RegQueryValueExA(key, name.c_str(), nullptr, &value.type, nullptr, &size);
    if (value.status == ERROR_SUCCESS) {
        value.bytes.resize(size);
        value.status = RegQueryValueExA(
            key, name.c_str(), nullptr, &value.type, reinterpret_cast<BYTE *>(value.bytes.data()), &size);
        value.bytes.resize(size);
    }
    RegCloseKey(key);
    return value;
}

bool KeyExists(HKEY root, const std::string &keyPath)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// Stores exactly count bytes of data; data may go on past count, as a writer's buffer does.
void StoreValue(
    HKEY root, const std::string &keyPath, const std::string &name, DWORD type, const char *data, std::size_t count)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr)
        != ERROR_SUCCESS) {
        Fail(__FILE__, __LINE__, "cannot create the key " + keyPath);
        return;
    }
    if (RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE *>(data), static_cast<DWORD>(count))
        != ERROR_SUCCESS)
        Fail(__FILE__, __LINE__, "cannot store the value " + name);
    RegCloseKey(key);
}

void DeleteKey(HKEY root, const std::string &keyPath)
{
    RegDeleteTreeA(root, keyPath.c_str());
    RegDeleteKeyA(root, keyPath.c_str());
}

void DeleteValue(HKEY root, const std::string &keyPath, const std::string &name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(key, name.c_str());
    RegCloseKey(key);
}

// A REG_SZ value written without its terminator may be read back with one: Wine counts the
// zero that followed the writer's data. Either reading holds the same text.
bool IsTextValue(const StoredValue &value, const std::string &text)
{
    return value.status == ERROR_SUCCESS && value.type == REG_SZ
        && (value.bytes == text || value.bytes == text + std::string(1, '\0'));
}

// ---------------------------------------------------------------------------------------
// The backend with a recording user interface, installed as the program's platform.

class RecordingUi : public UserInterfaceServices {
public:
    void ShowMessageBox(const std::string &title, const std::string &text) override
    {
        messageBoxes.emplace_back(title, text);
    }
    void SetBusyCursor(bool on) override { busyPointer.push_back(on); }

    std::vector<std::pair<std::string, std::string>> messageBoxes;
    std::vector<bool> busyPointer;
};

struct Fixture {
    RecordingUi ui;
    WindowsPlatform platform {ui};
    PlatformOverride installed {platform};
};

const char *const kTestKey = "Software\\Vellory Tests";
const std::string kTitle = "Vellory Christian Edition";

// ---------------------------------------------------------------------------------------
// The cases.

void StartPageWrite()
{
    Fixture fixture;
    struct Case {
        const char *name;
        std::string keyPath;
        std::string valueName;
        std::string data;
        bool existingNumber;  // a REG_DWORD of that name is there before
    };
    const std::string deep = std::string(kTestKey) + "\\Start Page\\Not There\\Yet";
    const std::vector<Case> cases = {
        {"creates the key and its parents", deep, "Start Page", "http://www.biblegateway.com/", false},
        {"empty text", deep, "Start Page", "", false},
        {"bytes pass through as given", deep, "Start Page", "http://example.org/Caf\xC3\xA9", false},
        {"replaces a value of another type", deep, "Start Page", "http://www.crosswalk.com/", true},
    };
    for (const Case &c : cases) {
        const Row row(c.name);
        DeleteKey(HKEY_CURRENT_USER, std::string(kTestKey) + "\\Start Page");
        if (c.existingNumber) {
            const DWORD number = 7;
            StoreValue(HKEY_CURRENT_USER, c.keyPath, c.valueName, REG_DWORD, reinterpret_cast<const char *>(&number),
                sizeof number);
        }
        CHECK(!c.existingNumber || KeyExists(HKEY_CURRENT_USER, c.keyPath));
        CHECK(c.existingNumber || !KeyExists(HKEY_CURRENT_USER, c.keyPath));
        CHECK(SetRegistryString(HKEY_CURRENT_USER_ROOT, c.keyPath, c.valueName, c.data));
        const StoredValue stored = ReadValue(HKEY_CURRENT_USER, c.keyPath, c.valueName);
        CHECK_EQ(stored.status, ERROR_SUCCESS);
        CHECK_EQ(stored.type, static_cast<DWORD>(REG_SZ));
        CHECK(IsTextValue(stored, c.data));
    }
    DeleteKey(HKEY_CURRENT_USER, kTestKey);

    {
        const Row row("SetIEHomePage");
        DeleteKey(HKEY_CURRENT_USER, kStartPageKey);
        CHECK(!KeyExists(HKEY_CURRENT_USER, kStartPageKey));
        const SiteEntry &site = FindSite("BibleGateway");
        CHECK(SetIEHomePage(std::string(site.url)));
        const StoredValue stored = ReadValue(HKEY_CURRENT_USER, kStartPageKey, kStartPageValue);
        CHECK_EQ(stored.type, static_cast<DWORD>(REG_SZ));
        CHECK(IsTextValue(stored, "http://www.biblegateway.com/"));
    }
    {
        const Row row("a root that is no handle");
        CHECK(!SetRegistryString(0x12345u, "Software\\Anything", "Start Page", "http://example.org/"));
    }
}

void KeyValueLookups()
{
    Fixture fixture;
    const std::string keyPath = std::string(kTestKey) + "\\Lookups";
    DeleteKey(HKEY_LOCAL_MACHINE, kTestKey);

    // The writer's buffer goes on past the data: "Hello" is followed by "X", not by a zero.
    const char unterminated[] = "HelloX";
    const std::string fits(1023, 'a');
    const std::string tooLarge(1024, 'b');
    const DWORD number = 0x0001ABCD;
    const char binary[] = {1, 2, 3};
    StoreValue(HKEY_LOCAL_MACHINE, keyPath, "Terminated", REG_SZ, "Hello", 6);
    StoreValue(HKEY_LOCAL_MACHINE, keyPath, "Unterminated", REG_SZ, unterminated, 5);
    StoreValue(HKEY_LOCAL_MACHINE, keyPath, "Empty", REG_SZ, "", 0);
    StoreValue(HKEY_LOCAL_MACHINE, keyPath, "Fits", REG_SZ, fits.c_str(), fits.size() + 1);
    StoreValue(HKEY_LOCAL_MACHINE, keyPath, "TooLarge", REG_SZ, tooLarge.c_str(), tooLarge.size() + 1);
    StoreValue(
        HKEY_LOCAL_MACHINE, keyPath, "Number", REG_DWORD, reinterpret_cast<const char *>(&number), sizeof number);
    StoreValue(HKEY_LOCAL_MACHINE, keyPath, "Binary", REG_BINARY, binary, sizeof binary);

    struct Case {
        const char *name;
        std::string keyPath;
        std::string valueName;
        bool found;
        std::string text;  // what valueText holds afterwards; it starts as "before"
    };
    const std::vector<Case> cases = {
        {"text with its terminator", keyPath, "Terminated", true, "Hello"},
        {"text without a terminator", keyPath, "Unterminated", true, "Hello"},
        {"empty text", keyPath, "Empty", true, ""},
        {"1024 bytes fit", keyPath, "Fits", true, fits},
        {"more than 1024 bytes", keyPath, "TooLarge", false, ""},
        {"missing value", keyPath, "Missing", false, ""},
        {"missing key", keyPath + "\\Missing", "Terminated", false, ""},
        {"REG_DWORD", keyPath, "Number", true, "&h0001ABCD"},
        {"other types leave the text", keyPath, "Binary", true, "before"},
    };
    for (const Case &c : cases) {
        const Row row(c.name);
        std::string text = "before";
        CHECK_EQ(GetKeyValue(HKEY_LOCAL_MACHINE_ROOT, c.keyPath, c.valueName, text), c.found);
        CHECK_EQ(text, c.text);
    }

    // The status numbers behind those answers, from the backend's own query.
    struct StatusCase {
        const char *name;
        std::string valueName;
        long status;
        std::uint32_t byteCount;  // afterwards: the data's size, or the size needed
        std::uint32_t type;
    };
    const std::vector<StatusCase> statusCases = {
        {"query: fits", "Fits", kErrorSuccess, 1024, kRegSz},
        {"query: too large", "TooLarge", kErrorMoreData, 1025, kRegSz},
        {"query: missing", "Missing", kErrorFileNotFound, 1024, kRegNone},
        {"query: number", "Number", kErrorSuccess, 4, kRegDword},
    };
    RegKey key = 0;
    CHECK_EQ(fixture.platform.RegOpenKeyEx(HKEY_LOCAL_MACHINE_ROOT, keyPath, 0, kKeyAllButDelete, &key), kErrorSuccess);
    for (const StatusCase &c : statusCases) {
        const Row row(c.name);
        std::vector<std::uint8_t> buffer(kValueBufferSize);
        std::uint32_t byteCount = kValueBufferSize;
        std::uint32_t type = kRegNone;
        CHECK_EQ(fixture.platform.RegQueryValueEx(key, c.valueName, &type, buffer.data(), &byteCount), c.status);
        CHECK_EQ(byteCount, c.byteCount);
        if (c.status != kErrorFileNotFound)
            CHECK_EQ(type, c.type);
    }
    CHECK_EQ(fixture.platform.RegCloseKey(key), kErrorSuccess);
    DeleteKey(HKEY_LOCAL_MACHINE, kTestKey);
}

void RegistryHandles()
{
    Fixture fixture;
    DesktopPlatform &platform = fixture.platform;
    const std::string keyPath = std::string(kTestKey) + "\\Handles";
    DeleteKey(HKEY_CURRENT_USER, kTestKey);

    RegKey first = 0;
    RegKey second = 0;
    CHECK_EQ(platform.RegCreateKey(HKEY_CURRENT_USER_ROOT, keyPath, &first), kErrorSuccess);
    CHECK_EQ(platform.RegOpenKeyEx(HKEY_CURRENT_USER_ROOT, keyPath, 0, kKeyAllButDelete, &second), kErrorSuccess);
    CHECK(first != 0 && second != 0 && first != second);
    CHECK(first != HKEY_CURRENT_USER_ROOT && first != HKEY_LOCAL_MACHINE_ROOT);

    // Written through one handle, read through the other.
    const std::uint8_t data[] = {'o', 'k'};
    CHECK_EQ(platform.RegSetValueEx(first, "Value", kRegSz, data, 2), kErrorSuccess);
    CHECK_EQ(platform.RegCloseKey(first), kErrorSuccess);
    std::uint8_t buffer[16] = {};
    std::uint32_t size = sizeof buffer;
    std::uint32_t type = kRegNone;
    CHECK_EQ(platform.RegQueryValueEx(second, "Value", &type, buffer, &size), kErrorSuccess);
    CHECK_EQ(Bytes(reinterpret_cast<const char *>(buffer), 2), std::string("ok"));

    // A closed handle, or one never handed out, is refused without reaching the system.
    CHECK_EQ(platform.RegCloseKey(first), kErrorInvalidHandle);
    CHECK_EQ(platform.RegSetValueEx(first, "Value", kRegSz, data, 2), kErrorInvalidHandle);
    RegKey child = 0;
    CHECK_EQ(platform.RegOpenKeyEx(0x4242u, "Anything", 0, kKeyRead, &child), kErrorInvalidHandle);
    CHECK_EQ(platform.RegCreateKey(first, "Child", &child), kErrorInvalidHandle);
    size = sizeof buffer;
    CHECK_EQ(platform.RegQueryValueEx(first, "Value", &type, buffer, &size), kErrorInvalidHandle);

    // An opened key is a root for the keys below it.
    CHECK_EQ(platform.RegCreateKey(second, "Child", &child), kErrorSuccess);
    CHECK(KeyExists(HKEY_CURRENT_USER, keyPath + "\\Child"));
    CHECK_EQ(platform.RegCloseKey(child), kErrorSuccess);

    // An empty path names the key itself; closing that handle leaves the first one working.
    RegKey itself = 0;
    CHECK_EQ(platform.RegCreateKey(second, "", &itself), kErrorSuccess);
    CHECK(itself != second);
    CHECK_EQ(platform.RegCloseKey(itself), kErrorSuccess);
    size = sizeof buffer;
    CHECK_EQ(platform.RegQueryValueEx(second, "Value", &type, buffer, &size), kErrorSuccess);
    CHECK_EQ(platform.RegCloseKey(second), kErrorSuccess);

    // A missing key: the system's number, and the handle stays as it was.
    RegKey untouched = 77;
    CHECK_EQ(platform.RegOpenKeyEx(HKEY_CURRENT_USER_ROOT, keyPath + "\\Missing", 0, kKeyRead, &untouched),
        kErrorFileNotFound);
    CHECK_EQ(untouched, 77u);
    DeleteKey(HKEY_CURRENT_USER, kTestKey);
}

void SystemInformation()
{
    const TestFolder folder("Vellory sysinfo");
    const std::string pathKey = kSysInfoPathKey;
    const std::string folderKey = kSysInfoFolderKey;
    const std::string named = MakeFolder(folder / "Named Tool") + "\\msinfo test.exe";
    const std::string located = MakeFolder(folder / "Located");
    const std::string empty = MakeFolder(folder / "Empty");
    CHECK(PlaceMarkerProgram(named));
    CHECK(PlaceMarkerProgram(located + kSysInfoProgram));

    struct Case {
        const char *name;
        std::optional<std::string> pathValue;    // the command line under kSysInfoPathKey
        std::optional<std::string> folderValue;  // the folder under kSysInfoFolderKey
        std::string started;                     // the program that runs, or "" for the message
        std::string arguments;
    };
    const std::vector<Case> cases = {
        {"command line from PATH", "\"" + named + "\" /report", std::nullopt, named, "/report\n"},
        {"PATH comes first", "\"" + named + "\"", located, named, ""},
        {"MSINFO32.EXE in the folder", std::nullopt, located, located + kSysInfoProgram, ""},
        {"the folder lacks the program", std::nullopt, empty, "", ""},
        {"PATH names a missing program", "\"" + folder / "missing.exe" + "\"", std::nullopt, "", ""},
        {"nothing registered", std::nullopt, std::nullopt, "", ""},
    };
    for (const Case &c : cases) {
        const Row row(c.name);
        Fixture fixture;
        DeleteValue(HKEY_LOCAL_MACHINE, pathKey, kSysInfoPathValue);
        DeleteValue(HKEY_LOCAL_MACHINE, folderKey, kSysInfoFolderValue);
        if (c.pathValue)
            StoreValue(
                HKEY_LOCAL_MACHINE, pathKey, kSysInfoPathValue, REG_SZ, c.pathValue->c_str(), c.pathValue->size() + 1);
        if (c.folderValue)
            StoreValue(HKEY_LOCAL_MACHINE, folderKey, kSysInfoFolderValue, REG_SZ, c.folderValue->c_str(),
                c.folderValue->size() + 1);
        DeleteFileW(Wide(named + ".started").c_str());
        DeleteFileW(Wide(located + kSysInfoProgram + ".started").c_str());

        StartSysInfo();

        if (c.started.empty()) {
            const std::vector<std::pair<std::string, std::string>> expected = {{kTitle, kSysInfoUnavailable}};
            CHECK(fixture.ui.messageBoxes == expected);
        } else {
            CHECK(fixture.ui.messageBoxes.empty());
            if (!fixture.ui.messageBoxes.empty()) {
                // The launcher keeps its reasons to itself: ask the platform directly.
                std::printf("    program file found: %s\n", Show(fixture.platform.FileExists(c.started)).c_str());
                try {
                    fixture.platform.RunProgram(c.pathValue.value_or(c.started));
                    std::printf("    a second start worked\n");
                } catch (const AppFailure &failure) {
                    std::printf("    a second start failed: %d %s\n", failure.number(), failure.what());
                }
            }
            const auto arguments = MarkerArguments(c.started);
            CHECK(arguments.has_value());
            CHECK_EQ(arguments.value_or("(not started)"), c.arguments);
        }
    }
    DeleteValue(HKEY_LOCAL_MACHINE, pathKey, kSysInfoPathValue);
    DeleteValue(HKEY_LOCAL_MACHINE, folderKey, kSysInfoFolderValue);
}

void ProgramStart()
{
    Fixture fixture;
    const TestFolder folder("Vellory programs");
    // A name with a blank and a letter outside ASCII, which reaches the system through the
    // ANSI code page.
    const std::string program = MakeFolder(folder / "Caf\xC3\xA9 tools") + "\\started program.exe";
    CHECK(PlaceMarkerProgram(program));

    fixture.platform.RunProgram("\"" + program + "\" one \"two words\" Caf\xC3\xA9");
    CHECK_EQ(MarkerArguments(program).value_or("(not started)"), std::string("one\ntwo words\nCaf\xC3\xA9\n"));

    CHECK_FAILURE(fixture.platform.RunProgram("\"" + folder / "missing.exe" + "\""), ERROR_FILE_NOT_FOUND);
}

void ShellOpen()
{
    Fixture fixture;
    const TestFolder folder("Vellory shell open");
    const std::string handler = folder / "url handler.exe";
    CHECK(PlaceMarkerProgram(handler));

    // A scheme of the test's own, so that nothing outside the prefix is asked to open it.
    const std::string scheme = "vellory-test";
    DeleteKey(HKEY_CLASSES_ROOT, scheme);
    StoreValue(HKEY_CLASSES_ROOT, scheme, "URL Protocol", REG_SZ, "", 1);
    const std::string command = "\"" + handler + "\" \"%1\"";
    StoreValue(HKEY_CLASSES_ROOT, scheme + "\\shell\\open\\command", "", REG_SZ, command.c_str(), command.size() + 1);

    fixture.platform.OpenDocument("Open", "vellory-test://www.example.org/page");
    CHECK_EQ(MarkerArguments(handler).value_or("(not started)"), std::string("vellory-test://www.example.org/page\n"));
    DeleteKey(HKEY_CLASSES_ROOT, scheme);
}

std::wstring CurrentWallpaper()
{
    wchar_t path[MAX_PATH + 1] = {};
    if (!SystemParametersInfoW(SPI_GETDESKWALLPAPER, MAX_PATH, path, 0))
        return L"(no answer)";
    return path;
}

void WallpaperSetting()
{
    Fixture fixture;
    SetWallpaper("Nativity");
    CHECK_EQ(Utf8(CurrentWallpaper()), std::string("C:\\share\\Vellory\\Christian\\backgrounds\\Nativity.bmp"));
    // Kept for the next session as well, where the system keeps it.
    CHECK(IsTextValue(ReadValue(HKEY_CURRENT_USER, "Control Panel\\Desktop", "Wallpaper"),
        "C:\\share\\Vellory\\Christian\\backgrounds\\Nativity.bmp"));

    // Text through the ANSI code page.
    fixture.platform.SystemParametersInfo(kSpiSetDeskWallpaper, 0, "C:\\Pictures\\Caf\xC3\xA9.bmp", kSpifUpdateIniFile);
    CHECK_EQ(Utf8(CurrentWallpaper()), std::string("C:\\Pictures\\Caf\xC3\xA9.bmp"));

    // Only the wallpaper action takes a text; any other is refused and changes nothing.
    CHECK(!fixture.platform.SystemParametersInfo(SPI_GETDESKWALLPAPER, 0, "C:\\other.bmp", 0));
    CHECK_EQ(Utf8(CurrentWallpaper()), std::string("C:\\Pictures\\Caf\xC3\xA9.bmp"));
}

void SpecialFoldersAndShortcuts()
{
    struct Case {
        ShortcutTarget target;
        const char *name;
        const char *lastPart;  // the folder's own name
    };
    const std::vector<Case> cases = {
        {ShortcutTarget::Desktop, "Desktop", "\\Desktop"},
        {ShortcutTarget::StartMenu, "StartMenu", "\\Start Menu"},
        {ShortcutTarget::Favorites, "Favorites", "\\Favorites"},
    };
    // Each target gets these sites: a name outside ASCII, a plain one, and the one whose
    // Start Menu name differs.
    const char *const sites[] = {"ChristianCaf\xC3\xA9", "BibleGateway", "NavesTopicalBible"};

    for (const Case &c : cases) {
        const Row row(c.name);
        Fixture fixture;
        const std::string folder = fixture.platform.SpecialFolderPath(c.name);
        CHECK(IsFolder(folder));
        CHECK(folder.size() > std::string(c.lastPart).size()
            && folder.compare(folder.size() - std::string(c.lastPart).size(), std::string::npos, c.lastPart) == 0);

        for (const char *key : sites) {
            const SiteEntry &site = FindSite(key);
            const std::string name(site.shortcutName(c.target));
            const std::string file = folder + "\\" + name + ".url";
            // An older shortcut of that name is replaced.
            CHECK(WriteBytes(file, "[InternetShortcut]\r\nURL=http://old.example.org/longer/than/the/new/one\r\n"));
            fixture.ui.busyPointer.clear();

            ShortcutWriter writer;
            writer.WriteInternetShortcut(c.target, name, std::string(site.url));

            CHECK_EQ(
                ReadBytes(file).value_or("(missing)"), "[InternetShortcut]\r\nURL=" + std::string(site.url) + "\r\n");
            CHECK(fixture.ui.busyPointer == std::vector<bool>({true, false}));
            DeleteFileW(Wide(file).c_str());
        }
        // Nothing else is left behind.
        for (const std::string &entry : FolderEntries(folder))
            CHECK(entry.find(".tmp") == std::string::npos);
    }
    {
        const Row row("the folder of the Christian Caf\xC3\xA9 shortcut");
        Fixture fixture;
        const std::string desktop = fixture.platform.SpecialFolderPath("Desktop");
        ShortcutWriter writer;
        writer.WriteInternetShortcut(ShortcutTarget::Desktop, "Christian Caf\xC3\xA9", "http://www.christiancafe.com");
        // Found under its wide name, which is the name the user sees.
        const std::wstring wideName = desktop.empty() ? L"" : Wide(desktop) + L"\\Christian Caf\u00e9.url";
        CHECK(GetFileAttributesW(wideName.c_str()) != INVALID_FILE_ATTRIBUTES);
        DeleteFileW(wideName.c_str());
    }
    {
        const Row row("unknown folder");
        Fixture fixture;
        CHECK_FAILURE(fixture.platform.SpecialFolderPath("Documents"), kErrorInvalidParameter);
    }
}

void TextFileOutput()
{
    const TestFolder folder("Vellory files");
    struct Case {
        const char *name;
        std::optional<std::string> before;  // the file's content beforehand, if there is one
        std::vector<std::string> lines;
        std::string after;
    };
    // The ANSI code page of the system decides how a letter outside ASCII is written.
    const std::string cafeInAnsi = GetACP() == 1252 ? "Caf\xE9" : GetACP() == CP_UTF8 ? "Caf\xC3\xA9" : "";
    CHECK(!cafeInAnsi.empty());
    const std::vector<Case> cases = {
        {"new file", std::nullopt, {"[InternetShortcut]", "URL=http://www.example.org/"},
            "[InternetShortcut]\r\nURL=http://www.example.org/\r\n"},
        {"replaces a longer file", std::string(300, 'x'), {"short"}, "short\r\n"},
        {"no lines", std::string("old"), {}, ""},
        {"empty lines", std::nullopt, {"", ""}, "\r\n\r\n"},
        {"ANSI code page", std::nullopt, {"Caf\xC3\xA9"}, cafeInAnsi + "\r\n"},
    };
    for (const Case &c : cases) {
        const Row row(c.name);
        Fixture fixture;
        const std::string target = folder / "Caf\xC3\xA9 text.url";
        RemoveTree(target);
        if (c.before)
            CHECK(WriteBytes(target, *c.before));
        fixture.platform.WriteTextFile(target, c.lines);
        CHECK_EQ(ReadBytes(target).value_or("(missing)"), c.after);
        CHECK(FolderEntries(folder.path()) == std::vector<std::string>({"Caf\xC3\xA9 text.url"}));
    }

    // Each failure leaves the target as it was, with no temporary file beside it.
    struct FailureCase {
        const char *name;
        std::string target;
        // Sets the scene; a handle it returns stays open during the write.
        std::function<HANDLE(const std::string &)> prepare;
        DWORD number;
        std::optional<std::string> kept;  // the target's content, before and after
    };
    const std::vector<FailureCase> failures = {
        {"read-only file", folder / "read only.url",
            [](const std::string &path) {
                WriteBytes(path, "kept");
                SetFileAttributesW(Wide(path).c_str(), FILE_ATTRIBUTE_READONLY);
                return INVALID_HANDLE_VALUE;
            },
            ERROR_ACCESS_DENIED, "kept"},
        {"a folder of that name", folder / "a folder.url",
            [](const std::string &path) {
                MakeFolder(path);
                return INVALID_HANDLE_VALUE;
            },
            ERROR_ACCESS_DENIED, std::nullopt},
        {"missing folder", folder / "missing\\file.url", [](const std::string &) { return INVALID_HANDLE_VALUE; },
            ERROR_PATH_NOT_FOUND, std::nullopt},
        // The new text is already written when the move fails: its file must go.
        {"file held open by another program", folder / "in use.url",
            [](const std::string &path) {
                WriteBytes(path, "kept");
                return CreateFileW(Wide(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            },
            ERROR_ACCESS_DENIED, "kept"},
    };
    for (const FailureCase &c : failures) {
        const Row row(c.name);
        Fixture fixture;
        for (const std::string &entry : FolderEntries(folder.path()))
            RemoveTree(folder / entry);
        const HANDLE held = c.prepare(c.target);
        const std::vector<std::string> before = FolderEntries(folder.path());
        CHECK_FAILURE(fixture.platform.WriteTextFile(c.target, {"new"}), c.number);
        CHECK(FolderEntries(folder.path()) == before);
        if (held != INVALID_HANDLE_VALUE)
            CloseHandle(held);
        CHECK(ReadBytes(c.target) == c.kept);
    }
}

void FileTest()
{
    Fixture fixture;
    const TestFolder folder("Vellory exists");
    CHECK(WriteBytes(folder / "Caf\xC3\xA9.exe", "MZ"));
    MakeFolder(folder / "folder.exe");
    struct Case {
        const char *name;
        std::string path;
        bool exists;
    };
    const std::vector<Case> cases = {
        {"ordinary file", folder / "Caf\xC3\xA9.exe", true},
        {"folder", folder / "folder.exe", false},
        {"missing file", folder / "missing.exe", false},
        {"below a missing folder", folder / "missing\\tool.exe", false},
    };
    for (const Case &c : cases) {
        const Row row(c.name);
        CHECK_EQ(fixture.platform.FileExists(c.path), c.exists);
    }
}

void UserInterface()
{
    Fixture fixture;
    fixture.platform.ShowMessageBox("Hello");
    fixture.platform.SetBusyCursor(true);
    fixture.platform.SetBusyCursor(false);
    const std::vector<std::pair<std::string, std::string>> expected = {{kTitle, "Hello"}};
    CHECK(fixture.ui.messageBoxes == expected);
    CHECK(fixture.ui.busyPointer == std::vector<bool>({true, false}));
    CHECK(&Platform() == &fixture.platform);
}

}  // namespace

int main(int argc, char **argv)
{
    const std::vector<std::pair<std::string, void (*)()>> cases = {
        {"start_page_write", StartPageWrite},
        {"key_value_lookups", KeyValueLookups},
        {"registry_handles", RegistryHandles},
        {"system_information", SystemInformation},
        {"program_start", ProgramStart},
        {"shell_open", ShellOpen},
        {"wallpaper", WallpaperSetting},
        {"special_folders_and_shortcuts", SpecialFoldersAndShortcuts},
        {"text_file_output", TextFileOutput},
        {"file_test", FileTest},
        {"user_interface", UserInterface},
    };
    const std::vector<std::string> chosen(argv + 1, argv + argc);
    int passed = 0;
    int failed = 0;
    for (const auto &[name, run] : cases) {
        if (!chosen.empty() && std::find(chosen.begin(), chosen.end(), name) == chosen.end())
            continue;
        const int failedBefore = g_failedChecks;
        try {
            run();
        } catch (const std::exception &e) {
            Fail(__FILE__, __LINE__, std::string("unexpected failure: ") + e.what());
        }
        const bool ok = g_failedChecks == failedBefore;
        std::printf("%s %s\n", ok ? "PASS" : "FAIL", name.c_str());
        std::fflush(stdout);
        (ok ? passed : failed)++;
    }
    if (passed + failed == 0) {
        std::printf("No case matches\n");
        return 2;
    }
    return failed == 0 ? 0 : 1;
}
