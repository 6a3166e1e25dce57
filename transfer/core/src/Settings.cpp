#include "transfer/Settings.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "common/Archive.h"
#include "common/AtomicFile.h"
#include "common/Cp1252.h"
#include "common/InstallLayout.h"

namespace sendrik {

namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t kMaxVersion11Count = 1000;

class WrongFormat : public common::ArchiveFormatError {
public:
    WrongFormat() : common::ArchiveFormatError("Wrong config file format") {}
};

std::string Replace(std::string text, std::string_view what, std::string_view with) {
    const std::size_t at = text.find(what);
    if (at != std::string::npos) text.replace(at, what.size(), with);
    return text;
}

// Strings of older records carry raw bytes in the 8-bit code page.
ByteSequence BytesOf(const std::string& utf8) {
    std::string raw;
    if (!common::Utf8ToCp1252(utf8, raw)) raw = utf8;
    return ByteSequence(raw.begin(), raw.end());
}

// A zero-terminated field of a fixed record.
std::string_view FixedField(std::string_view record, std::size_t offset, std::size_t width) {
    std::string_view field = record.substr(offset, width);
    const std::size_t end = field.find('\0');
    return end == std::string_view::npos ? field : field.substr(0, end);
}

std::uint32_t FixedU32(std::string_view record, std::size_t offset) {
    common::ArchiveReader ar(record.substr(offset, 4));
    return ar.ReadU32();
}

std::size_t FixedRecordSize(std::uint32_t version) {
    switch (version) {
        case 2:
            return 72;
        case 3:
            return 92;
        case 4:
            return 100;
        case 5:
            return 140;
        case 6:
            return 144;
        default:
            return 0;
    }
}

void ConvertFixedRecord(std::string_view r, std::uint32_t v, CPortConfig& c) {
    c.m_strName = common::Cp1252ToUtf8(FixedField(r, 0, 52));
    c.m_port.m_dwBaudRate = FixedU32(r, 52);
    c.m_port.m_byDataBits = static_cast<std::uint8_t>(r[56]);
    c.m_port.m_byParity = static_cast<std::uint8_t>(r[57]);
    c.m_port.m_byStopBits = static_cast<std::uint8_t>(r[58]);
    c.m_port.m_nFlowControl = static_cast<std::int32_t>(FixedU32(r, 60));
    c.m_port.m_chXon = static_cast<std::uint8_t>(r[64]);
    c.m_port.m_chXoff = static_cast<std::uint8_t>(r[65]);
    auto bytes = [](std::string_view s) { return ByteSequence(s.begin(), s.end()); };
    if (v == 2) {
        c.m_send.m_eolReplace = FixedU32(r, 68) != 0 ? ByteSequence{13, 10} : ByteSequence{13};
    } else {
        c.m_send.m_eolReplace = bytes(FixedField(r, 66, 11));
        // The receive replacement stays switched on: an empty stored line end must not
        // become "replace with nothing", which would join every received line.
        if (const std::string_view receiveEol = FixedField(r, 77, 11); !receiveEol.empty())
            c.m_receive.m_eolReplace = bytes(receiveEol);
        const auto percent = static_cast<std::int32_t>(FixedU32(r, 88));
        c.m_send.m_bCheckPercent = percent;
        c.m_receive.m_bCheckPercent = percent;
    }
    if (v >= 4) {
        c.m_port.m_nPort = static_cast<std::int32_t>(FixedU32(r, 92));
        const auto skipEmpty = static_cast<std::int32_t>(FixedU32(r, 96));
        c.m_send.m_bSkipEmptyLines = skipEmpty;
        c.m_receive.m_bSkipEmptyLines = skipEmpty;
    }
    if (v >= 5) {
        c.m_send.m_header = bytes(FixedField(r, 100, 20));
        c.m_send.m_trailer = bytes(FixedField(r, 120, 20));
    }
    if (v >= 6) c.m_send.m_nDelaySeconds = static_cast<std::int32_t>(FixedU32(r, 140));
}

// Versions 7 to 10.
void ReadIntermediateRecord(common::ArchiveReader& ar, std::uint32_t v, CPortConfig& c) {
    c.m_strName = ar.ReadString();
    c.m_port.m_dwBaudRate = ar.ReadU32();
    c.m_port.m_byDataBits = ar.ReadU8();
    c.m_port.m_byParity = ar.ReadU8();
    c.m_port.m_byStopBits = ar.ReadU8();
    c.m_port.m_nFlowControl = ar.ReadI32();
    c.m_port.m_chXon = ar.ReadU8();
    c.m_port.m_chXoff = ar.ReadU8();

    // These versions always sent CR LF unless told otherwise: a stored CR LF means
    // "send as read", not "replace with nothing" (which would join every line).
    const ByteSequence sendEol = BytesOf(ar.ReadString());
    if (!sendEol.empty() && sendEol != ByteSequence{13, 10}) {
        c.m_send.m_eolReplace = sendEol;
        c.m_send.m_bReplaceEol = 1;
    }
    // LF, CR LF and LF CR were what automatic detection finds; only another sequence
    // is a custom line end.
    const ByteSequence recvEol = BytesOf(ar.ReadString());
    if (!recvEol.empty() && recvEol != ByteSequence{10} && recvEol != ByteSequence{13, 10} &&
        recvEol != ByteSequence{10, 13}) {
        c.m_receive.m_eolRecognize = recvEol;
        c.m_receive.m_bRecognizeEol = 1;
    }

    const std::int32_t percent = ar.ReadI32();
    c.m_send.m_bCheckPercent = percent;
    c.m_receive.m_bCheckPercent = percent;
    c.m_port.m_nPort = ar.ReadI32();
    const std::int32_t skipEmpty = ar.ReadI32();
    c.m_send.m_bSkipEmptyLines = skipEmpty;
    c.m_receive.m_bSkipEmptyLines = skipEmpty;
    c.m_send.m_header = BytesOf(ar.ReadString());
    c.m_send.m_trailer = BytesOf(ar.ReadString());
    c.m_send.m_nDelaySeconds = ar.ReadI32();
    c.m_send.m_strFolder = ar.ReadString();
    c.m_receive.m_strFolder = v >= 10 ? ar.ReadString() : c.m_send.m_strFolder;
    if (v >= 9) {
        const std::uint32_t count = ar.ReadU32();
        if (count > ar.Remaining()) throw common::ArchiveFormatError("File list too long.");
        for (std::uint32_t i = 0; i < count; ++i) c.m_arrFiles.push_back(ar.ReadString());
    }
}

}  // namespace

fs::path DefaultConfigPath(const fs::path& programDir) {
    if (!programDir.empty() && !common::IsInstalledProgramFolder(programDir) &&
        ::access(programDir.c_str(), W_OK) == 0)
        return programDir / kConfigFileName;
    fs::path base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/') {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = fs::path(home) / ".config";
    } else {
        return programDir / kConfigFileName;
    }
    return base / "tarvik" / kConfigFileName;
}

std::string CSettings::Load() {
    m_bUnreadable = false;
    const std::optional<std::string> data = common::ReadWholeFile(m_strPath);
    if (!data) {
        const int error = errno;
        std::error_code ec;
        if (fs::status(m_strPath, ec).type() == fs::file_type::not_found) return {};
        // A file that is there but cannot be read (its permissions, a disk error) still
        // holds the shop's configurations: the next Save must not replace it.
        m_bUnreadable = true;
        const std::string reason = error != 0 ? std::strerror(error) : "read error";
        return "Can't read file: " + m_strPath + " (" + reason +
               ").\nIts port configurations can't be used. When the configurations are "
               "saved, it is kept as " +
               m_strPath + "_unreadable.";
    }
    if (data->empty()) {
        RemoveAll();
        return {};
    }
    const ParseResult result = Parse(*data);
    const bool olderVersion = result.olderVersion;
    const std::string& damage = result.damage;

    std::string message = DescribeDamage(result);
    const std::string path = m_strPath;
    std::error_code ec;
    if (olderVersion) {
        // The next Save writes the current version; the old file stays as it was.
        const std::string backup = path + "_old";
        fs::rename(path, backup, ec);
        if (ec) {
            if (!message.empty()) message += "\n\n";
            message += "The old configuration file could not be renamed to " + backup + ": " +
                       ec.message() + ".";
        } else if (!message.empty()) {
            message += " The file was kept as " + backup + ".";
        }
    } else if (!damage.empty()) {
        const std::string backup = path + "_damaged";
        fs::copy_file(path, backup, fs::copy_options::overwrite_existing, ec);
        if (ec)
            message += " A copy of the file could not be kept (" + ec.message() + ").";
        else
            message += " A copy of the file was kept as " + backup + ".";
    }
    return message;
}

std::string CSettings::DescribeDamage(const ParseResult& result) const {
    if (result.damage.empty()) return {};
    return std::string(kMsgWrongFormat) + "\n\n" + result.damage + " " +
           std::to_string(GetCount()) + " configuration(s) could be read.";
}

CSettings::ParseResult CSettings::Parse(std::string_view bytes) {
    RemoveAll();
    common::ArchiveReader ar(bytes);
    ParseResult result;
    try {
        std::uint32_t version = ar.ReadU32();
        if (version == kConfigSignature) {
            version = ar.ReadU32();
            result.olderVersion = version < kConfigVersion;
        } else if (version > 6) {
            throw WrongFormat();
        }
        if (version < 7) {
            m_nSelected = ar.ReadI32();
            const std::size_t size = FixedRecordSize(version);
            while (size > 0 && ar.Remaining() >= size) {
                auto config = std::make_unique<CPortConfig>();
                ConvertFixedRecord(ar.ReadRaw(size), version, *config);
                Add(std::move(config));
            }
        } else {
            const std::uint32_t count = ar.ReadU32();
            m_nSelected = ar.ReadI32();
            if (version == 11) {
                // Version 11 stored the count alone, so nothing bounds it but sense: no
                // shop keeps a thousand port configurations.
                if (count > kMaxVersion11Count)
                    throw common::ArchiveFormatError("Too many configurations.");
                for (std::uint32_t i = 0; i < count; ++i) {
                    auto config = std::make_unique<CPortConfig>();
                    config->m_strName =
                        i == 0 ? "New Config" : "New Config " + std::to_string(i + 1);
                    Add(std::move(config));
                }
            } else {
                for (std::uint32_t i = 0; i < count; ++i) {
                    auto config = std::make_unique<CPortConfig>();
                    if (version >= 12)
                        config->Serialize(ar, version);
                    else
                        ReadIntermediateRecord(ar, version, *config);
                    Add(std::move(config));
                }
            }
        }
    } catch (const common::ArchiveFormatError& e) {
        result.damage = e.what();
        if (result.damage.empty()) result.damage = "Damaged file.";
    }
    return result;
}

std::string CSettings::Serialize() const {
    common::ArchiveWriter ar;
    ar.WriteU32(kConfigSignature);
    ar.WriteU32(kConfigVersion);
    ar.WriteU32(static_cast<std::uint32_t>(m_configs.size()));
    ar.WriteI32(m_nSelected);
    for (const auto& config : m_configs) config->Serialize(ar);
    return ar.Data();
}

std::string CSettings::Save() const {
    const fs::path path(m_strPath);
    std::error_code ec;
    if (path.has_parent_path()) fs::create_directories(path.parent_path(), ec);
    std::string error;
    if (m_bUnreadable) {
        const std::string aside = m_strPath + "_unreadable";
        fs::rename(path, aside, ec);
        if (ec && fs::exists(fs::symlink_status(path, ec)))
            return Replace(kMsgCantSave, "%s", m_strPath) +
                   "\nThe file could not be read, nor moved to " + aside + ".";
        m_bUnreadable = false;
    }
    if (common::WriteFileAtomically(path, Serialize(), &error)) return {};
    std::string message = Replace(kMsgCantSave, "%s", m_strPath);
    if (!error.empty()) message += "\n" + error;
    return message;
}

CPortConfig* CSettings::FindByName(std::string_view name) const {
    for (const auto& config : m_configs)
        if (NamesEqualNoCase(config->m_strName, name)) return config.get();
    return nullptr;
}

int CSettings::Add(std::unique_ptr<CPortConfig> config) {
    m_configs.push_back(std::move(config));
    return GetCount() - 1;
}

void CSettings::RemoveAt(int index) {
    if (index < 0 || index >= GetCount()) return;
    m_configs.erase(m_configs.begin() + index);
}

std::optional<ValidationFailure> CSettings::ValidateName(std::string_view name,
                                                         std::string_view originalName,
                                                         bool isNew) const {
    if (name.empty()) return ValidationFailure{kMsgNameMissing, ConfigField::Name};
    if (!isNew && NamesEqualNoCase(name, originalName)) return std::nullopt;
    if (FindByName(name)) return ValidationFailure{kMsgNameExists, ConfigField::Name};
    return std::nullopt;
}

std::string CSettings::UniqueName(std::string_view base) const {
    std::string name(base);
    for (int n = 2; FindByName(name); ++n) name = std::string(base) + " " + std::to_string(n);
    return name;
}

}  // namespace sendrik
