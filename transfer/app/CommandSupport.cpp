#include "CommandSupport.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>

#include "common/AtomicFile.h"

namespace sendrik::cli {

namespace fs = std::filesystem;

std::string NotReadable(const std::string& what, const std::string& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    std::string problem;
    switch (status.type()) {
        case fs::file_type::regular:
            break;
        case fs::file_type::not_found:
            problem = "not found";
            break;
        case fs::file_type::directory:
            problem = "is a folder";
            break;
        case fs::file_type::fifo:
            problem = "is a FIFO (named pipe), not a regular file";
            break;
        case fs::file_type::character:
        case fs::file_type::block:
            problem = "is a device, not a regular file";
            break;
        case fs::file_type::socket:
            problem = "is a socket, not a regular file";
            break;
        default:
            problem = ec ? "cannot be examined: " + ec.message() : "is not a regular file";
            break;
    }
    if (problem.empty()) {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (file)
            std::fclose(file);
        else
            problem = std::string("cannot be read: ") + std::strerror(errno);
    }
    return problem.empty() ? problem : what + " " + path + " " + problem;
}

std::string NotWritable(const std::string& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) return "cannot write " + path + ": it is a folder";
    std::FILE* probe = std::fopen(path.c_str(), "ab");
    if (!probe) return "cannot write " + path + ": " + std::strerror(errno);
    std::fclose(probe);
    return {};
}

bool LoadSettings(const std::string& path, CSettings& settings, std::ostream& err) {
    if (const std::string problem = NotReadable("configuration file", path); !problem.empty()) {
        err << "sendrik: " << problem << "\n";
        return false;
    }
    const std::optional<std::string> bytes = common::ReadWholeFile(path);
    if (!bytes) {
        err << "sendrik: cannot read " << path << ": " << std::strerror(errno) << "\n";
        return false;
    }
    settings.m_strPath = path;
    if (bytes->empty()) return true;  // as the window reads it: no configurations yet
    const CSettings::ParseResult result = settings.Parse(*bytes);
    if (!result.damage.empty())
        err << "sendrik: " << path << ": " << settings.DescribeDamage(result)
            << " The file was left as it is; no copy of it was kept.\n";
    return true;
}

CPortConfig* FindConfig(const CSettings& settings, const std::string& name, const std::string& path,
                        std::ostream& err) {
    CPortConfig* config = settings.FindByName(name);
    if (config) return config;
    err << "sendrik: no configuration named \"" << name << "\" in " << path << "\n";
    if (settings.GetCount() > 0) {
        err << "Configurations:";
        for (int i = 0; i < settings.GetCount(); ++i)
            err << " \"" << settings.GetAt(i)->m_strName << "\"";
        err << "\n";
    }
    return nullptr;
}

}  // namespace sendrik::cli
