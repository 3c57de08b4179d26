#pragma once

// Looking at the shortcut files that the writer leaves on disk.

#include <QByteArray>
#include <QStringList>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace vellory::test {

// The bytes an Internet shortcut to url must hold, spelt out independently of the writer.
inline QByteArray ShortcutBytes(const std::string &url)
{
    return QByteArray("[InternetShortcut]\r\nURL=") + QByteArray::fromStdString(url) + QByteArray("\r\n");
}

// The file's bytes; a missing file reads as a text no shortcut can hold.
inline QByteArray ReadBytes(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return QByteArray("(no file)");
    return QByteArray::fromStdString(
        std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
}

// The names in a folder, sorted; hidden ones (the writer's temporary files) included.
inline QStringList FolderEntries(const std::string &folder)
{
    QStringList names;
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator(folder, error))
        names << QString::fromStdString(entry.path().filename().string());
    names.sort();
    return names;
}

}  // namespace vellory::test
