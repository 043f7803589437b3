#include "settings/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "state/ui.h"

namespace vestrano {

namespace {

// The file a link (or a chain of them) names, so that a save replaces that file and the link
// stays; anything else as given. A loop of links is left to the write to report.
std::filesystem::path linkedFile(const std::filesystem::path& path) {
    std::filesystem::path file = path;
    std::error_code error;
    for (int hops = 0; hops < 40 && std::filesystem::is_symlink(file, error); ++hops) {
        const std::filesystem::path next = std::filesystem::read_symlink(file, error);
        if (error) {
            return path;
        }
        file = next.is_absolute() ? next : file.parent_path() / next;
    }
    return file;
}

std::string reasonOf(int error) {
    switch (error) {
    case ENOSPC:
        return "Der Datenträger ist voll.";
    case EFBIG:
        return "Die Datei wird zu groß für den Datenträger.";
    case EACCES:
    case EPERM:
        return "Keine Berechtigung zum Schreiben.";
    case EROFS:
        return "Der Datenträger ist schreibgeschützt.";
    case ENOENT:
        return "Der Ordner existiert nicht.";
    case EISDIR:
        return "Unter diesem Namen gibt es einen Ordner.";
    case EIO:
        return "Der Datenträger meldet einen Ein- oder Ausgabefehler.";
    case EDQUOT:
        return "Der zugeteilte Speicherplatz ist erschöpft.";
    default:
        return "Fehler beim Schreiben (Code " + std::to_string(error) + ").";
    }
}

// A name beside the target that no other writer picks at the same time.
std::filesystem::path temporaryBeside(const std::filesystem::path& target) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::random_device random;
    std::string suffix;
    for (int i = 0; i < 8; ++i) {
        suffix += kHex[random() % 16];
    }
    return target.parent_path() / ("." + target.filename().string() + "." + suffix + ".neu");
}

// Every byte into `fd`, through interrupted and partial writes.
bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno != EINTR) {
            return false;
        }
        bytes.remove_prefix(written < 0 ? 0 : static_cast<std::size_t>(written));
    }
    return true;
}

// A new file holding `bytes`, on the disk when this returns, with the permissions of the file it
// is to replace, so that a private file stays private; errno tells why when it fails.
bool writeToDisk(const std::filesystem::path& path, const std::filesystem::path& target,
                 std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    struct stat old {};
    const bool permitted =
        ::stat(target.c_str(), &old) != 0 || ::fchmod(fd, old.st_mode & 07777) == 0;
    const bool written = permitted && writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int error = errno;
    const bool closed = ::close(fd) == 0;
    if (!written) {
        errno = error;
    }
    return written && closed;
}

// The folder's new entry for a renamed file on the disk too; a file system that keeps no
// folders to sync (EINVAL) has nothing more to do.
bool syncFolder(const std::filesystem::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    const int error = errno;
    ::close(fd);
    errno = error;
    return synced;
}

} // namespace

void removeStaleTemporaries(const std::string& path) {
    const std::filesystem::path target(path);
    const std::string prefix = "." + target.filename().string() + ".";
    const auto oldest = std::filesystem::file_time_type::clock::now() - std::chrono::minutes(10);
    std::error_code error;
    for (const auto& file : std::filesystem::directory_iterator(target.parent_path(), error)) {
        const std::string name = file.path().filename().string();
        if (!name.starts_with(prefix) || !name.ends_with(".neu") || !file.is_regular_file(error)) {
            continue;
        }
        if (file.last_write_time(error) < oldest && !error) {
            std::filesystem::remove(file.path(), error);
        }
    }
}

Result<std::string> readWholeFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return fail("Unter diesem Namen gibt es keine Datei.");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return fail("Die Datei kann nicht geöffnet werden.");
    }
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        return fail("Die Datei kann nicht zu Ende gelesen werden.");
    }
    return bytes;
}

Status writeFileAtomically(const std::string& path, std::string_view bytes) {
    const std::filesystem::path target = linkedFile(path);
    const std::filesystem::path temporary = temporaryBeside(target);
    errno = 0;
    if (!writeToDisk(temporary, target, bytes) ||
        ::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return fail(reasonOf(error));
    }
    if (!syncFolder(target.parent_path())) {
        return fail(reasonOf(errno));
    }
    return {};
}

std::string notWrittenText(const std::string& path, const std::string& reason) {
    return "Die Datei \"" + path + "\" konnte nicht geschrieben werden.\n" + reason;
}

void tellNotWritten(Ui& ui, const std::string& path, const std::string& reason) {
    ui.message(notWrittenText(path, reason), "Vestrano", MessageIcon::Exclamation);
}

Status writeOrTell(Ui& ui, const std::string& path, std::string_view bytes) {
    Status written = writeFileAtomically(path, bytes);
    if (!written.ok()) {
        tellNotWritten(ui, path, written.reason());
    }
    return written;
}

} // namespace vestrano
