// The Linux desktop services: files, folders, starting programs and the wallpaper record.

#include "platform/linux/LinuxPlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vellory;

namespace {

class RecordingUserInterface : public UserInterfaceServices {
public:
    void ShowMessageBox(const std::string &title, const std::string &text) override
    {
        calls << QStringLiteral("box|%1|%2").arg(QString::fromStdString(title), QString::fromStdString(text));
    }
    void SetBusyCursor(bool on) override { calls << QStringLiteral("busy|%1").arg(on); }

    QStringList calls;
};

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool WriteFile(const QString &path, const QByteArray &bytes, QFile::Permissions permissions)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.setPermissions(permissions);
}

QString Backslashed(QString path)
{
    return path.replace(QLatin1Char('/'), QLatin1Char('\\'));
}

QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QStringList ToStringList(const std::vector<std::string> &words)
{
    QStringList list;
    for (const std::string &word : words)
        list << QString::fromStdString(word);
    return list;
}

}  // namespace

class TestLinuxPlatform : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void forwardsToTheUserInterface();
    void fileExists_data();
    void fileExists();
    void splitCommandLine_data();
    void splitCommandLine();
    void runProgram_data();
    void runProgram();
    void runProgramFailures_data();
    void runProgramFailures();
    void openDocumentUsesTheDesktopOpener();
    void specialFolderPath_data();
    void specialFolderPath();
    void specialFolderPathFailures();
    void writeTextFile_data();
    void writeTextFile();
    void writeTextFileReplacesKeepingMode();
    void writeTextFileFailures_data();
    void writeTextFileFailures();
    void writeTextFileFailingMidwayKeepsOldFile();
    void wallpaperIsRecorded();
    void systemPlatformIsLinux();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    RecordingUserInterface m_ui;
    std::unique_ptr<LinuxPlatform> m_platform;
    QString m_registryPath;
    QMap<QByteArray, QByteArray> m_savedEnvironment;
};

void TestLinuxPlatform::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "PATH"})
        m_savedEnvironment.insert(name, qgetenv(name));
    // Nothing a test does may reach the real home.
    const QString home = m_dir->filePath(QStringLiteral("home"));
    QVERIFY(QDir().mkpath(home));
    qputenv("HOME", QFile::encodeName(home));
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DATA_HOME");
    m_ui.calls.clear();
    m_registryPath = m_dir->filePath(QStringLiteral("registry/registry.sqlite3"));
    m_platform = std::make_unique<LinuxPlatform>(m_ui, m_registryPath.toStdString());
}

void TestLinuxPlatform::cleanup()
{
    m_platform.reset();
    for (auto it = m_savedEnvironment.cbegin(); it != m_savedEnvironment.cend(); ++it) {
        if (it.value().isNull())
            qunsetenv(it.key().constData());
        else
            qputenv(it.key().constData(), it.value());
    }
    m_dir.reset();
}

void TestLinuxPlatform::forwardsToTheUserInterface()
{
    m_platform->ShowMessageBox("Saved.");
    m_platform->SetBusyCursor(true);
    m_platform->SetBusyCursor(false);
    QCOMPARE(m_ui.calls, QStringList({"box|Vellory Christian Edition|Saved.", "busy|1", "busy|0"}));
}

void TestLinuxPlatform::fileExists_data()
{
    QTest::addColumn<QString>("entry");  // below the test folder
    QTest::addColumn<bool>("backslashes");
    QTest::addColumn<bool>("expected");

    QTest::newRow("regular file") << "folder/file.txt" << false << true;
    QTest::newRow("regular file, backslashes") << "folder/file.txt" << true << true;
    QTest::newRow("folder") << "folder" << false << false;
    QTest::newRow("missing") << "folder/missing.txt" << false << false;
    QTest::newRow("missing, backslashes") << "folder/missing.txt" << true << false;
    QTest::newRow("link to file") << "link-to-file" << false << true;
    QTest::newRow("link to folder") << "link-to-folder" << false << false;
    QTest::newRow("dangling link") << "dangling-link" << false << false;
}

void TestLinuxPlatform::fileExists()
{
    QFETCH(QString, entry);
    QFETCH(bool, backslashes);
    QFETCH(bool, expected);

    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("folder")));
    QVERIFY(WriteFile(m_dir->filePath(QStringLiteral("folder/file.txt")), "x", QFile::ReadOwner | QFile::WriteOwner));
    QVERIFY(QFile::link(m_dir->filePath(QStringLiteral("folder/file.txt")), m_dir->filePath("link-to-file")));
    QVERIFY(QFile::link(m_dir->filePath(QStringLiteral("folder")), m_dir->filePath("link-to-folder")));
    QVERIFY(QFile::link(m_dir->filePath(QStringLiteral("gone.txt")), m_dir->filePath("dangling-link")));

    QString path = m_dir->filePath(entry);
    if (backslashes)
        path = Backslashed(path);
    QCOMPARE(m_platform->FileExists(path.toStdString()), expected);
}

void TestLinuxPlatform::splitCommandLine_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("single word") << "notepad" << QStringList({"notepad"});
    QTest::newRow("words") << "prog a b" << QStringList({"prog", "a", "b"});
    QTest::newRow("runs of blanks and tabs") << " \tprog  a\t\tb  " << QStringList({"prog", "a", "b"});
    QTest::newRow("quoted group") << "\"a b\" c" << QStringList({"a b", "c"});
    QTest::newRow("quoted tab kept") << "x \"a\tb\"" << QStringList({"x", "a\tb"});
    QTest::newRow("empty quotes") << "prog \"\" end" << QStringList({"prog", "", "end"});
    QTest::newRow("quotes inside a word") << "pre\"fix suf\"fix" << QStringList({"prefix suffix"});
    QTest::newRow("unclosed quote") << "prog \"a b" << QStringList({"prog", "a b"});
    QTest::newRow("empty") << "" << QStringList();
    QTest::newRow("blanks only") << " \t " << QStringList();
}

void TestLinuxPlatform::splitCommandLine()
{
    QFETCH(QString, commandLine);
    QFETCH(QStringList, expected);

    QCOMPARE(ToStringList(SplitCommandLine(commandLine.toStdString())), expected);
}

void TestLinuxPlatform::runProgram_data()
{
    QTest::addColumn<bool>("backslashes");

    QTest::newRow("program path with slashes") << false;
    QTest::newRow("program path with backslashes") << true;
}

void TestLinuxPlatform::runProgram()
{
    QFETCH(bool, backslashes);

    // Writes its arguments after the first, one a line, to the file the first names; the
    // rename makes the marker appear whole.
    const QString script = m_dir->filePath(QStringLiteral("my tool.sh"));
    QVERIFY(WriteFile(script,
        "#!/bin/sh\nout=\"$1\"\nshift\nprintf '%s\\n' \"$@\" > \"$out.tmp\"\n"
        "sed 's/.*) //' /proc/$$/stat | cut -d' ' -f4 >> \"$out.tmp\"\nmv \"$out.tmp\" \"$out\"\n",
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QString marker = m_dir->filePath(QStringLiteral("marker"));

    const QString program = backslashes ? Backslashed(script) : script;
    m_platform->RunProgram(QStringLiteral("\"%1\" %2 \"two words\" plain \"\"").arg(program, marker).toStdString());

    // The go-between process is gone already: nothing is left for us to reap.
    errno = 0;
    QCOMPARE(waitpid(-1, nullptr, WNOHANG), -1);
    QCOMPARE(errno, ECHILD);

    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(marker), 10000);
    const QList<QByteArray> lines = FileBytes(marker).split('\n');
    QCOMPARE(lines.mid(0, 3), QList<QByteArray>({"two words", "plain", ""}));
    // It runs in a session of its own, detached from ours.
    const qint64 session = lines.value(3).trimmed().toLongLong();
    QVERIFY(session > 0);
    QVERIFY(session != getsid(0));
}

void TestLinuxPlatform::runProgramFailures_data()
{
    QTest::addColumn<QString>("program");  // below the test folder; empty for no command at all
    QTest::addColumn<int>("number");

    QTest::newRow("missing file") << "no-such-program" << ENOENT;
    QTest::newRow("not executable") << "plain.txt" << EACCES;
    QTest::newRow("folder") << "folder" << EACCES;
    QTest::newRow("empty command line") << "" << ENOENT;
}

void TestLinuxPlatform::runProgramFailures()
{
    QFETCH(QString, program);
    QFETCH(int, number);

    QVERIFY(WriteFile(
        m_dir->filePath(QStringLiteral("plain.txt")), "#!/bin/sh\nexit 0\n", QFile::ReadOwner | QFile::WriteOwner));
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("folder")));
    const QString path = program.isEmpty() ? QString() : m_dir->filePath(program);

    try {
        m_platform->RunProgram(QStringLiteral("\"%1\" argument").arg(path).toStdString());
        QFAIL("RunProgram did not throw");
    } catch (const AppFailure &failure) {
        QCOMPARE(failure.number(), number);
        if (!path.isEmpty())
            QVERIFY2(
                QString::fromUtf8(failure.what()).startsWith(QStringLiteral("Cannot start ") + path), failure.what());
    }
    errno = 0;
    QCOMPARE(waitpid(-1, nullptr, WNOHANG), -1);
    QCOMPARE(errno, ECHILD);
}

void TestLinuxPlatform::openDocumentUsesTheDesktopOpener()
{
    // A stand-in opener early on PATH records what it was asked to open.
    const QString bin = m_dir->filePath(QStringLiteral("bin"));
    QVERIFY(QDir().mkpath(bin));
    const QString marker = m_dir->filePath(QStringLiteral("opened"));
    QVERIFY(WriteFile(bin + QStringLiteral("/xdg-open"),
        QStringLiteral("#!/bin/sh\nprintf '%s|%s\\n' \"$#\" \"$1\" > \"%1.tmp\"\nmv \"%1.tmp\" \"%1\"\n")
            .arg(marker)
            .toUtf8(),
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    qputenv("PATH", QFile::encodeName(bin) + ':' + m_savedEnvironment.value("PATH"));

    m_platform->OpenDocument("Open", "https://example.org/a b?c=1");
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(marker), 10000);
    QCOMPARE(FileBytes(marker), QByteArray("1|https://example.org/a b?c=1\n"));

    // Without any opener nothing is reported.
    qputenv("PATH", QFile::encodeName(m_dir->filePath(QStringLiteral("empty"))));
    m_platform->OpenDocument("Open", "https://example.org/");
}

void TestLinuxPlatform::specialFolderPath_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("configHome");  // null: not set
    QTest::addColumn<QByteArray>("userDirs");    // null: no user-dirs.dirs file
    QTest::addColumn<QByteArray>("dataHome");    // null: not set
    QTest::addColumn<QString>("expected");       // @HOME@ and @ROOT@ stand for the folders

    const QByteArray none;
    QTest::newRow("desktop, no user-dirs file") << "Desktop" << none << none << none << "@HOME@/Desktop";
    QTest::newRow("desktop below home") << "Desktop" << none << QByteArray("XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n")
                                        << none << "@HOME@/Schreibtisch";
    QTest::newRow("desktop, full file")
        << "Desktop" << none
        << QByteArray("# written by xdg-user-dirs-update\nXDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n"
                      "  XDG_DESKTOP_DIR=\"$HOME/My \\\"Desk\\\"/\"\nXDG_MUSIC_DIR=\"$HOME/Music\"\n")
        << none << "@HOME@/My \"Desk\"";
    QTest::newRow("desktop absolute") << "Desktop" << none << QByteArray("XDG_DESKTOP_DIR=\"@ROOT@/desk\"\n") << none
                                      << "@ROOT@/desk";
    QTest::newRow("desktop, later line wins")
        << "Desktop" << none << QByteArray("XDG_DESKTOP_DIR=\"$HOME/first\"\nXDG_DESKTOP_DIR=\"$HOME/second\"\n")
        << none << "@HOME@/second";
    QTest::newRow("desktop relative entry ignored")
        << "Desktop" << none << QByteArray("XDG_DESKTOP_DIR=\"desk\"\n") << none << "@HOME@/Desktop";
    QTest::newRow("desktop, file without desktop entry")
        << "Desktop" << none << QByteArray("XDG_MUSIC_DIR=\"$HOME/Music\"\n") << none << "@HOME@/Desktop";
    QTest::newRow("desktop, user-dirs in XDG_CONFIG_HOME")
        << "Desktop" << QByteArray("@ROOT@/conf") << QByteArray("XDG_DESKTOP_DIR=\"$HOME/Arbeitsfläche\"\n") << none
        << "@HOME@/Arbeitsfläche";
    QTest::newRow("start menu default") << "StartMenu" << none << none << none << "@HOME@/.local/share/applications";
    QTest::newRow("start menu in XDG_DATA_HOME")
        << "StartMenu" << none << none << QByteArray("@ROOT@/data/") << "@ROOT@/data/applications";
    QTest::newRow("start menu, relative XDG_DATA_HOME ignored")
        << "StartMenu" << none << none << QByteArray("data") << "@HOME@/.local/share/applications";
    QTest::newRow("favorites") << "Favorites" << none << none << none << "@HOME@/Favorites";
}

void TestLinuxPlatform::specialFolderPath()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, configHome);
    QFETCH(QByteArray, userDirs);
    QFETCH(QByteArray, dataHome);
    QFETCH(QString, expected);

    const QByteArray root = QFile::encodeName(m_dir->path());
    const QString home = m_dir->filePath(QStringLiteral("home"));
    QString configFolder = home + QStringLiteral("/.config");
    if (!configHome.isNull()) {
        configHome.replace("@ROOT@", root);
        qputenv("XDG_CONFIG_HOME", configHome);
        configFolder = QFile::decodeName(configHome);
    }
    if (!userDirs.isNull()) {
        QVERIFY(QDir().mkpath(configFolder));
        QVERIFY(WriteFile(configFolder + QStringLiteral("/user-dirs.dirs"), userDirs.replace("@ROOT@", root),
            QFile::ReadOwner | QFile::WriteOwner));
    }
    if (!dataHome.isNull())
        qputenv("XDG_DATA_HOME", dataHome.replace("@ROOT@", root));
    expected.replace(QLatin1String("@HOME@"), home).replace(QLatin1String("@ROOT@"), m_dir->path());
    QVERIFY(!QFileInfo::exists(expected));

    const QString folder = QString::fromStdString(m_platform->SpecialFolderPath(name.toStdString()));
    QCOMPARE(folder, expected);
    QVERIFY(QFileInfo(folder).isDir());
    // Asking again finds the folder as it is.
    QCOMPARE(QString::fromStdString(m_platform->SpecialFolderPath(name.toStdString())), expected);
}

void TestLinuxPlatform::specialFolderPathFailures()
{
    try {
        m_platform->SpecialFolderPath("Programs");
        QFAIL("an unknown folder name was accepted");
    } catch (const AppFailure &failure) {
        QCOMPARE(failure.number(), int(kErrorInvalidParameter));
    }

    // A home below an ordinary file cannot hold any folder.
    const QString blocker = m_dir->filePath(QStringLiteral("blocker"));
    QVERIFY(WriteFile(blocker, "x", QFile::ReadOwner | QFile::WriteOwner));
    qputenv("HOME", QFile::encodeName(blocker + QStringLiteral("/home")));
    try {
        m_platform->SpecialFolderPath("Favorites");
        QFAIL("a folder below a file was reported as made");
    } catch (const AppFailure &failure) {
        QCOMPARE(failure.number(), ENOTDIR);
    }
}

void TestLinuxPlatform::writeTextFile_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("no lines") << QStringList() << QByteArray();
    QTest::newRow("one line") << QStringList({"[InternetShortcut]"}) << QByteArray("[InternetShortcut]\r\n");
    QTest::newRow("empty lines kept") << QStringList({"", "URL=x", ""}) << QByteArray("\r\nURL=x\r\n\r\n");
    QTest::newRow("UTF-8 as given, no mark") << QStringList({"Name=Grüße"})
                                             << QByteArray("Name=Gr\xC3\xBC\xC3\x9F"
                                                           "e\r\n");
}

void TestLinuxPlatform::writeTextFile()
{
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, expected);

    std::vector<std::string> text;
    for (const QString &line : lines)
        text.push_back(line.toStdString());
    const QString target = m_dir->filePath(QStringLiteral("out/link.url"));
    QVERIFY(QDir().mkpath(m_dir->filePath(QStringLiteral("out"))));

    const mode_t savedMask = umask(027);
    try {
        m_platform->WriteTextFile(Backslashed(target).toStdString(), text);
    } catch (const AppFailure &failure) {
        umask(savedMask);
        QFAIL(failure.what());
    }
    umask(savedMask);

    QCOMPARE(FileBytes(target), expected);
    QCOMPARE(Entries(m_dir->filePath(QStringLiteral("out"))), QStringList(QStringLiteral("link.url")));
    struct stat info { };
    QCOMPARE(stat(QFile::encodeName(target).constData(), &info), 0);
    QCOMPARE(info.st_mode & 07777, mode_t(0640));  // 0666 less the umask, like any new file
}

void TestLinuxPlatform::writeTextFileReplacesKeepingMode()
{
    const QString target = m_dir->filePath(QStringLiteral("link.url"));
    QVERIFY(WriteFile(target, "an older and longer content\r\n", QFile::ReadOwner | QFile::WriteOwner));
    QCOMPARE(chmod(QFile::encodeName(target).constData(), 0604), 0);

    m_platform->WriteTextFile(target.toStdString(), {"new"});

    QCOMPARE(FileBytes(target), QByteArray("new\r\n"));
    struct stat info { };
    QCOMPARE(stat(QFile::encodeName(target).constData(), &info), 0);
    QCOMPARE(info.st_mode & 07777, mode_t(0604));
    QCOMPARE(Entries(m_dir->path()), QStringList({"home", "link.url"}));
}

void TestLinuxPlatform::writeTextFileFailures_data()
{
    QTest::addColumn<QString>("target");  // below the test folder
    QTest::addColumn<int>("number");

    QTest::newRow("read-only file") << "readonly.url" << EACCES;
    QTest::newRow("folder") << "folder" << EISDIR;
    QTest::newRow("missing folder") << "missing/new.url" << ENOENT;
    QTest::newRow("below a file") << "readonly.url/new.url" << ENOTDIR;
}

void TestLinuxPlatform::writeTextFileFailures()
{
    QFETCH(QString, target);
    QFETCH(int, number);

    const QString readOnly = m_dir->filePath(QStringLiteral("readonly.url"));
    QVERIFY(WriteFile(readOnly, "old bytes\r\n", QFile::ReadOwner | QFile::WriteOwner));
    QCOMPARE(chmod(QFile::encodeName(readOnly).constData(), 0444), 0);
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("folder")));
    const QStringList before = Entries(m_dir->path());
    const QString path = m_dir->filePath(target);

    try {
        m_platform->WriteTextFile(path.toStdString(), {"new bytes"});
        QFAIL("WriteTextFile did not throw");
    } catch (const AppFailure &failure) {
        QCOMPARE(failure.number(), number);
        QVERIFY2(QString::fromUtf8(failure.what()).contains(path), failure.what());
    }

    QCOMPARE(FileBytes(readOnly), QByteArray("old bytes\r\n"));
    QCOMPARE(Entries(m_dir->path()), before);
    QCOMPARE(Entries(m_dir->filePath(QStringLiteral("folder"))), QStringList());
}

void TestLinuxPlatform::writeTextFileFailingMidwayKeepsOldFile()
{
    const QString target = m_dir->filePath(QStringLiteral("link.url"));
    QVERIFY(WriteFile(target, "old bytes\r\n", QFile::ReadOwner | QFile::WriteOwner));
    const QStringList before = Entries(m_dir->path());

    // A size limit makes the write of the new text fail after the temporary file exists.
    rlimit savedLimit {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &savedLimit), 0);
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = savedLimit;
    small.rlim_cur = 4;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    int number = 0;
    try {
        m_platform->WriteTextFile(target.toStdString(), {"a new text longer than the limit"});
    } catch (const AppFailure &failure) {
        number = failure.number();
    }
    setrlimit(RLIMIT_FSIZE, &savedLimit);
    std::signal(SIGXFSZ, savedHandler);

    QCOMPARE(number, EFBIG);
    QCOMPARE(FileBytes(target), QByteArray("old bytes\r\n"));
    QCOMPARE(Entries(m_dir->path()), before);
}

void TestLinuxPlatform::wallpaperIsRecorded()
{
    const std::string picture = "C:\\Vellory\\Backgrounds\\Cross.bmp";
    QVERIFY(m_platform->SystemParametersInfo(kSpiSetDeskWallpaper, 0, picture, kSpifUpdateIniFile));
    QVERIFY(!m_platform->SystemParametersInfo(kSpiSetDeskWallpaper + 1, 0, "other.bmp", kSpifUpdateIniFile));

    // Read back through a store of its own: the record is in the file, not just in memory.
    RegistryStore store(m_registryPath.toStdString());
    RegKey key = 0;
    QCOMPARE(store.OpenKey(HKEY_CURRENT_USER_ROOT, "Control Panel\\Desktop", kKeyRead, &key), kErrorSuccess);
    std::uint8_t buffer[64];
    std::uint32_t size = sizeof buffer;
    std::uint32_t type = 0;
    QCOMPARE(store.QueryValue(key, "Wallpaper", &type, buffer, &size), kErrorSuccess);
    QCOMPARE(type, kRegSz);
    QCOMPARE(std::string(reinterpret_cast<const char *>(buffer), size), picture);

    // The platform's own registry calls see it too, and no handle is left open.
    size = sizeof buffer;
    QCOMPARE(
        m_platform->RegOpenKeyEx(HKEY_CURRENT_USER_ROOT, "control panel\\desktop", 0, kKeyRead, &key), kErrorSuccess);
    QCOMPARE(m_platform->RegQueryValueEx(key, "wallpaper", &type, buffer, &size), kErrorSuccess);
    QCOMPARE(std::string(reinterpret_cast<const char *>(buffer), size), picture);
    QCOMPARE(m_platform->RegCloseKey(key), kErrorSuccess);
    QCOMPARE(m_platform->RegCloseKey(key), kErrorInvalidHandle);
}

void TestLinuxPlatform::systemPlatformIsLinux()
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir->filePath(QStringLiteral("conf"))));
    const std::unique_ptr<DesktopPlatform> platform = CreateSystemPlatform(m_ui);
    QVERIFY(dynamic_cast<LinuxPlatform *>(platform.get()));
    RegKey key = 0;
    QCOMPARE(platform->RegOpenKeyEx(HKEY_CURRENT_USER_ROOT, "Software", 0, kKeyRead, &key), kErrorFileNotFound);
    QCOMPARE(platform->RegCreateKey(HKEY_CURRENT_USER_ROOT, "Software", &key), kErrorSuccess);
    QVERIFY(QFileInfo::exists(m_dir->filePath(QStringLiteral("conf/vellory/registry.sqlite3"))));
}

QTEST_GUILESS_MAIN(TestLinuxPlatform)
#include "test_linux_platform.moc"
