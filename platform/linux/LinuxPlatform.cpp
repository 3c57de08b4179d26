#include "platform/linux/LinuxPlatform.h"

#include "platform/linux/XdgFolders.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <pwd.h>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vellory {

namespace {

// The desktop folder named in user-dirs.dirs: XDG_DESKTOP_DIR="$HOME/..." or an absolute
// path. The file is written for the shell, so the last assignment wins and a backslash
// escapes the next character. Empty when the file does not name one.
std::string DesktopFromUserDirs(const std::string &home)
{
    std::ifstream file(JoinPath(XdgBaseFolder("XDG_CONFIG_HOME", ".config"), "user-dirs.dirs"));
    const std::string key = "XDG_DESKTOP_DIR=";
    std::string found;
    std::string line;
    while (std::getline(file, line)) {
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, key.size(), key) != 0)
            continue;
        std::string value;
        bool quoted = false;
        for (std::size_t i = start + key.size(); i < line.size(); ++i) {
            const char c = line[i];
            if (c == '"') {
                quoted = !quoted;
            } else if (c == '\\' && i + 1 < line.size()) {
                value += line[++i];
            } else if (!quoted && (c == ' ' || c == '\t' || c == '#')) {
                break;
            } else {
                value += c;
            }
        }
        if (value.compare(0, 5, "$HOME") == 0 && (value.size() == 5 || value[5] == '/'))
            found = home + value.substr(5);
        else if (!value.empty() && value[0] == '/')
            found = value;
    }
    return found.empty() ? found : WithoutTrailingSlashes(found);
}

// Creates the folder and its missing parents, as "mkdir -p" does.
void MakeFolders(const std::string &folder)
{
    std::size_t end = 0;
    while (end != std::string::npos) {
        end = folder.find('/', end + 1);
        const std::string part = folder.substr(0, end);
        if (mkdir(part.c_str(), 0777) == 0)
            continue;
        const int error = errno;
        struct stat info { };
        if (stat(part.c_str(), &info) != 0)
            ThrowErrno(error, "Cannot create the folder " + part);
        if (!S_ISDIR(info.st_mode))
            ThrowErrno(ENOTDIR, "Cannot create the folder " + part);
    }
}

// Starts the program detached from this one, without a shell, and returns 0 when it started
// or the errno of the failure. The program runs in a grandchild in a session of its own, so
// it outlives us and leaves no zombie: its parent ends at once and is reaped here.
int SpawnDetached(const std::vector<std::string> &arguments)
{
    // Everything the children need is prepared here: between fork and exec only
    // async-signal-safe calls are allowed, since the toolkit runs other threads.
    std::vector<char *> argv;
    argv.reserve(arguments.size() + 1);
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    sigset_t allSignalsOpen;
    sigemptyset(&allSignalsOpen);

    // The grandchild reports a failed exec through this pipe; a successful exec closes it.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        return errno;

    const pid_t child = fork();
    if (child < 0) {
        const int error = errno;
        close(report[0]);
        close(report[1]);
        return error;
    }
    if (child == 0) {
        close(report[0]);
        setsid();
        const pid_t grandchild = fork();
        if (grandchild != 0) {
            if (grandchild < 0) {
                const int error = errno;
                (void)!write(report[1], &error, sizeof error);
            }
            _exit(0);
        }
        // The program should start as from a fresh login, not with our signal settings.
        signal(SIGPIPE, SIG_DFL);
        sigprocmask(SIG_SETMASK, &allSignalsOpen, nullptr);
        // glibc's execvp searches PATH without allocating, which keeps it usable here.
        execvp(argv[0], argv.data());
        const int error = errno;
        (void)!write(report[1], &error, sizeof error);
        _exit(127);
    }

    close(report[1]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) { }
    int error = 0;
    ssize_t got;
    while ((got = read(report[0], &error, sizeof error)) < 0 && errno == EINTR) { }
    close(report[0]);
    return got == static_cast<ssize_t>(sizeof error) ? error : 0;
}

// Owns the temporary file of WriteTextFile until it has taken the target's place.
class TemporaryFile {
public:
    ~TemporaryFile()
    {
        if (m_fd >= 0)
            close(m_fd);
        if (!m_path.empty())
            unlink(m_path.c_str());
    }

    // A hidden, unused name beside the target. The mode asked for goes through the umask
    // like that of any new file.
    int create(const std::string &folder, const std::string &name, mode_t mode)
    {
        static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        std::random_device seed;
        std::mt19937 random(seed());
        std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string candidate = JoinPath(folder, "." + name + ".");
            for (int i = 0; i < 6; ++i)
                candidate += kLetters[pick(random)];
            m_fd = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            if (m_fd >= 0) {
                m_path = candidate;
                return 0;
            }
            if (errno != EEXIST)
                return errno;
        }
        return EEXIST;
    }

    int fd() const { return m_fd; }
    const std::string &path() const { return m_path; }

    int closeFile()
    {
        const int result = close(m_fd);
        m_fd = -1;
        return result == 0 ? 0 : errno;
    }

    // Its name now belongs to the target, so there is nothing left to remove.
    void release() { m_path.clear(); }

private:
    int m_fd = -1;
    std::string m_path;
};

int WriteAll(int fd, const std::string &content)
{
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t written = write(fd, content.data() + done, content.size() - done);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        done += static_cast<std::size_t>(written);
    }
    return 0;
}

}  // namespace

std::string NativePath(const std::string &windowsPath)
{
    std::string path = windowsPath;
    for (char &c : path) {
        if (c == '\\')
            c = '/';
    }
    return path;
}

std::vector<std::string> SplitCommandLine(const std::string &commandLine)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;  // also true for a word that "" made, which is empty
    bool quoted = false;
    for (const char c : commandLine) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && (c == ' ' || c == '\t')) {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(std::move(word));
    return words;
}

LinuxPlatform::LinuxPlatform(UserInterfaceServices &ui, std::string registryPath)
    : m_ui(ui)
    , m_registry(std::move(registryPath))
{
}

void LinuxPlatform::ShowMessageBox(const std::string &text)
{
    m_ui.ShowMessageBox(ApplicationTitle(), text);
}

void LinuxPlatform::SetBusyCursor(bool on)
{
    m_ui.SetBusyCursor(on);
}

bool LinuxPlatform::FileExists(const std::string &path)
{
    struct stat info { };
    return stat(NativePath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

void LinuxPlatform::RunProgram(const std::string &commandLine)
{
    std::vector<std::string> arguments = SplitCommandLine(commandLine);
    if (arguments.empty() || arguments.front().empty())
        throw AppFailure(ENOENT, "Cannot start a program: the command line names none");
    arguments.front() = NativePath(arguments.front());
    if (const int error = SpawnDetached(arguments))
        ThrowErrno(error, "Cannot start " + arguments.front());
}

void LinuxPlatform::OpenDocument(const std::string & /*verb*/, const std::string &url)
{
    // The desktop's own opener picks the program; "Open" is the only verb it knows.
    SpawnDetached({"xdg-open", url});
}

std::string LinuxPlatform::SpecialFolderPath(const std::string &name)
{
    std::string folder;
    if (name == "Desktop") {
        const std::string home = WithoutTrailingSlashes(HomeFolder());
        folder = DesktopFromUserDirs(home);
        if (folder.empty())
            folder = JoinPath(home, "Desktop");
    } else if (name == "StartMenu") {
        folder = JoinPath(XdgBaseFolder("XDG_DATA_HOME", ".local/share"), "applications");
    } else if (name == "Favorites") {
        folder = JoinPath(HomeFolder(), "Favorites");
    } else {
        throw AppFailure(kErrorInvalidParameter, "Unknown special folder: " + name);
    }
    // Callers write into these folders straight away, as they may on Windows, where the
    // shell makes sure its special folders exist.
    MakeFolders(folder);
    return folder;
}

void LinuxPlatform::WriteTextFile(const std::string &path, const std::vector<std::string> &lines)
{
    const std::string target = NativePath(path);
    const std::string what = "Cannot write " + target;

    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    if (name.empty())
        ThrowErrno(EISDIR, what);

    bool replacing = false;
    struct stat existing { };
    if (stat(target.c_str(), &existing) == 0) {
        if (S_ISDIR(existing.st_mode))
            ThrowErrno(EISDIR, what);
        // A file without its owner's write permission is read-only, as a file with that
        // attribute on Windows, even for root, who could write it anyway.
        if (!(existing.st_mode & S_IWUSR))
            ThrowErrno(EACCES, what);
        replacing = true;
    } else if (errno != ENOENT) {
        ThrowErrno(errno, what);
    }

    std::string content;
    for (const std::string &line : lines) {
        content += line;
        content += "\r\n";
    }

    // The new text goes to a file beside the target and then takes its place in one step,
    // so that the target is never half written.
    TemporaryFile temporary;
    if (const int error = temporary.create(folder, name, 0666))
        ThrowErrno(error, what);
    if (const int error = WriteAll(temporary.fd(), content))
        ThrowErrno(error, what);
    if (replacing) {
        if (fchmod(temporary.fd(), existing.st_mode & 07777) != 0)
            ThrowErrno(errno, what);
        // Only root may hand the file back to its owner; everyone else keeps it as theirs.
        if (existing.st_uid != geteuid() || existing.st_gid != getegid())
            (void)!fchown(temporary.fd(), existing.st_uid, existing.st_gid);
    }
    if (fsync(temporary.fd()) != 0)
        ThrowErrno(errno, what);
    if (const int error = temporary.closeFile())
        ThrowErrno(error, what);
    if (rename(temporary.path().c_str(), target.c_str()) != 0)
        ThrowErrno(errno, what);
    temporary.release();

    // Makes the new name last through a power cut. The file is already in place, so a
    // folder that cannot be flushed is no reason to fail.
    const int folderFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        fsync(folderFd);
        close(folderFd);
    }
}

long LinuxPlatform::RegOpenKeyEx(
    RegKey root, const std::string &subKey, std::uint32_t /*options*/, std::uint32_t access, RegKey *result)
{
    return m_registry.OpenKey(root, subKey, access, result);
}

long LinuxPlatform::RegQueryValueEx(
    RegKey key, const std::string &valueName, std::uint32_t *type, std::uint8_t *data, std::uint32_t *byteCount)
{
    return m_registry.QueryValue(key, valueName, type, data, byteCount);
}

long LinuxPlatform::RegCreateKey(RegKey root, const std::string &subKey, RegKey *result)
{
    return m_registry.CreateKey(root, subKey, result);
}

long LinuxPlatform::RegSetValueEx(
    RegKey key, const std::string &valueName, std::uint32_t type, const std::uint8_t *data, std::uint32_t byteCount)
{
    return m_registry.SetValue(key, valueName, type, data, byteCount);
}

long LinuxPlatform::RegCloseKey(RegKey key)
{
    return m_registry.CloseKey(key);
}

bool LinuxPlatform::SystemParametersInfo(
    std::uint32_t action, std::uint32_t /*uiParam*/, const std::string &pvParam, std::uint32_t /*winIni*/)
{
    if (action != kSpiSetDeskWallpaper)
        return false;
    // Recorded where Windows keeps it, for whatever sets the picture on this desktop.
    RegKey key = 0;
    if (m_registry.CreateKey(HKEY_CURRENT_USER_ROOT, "Control Panel\\Desktop", &key) != kErrorSuccess)
        return false;
    const long stored = m_registry.SetValue(key, "Wallpaper", kRegSz,
        reinterpret_cast<const std::uint8_t *>(pvParam.data()), static_cast<std::uint32_t>(pvParam.size()));
    m_registry.CloseKey(key);
    return stored == kErrorSuccess;
}

std::unique_ptr<DesktopPlatform> CreateSystemPlatform(UserInterfaceServices &ui)
{
    return std::make_unique<LinuxPlatform>(ui);
}

}  // namespace vellory
