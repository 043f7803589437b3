#include "settings/text_file.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace vestrano {

namespace {

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

// Writes and flushes; errno tells why when it fails.
bool writeAll(const std::filesystem::path& path, std::string_view bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        return false;
    }
    const bool written =
        std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
    const int error = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written) {
        errno = error;
    }
    return written && closed;
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

std::optional<std::string> readWholeFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

std::string writeFileAtomically(const std::string& path, std::string_view bytes) {
    const std::filesystem::path target(path);
    const std::filesystem::path temporary = temporaryBeside(target);
    errno = 0;
    if (!writeAll(temporary, bytes)) {
        const int error = errno;
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return reasonOf(error);
    }
    std::error_code error;
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return reasonOf(error.value());
    }
    return {};
}

} // namespace vestrano
