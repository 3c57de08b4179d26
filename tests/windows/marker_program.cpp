// A small program that the Windows tests start: it leaves the file "<its own path>.started"
// holding its arguments, one a line, in UTF-8, so the test can see that it ran and what it
// was given. The file appears whole: it is written under another name and then renamed.

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <shellapi.h>

#include <string>

namespace {

std::string Utf8(const wchar_t *text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
    if (size > 1)
        WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), size, nullptr, nullptr);
    return result;
}

}  // namespace

int main()
{
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    if (length == 0 || length == MAX_PATH)
        return 2;

    int count = 0;
    wchar_t **arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::string content;
    for (int i = 1; arguments && i < count; ++i)
        content += Utf8(arguments[i]) + "\n";
    LocalFree(arguments);

    const std::wstring marker = std::wstring(self) + L".started";
    const std::wstring partial = marker + L".partial";
    const HANDLE file
        = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 3;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
    if (!ok || written != content.size())
        return 4;
    return MoveFileExW(partial.c_str(), marker.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 5;
}
