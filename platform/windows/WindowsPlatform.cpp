#include "platform/windows/WindowsPlatform.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <knownfolders.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

// The interface keeps the Windows names without their A/W suffix; the headers' macros of
// the same names would rename its members here.
#undef RegOpenKeyEx
#undef RegQueryValueEx
#undef RegCreateKey
#undef RegSetValueEx
#undef SystemParametersInfo

#include <algorithm>
#include <random>

namespace vellory {

namespace {

std::wstring Utf8ToWide(const std::string &text)
{
    if (text.empty())
        return {};
    // Bytes that are not UTF-8 become U+FFFD rather than failing the whole call.
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

std::string WideToCodePage(const std::wstring &wide, UINT codePage)
{
    if (wide.empty())
        return {};
    const int size
        = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size, nullptr, nullptr);
    return text;
}

std::string WideToUtf8(const std::wstring &wide)
{
    return WideToCodePage(wide, CP_UTF8);
}

// Text for the A-calls and for the files written: the ANSI code page. A character that the
// code page lacks becomes the code page's default character, as the system's own
// conversion does.
std::string Utf8ToAnsi(const std::string &text)
{
    return WideToCodePage(Utf8ToWide(text), CP_ACP);
}

// The system's description of an error number, without the line break it ends with.
std::string ErrorText(DWORD error)
{
    wchar_t *buffer = nullptr;
    const DWORD length
        = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
            nullptr, error, 0, reinterpret_cast<wchar_t *>(&buffer), 0, nullptr);
    std::wstring text = length ? std::wstring(buffer, length) : std::wstring();
    if (buffer)
        LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    if (text.empty())
        return "Error " + std::to_string(error);
    return WideToUtf8(text);
}

[[noreturn]] void ThrowWindowsError(DWORD error, const std::string &what)
{
    throw AppFailure(static_cast<int>(error), what + ": " + ErrorText(error));
}

// The folder and the name of a path; the folder is "." for a bare name.
void SplitPath(const std::wstring &path, std::wstring &folder, std::wstring &name)
{
    const std::size_t separator = path.find_last_of(L"\\/");
    if (separator == std::wstring::npos) {
        folder = L".";
        name = path;
    } else {
        folder = path.substr(0, separator);
        name = path.substr(separator + 1);
    }
}

// Owns the temporary file of WriteTextFile until it has taken the target's place.
class TemporaryFile {
public:
    ~TemporaryFile()
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
        if (!m_path.empty())
            DeleteFileW(m_path.c_str());
    }

    // An unused name beside the target, so that the final move stays on one volume.
    DWORD create(const std::wstring &folder, const std::wstring &name)
    {
        static const wchar_t kLetters[] = L"abcdefghijklmnopqrstuvwxyz0123456789";
        std::random_device seed;
        std::mt19937 random(seed());
        std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters / sizeof kLetters[0] - 2);
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::wstring candidate = folder + L"\\" + name + L".";
            for (int i = 0; i < 6; ++i)
                candidate += kLetters[pick(random)];
            candidate += L".tmp";
            m_handle
                = CreateFileW(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (m_handle != INVALID_HANDLE_VALUE) {
                m_path = candidate;
                return ERROR_SUCCESS;
            }
            const DWORD error = GetLastError();
            if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
                return error;
        }
        return ERROR_FILE_EXISTS;
    }

    DWORD write(const std::string &content)
    {
        std::size_t done = 0;
        while (done < content.size()) {
            DWORD written = 0;
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size() - done, 1u << 20));
            if (!WriteFile(m_handle, content.data() + done, chunk, &written, nullptr))
                return GetLastError();
            done += written;
        }
        return FlushFileBuffers(m_handle) ? ERROR_SUCCESS : GetLastError();
    }

    DWORD close()
    {
        const BOOL closed = CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
        return closed ? ERROR_SUCCESS : GetLastError();
    }

    DWORD replace(const std::wstring &target)
    {
        if (!MoveFileExW(m_path.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return GetLastError();
        // Its name now belongs to the target, so there is nothing left to remove.
        m_path.clear();
        return ERROR_SUCCESS;
    }

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
    std::wstring m_path;
};

// COM for the length of one shell call: the shell may hand a URL to a handler that needs
// it. Where the thread already has COM (the toolkit sets it up), this only counts a user.
class ComForThisCall {
public:
    ComForThisCall()
        : m_initialised(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)))
    {
    }
    ~ComForThisCall()
    {
        if (m_initialised)
            CoUninitialize();
    }
    ComForThisCall(const ComForThisCall &) = delete;
    ComForThisCall &operator=(const ComForThisCall &) = delete;

private:
    bool m_initialised;
};

struct KnownFolder {
    const char *name;
    const KNOWNFOLDERID *id;
};

// The names that the shortcut writer asks for, and the shell folders behind them.
const KnownFolder kKnownFolders[] = {
    {"Desktop", &FOLDERID_Desktop},
    {"StartMenu", &FOLDERID_StartMenu},
    {"Favorites", &FOLDERID_Favorites},
};

}  // namespace

WindowsPlatform::WindowsPlatform(UserInterfaceServices &ui)
    : m_ui(ui)
{
}

WindowsPlatform::~WindowsPlatform()
{
    for (const auto &[number, key] : m_openKeys)
        ::RegCloseKey(static_cast<HKEY>(key));
}

void WindowsPlatform::ShowMessageBox(const std::string &text)
{
    m_ui.ShowMessageBox(ApplicationTitle(), text);
}

void WindowsPlatform::SetBusyCursor(bool on)
{
    m_ui.SetBusyCursor(on);
}

bool WindowsPlatform::FileExists(const std::string &path)
{
    const DWORD attributes = GetFileAttributesW(Utf8ToWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void WindowsPlatform::RunProgram(const std::string &commandLine)
{
    // CreateProcessA may write into the command line, so it gets a copy of its own.
    std::string line = Utf8ToAnsi(commandLine);
    line.push_back('\0');

    STARTUPINFOA startup {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        const DWORD error = GetLastError();
        throw AppFailure(static_cast<int>(error), ErrorText(error));
    }
    // The program runs on by itself; nothing here waits for it or watches it.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

void WindowsPlatform::OpenDocument(const std::string &verb, const std::string &url)
{
    const ComForThisCall com;
    ShellExecuteA(nullptr, Utf8ToAnsi(verb).c_str(), Utf8ToAnsi(url).c_str(), "", nullptr, SW_SHOWNORMAL);
}

std::string WindowsPlatform::SpecialFolderPath(const std::string &name)
{
    for (const KnownFolder &folder : kKnownFolders) {
        if (name != folder.name)
            continue;
        wchar_t *path = nullptr;
        // Created when missing: the caller writes into it straight away.
        const HRESULT result = SHGetKnownFolderPath(*folder.id, KF_FLAG_CREATE, nullptr, &path);
        std::wstring found = SUCCEEDED(result) && path ? std::wstring(path) : std::wstring();
        CoTaskMemFree(path);
        if (FAILED(result))
            throw AppFailure(static_cast<int>(result),
                "Cannot find the folder " + name + ": " + ErrorText(static_cast<DWORD>(result)));
        while (!found.empty() && found.back() == L'\\')
            found.pop_back();
        return WideToUtf8(found);
    }
    throw AppFailure(kErrorInvalidParameter, "Unknown special folder: " + name);
}

void WindowsPlatform::WriteTextFile(const std::string &path, const std::vector<std::string> &lines)
{
    const std::wstring target = Utf8ToWide(path);
    const std::string what = "Cannot write " + path;

    std::wstring folder;
    std::wstring name;
    SplitPath(target, folder, name);
    if (name.empty())
        ThrowWindowsError(ERROR_INVALID_NAME, what);

    // A read-only file is not replaced, and a folder never is: the move below would do either
    // on some systems.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        ThrowWindowsError(ERROR_ACCESS_DENIED, what);

    std::string content;
    for (const std::string &line : lines) {
        content += Utf8ToAnsi(line);
        content += "\r\n";
    }

    // The new text goes to a file beside the target and then takes its place in one step,
    // so that the target is never half written.
    TemporaryFile temporary;
    if (const DWORD error = temporary.create(folder, name))
        ThrowWindowsError(error, what);
    if (const DWORD error = temporary.write(content))
        ThrowWindowsError(error, what);
    if (const DWORD error = temporary.close())
        ThrowWindowsError(error, what);
    if (const DWORD error = temporary.replace(target))
        ThrowWindowsError(error, what);
}

void *WindowsPlatform::WindowsKey(RegKey key) const
{
    if (key == HKEY_CURRENT_USER_ROOT)
        return HKEY_CURRENT_USER;
    if (key == HKEY_LOCAL_MACHINE_ROOT)
        return HKEY_LOCAL_MACHINE;
    const auto found = m_openKeys.find(key);
    return found == m_openKeys.end() ? nullptr : found->second;
}

RegKey WindowsPlatform::Remember(void *windowsKey)
{
    do {
        ++m_lastKey;
    } while (m_lastKey == 0 || m_lastKey == HKEY_CURRENT_USER_ROOT || m_lastKey == HKEY_LOCAL_MACHINE_ROOT
        || m_openKeys.count(m_lastKey));
    m_openKeys.emplace(m_lastKey, windowsKey);
    return m_lastKey;
}

long WindowsPlatform::RegOpenKeyEx(
    RegKey root, const std::string &subKey, std::uint32_t options, std::uint32_t access, RegKey *result)
{
    const HKEY parent = static_cast<HKEY>(WindowsKey(root));
    if (!parent)
        return ERROR_INVALID_HANDLE;
    HKEY opened = nullptr;
    const LSTATUS status = RegOpenKeyExA(parent, Utf8ToAnsi(subKey).c_str(), options, access, &opened);
    if (status == ERROR_SUCCESS)
        *result = Remember(opened);
    return status;
}

long WindowsPlatform::RegQueryValueEx(
    RegKey key, const std::string &valueName, std::uint32_t *type, std::uint8_t *data, std::uint32_t *byteCount)
{
    const HKEY opened = static_cast<HKEY>(WindowsKey(key));
    if (!opened)
        return ERROR_INVALID_HANDLE;
    DWORD valueType = REG_NONE;
    DWORD size = byteCount ? *byteCount : 0;
    const LSTATUS status = RegQueryValueExA(
        opened, Utf8ToAnsi(valueName).c_str(), nullptr, &valueType, data, byteCount ? &size : nullptr);
    if (type)
        *type = valueType;
    if (byteCount)
        *byteCount = size;
    return status;
}

long WindowsPlatform::RegCreateKey(RegKey root, const std::string &subKey, RegKey *result)
{
    const HKEY parent = static_cast<HKEY>(WindowsKey(root));
    if (!parent)
        return ERROR_INVALID_HANDLE;
    HKEY created = nullptr;
    LSTATUS status = RegCreateKeyA(parent, Utf8ToAnsi(subKey).c_str(), &created);
    // For an empty path the system hands back the parent's own handle; closing that under a
    // second number would close the parent too, so the key gets a handle of its own.
    if (status == ERROR_SUCCESS && created == parent)
        status = RegOpenKeyExA(parent, nullptr, 0, MAXIMUM_ALLOWED, &created);
    if (status == ERROR_SUCCESS)
        *result = Remember(created);
    return status;
}

long WindowsPlatform::RegSetValueEx(
    RegKey key, const std::string &valueName, std::uint32_t type, const std::uint8_t *data, std::uint32_t byteCount)
{
    const HKEY opened = static_cast<HKEY>(WindowsKey(key));
    if (!opened)
        return ERROR_INVALID_HANDLE;
    return RegSetValueExA(opened, Utf8ToAnsi(valueName).c_str(), 0, type, data, byteCount);
}

long WindowsPlatform::RegCloseKey(RegKey key)
{
    if (key == HKEY_CURRENT_USER_ROOT || key == HKEY_LOCAL_MACHINE_ROOT)
        return ::RegCloseKey(static_cast<HKEY>(WindowsKey(key)));
    const auto found = m_openKeys.find(key);
    if (found == m_openKeys.end())
        return ERROR_INVALID_HANDLE;
    const LSTATUS status = ::RegCloseKey(static_cast<HKEY>(found->second));
    m_openKeys.erase(found);
    return status;
}

bool WindowsPlatform::SystemParametersInfo(
    std::uint32_t action, std::uint32_t uiParam, const std::string &pvParam, std::uint32_t winIni)
{
    if (action != SPI_SETDESKWALLPAPER)
        return false;
    std::string path = Utf8ToAnsi(pvParam);
    return SystemParametersInfoA(action, uiParam, path.data(), winIni) != FALSE;
}

std::unique_ptr<DesktopPlatform> CreateSystemPlatform(UserInterfaceServices &ui)
{
    return std::make_unique<WindowsPlatform>(ui);
}

}  // namespace vellory
