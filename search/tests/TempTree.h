#pragma once

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace scarrow::testing {

// A real temporary folder, removed with everything in it at the end of the test.
class TempTree {
public:
    TempTree() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "scarrow-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        m_root = pattern;
    }
    ~TempTree() {
        std::error_code ec;
        // Folders a test made unreadable must become readable again to be removed.
        for (auto it = std::filesystem::recursive_directory_iterator(
                 m_root, std::filesystem::directory_options::skip_permission_denied, ec);
             !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
            if (it->is_directory(ec) && !it->is_symlink(ec)) ::chmod(it->path().c_str(), 0755);
        }
        ::chmod(m_root.c_str(), 0755);
        std::filesystem::remove_all(m_root, ec);
    }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    const std::filesystem::path& Root() const { return m_root; }
    std::string Path(std::string_view relative) const { return (m_root / relative).string(); }

    std::string Write(std::string_view relative, std::string_view bytes) const {
        const std::filesystem::path path = m_root / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return path.string();
    }
    std::string Folder(std::string_view relative) const {
        const std::filesystem::path path = m_root / relative;
        std::filesystem::create_directories(path);
        return path.string();
    }

    // Local calendar time, for the date filter tests.
    static std::time_t LocalTime(int year, int month, int day, int hour = 12) {
        std::tm tm{};
        tm.tm_year = year - 1900;
        tm.tm_mon = month - 1;
        tm.tm_mday = day;
        tm.tm_hour = hour;
        tm.tm_isdst = -1;
        return std::mktime(&tm);
    }
    static void SetModified(const std::string& path, std::time_t when) {
        struct timespec times[2] = {{when, 0}, {when, 0}};
        ::utimensat(AT_FDCWD, path.c_str(), times, 0);
    }

private:
    std::filesystem::path m_root;
};

}  // namespace scarrow::testing
