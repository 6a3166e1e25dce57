#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "transfer/Machines.h"
#include "transfer/PortConfig.h"
#include "transfer/TransferStream.h"

namespace sendrik {

// The program number of a program: the first line that starts (after blanks and control
// characters) with "O"
// and 1 to 8 digits not followed by another digit. "O1234" as written; nullopt if none.
std::optional<std::string> ProgramNumberOf(std::string_view program);

// The text of the first "(...)" comment, blanks around it removed; nullopt when there is
// no closed comment or it is empty.
std::optional<std::string> FirstCommentOf(std::string_view program);

// `text` with every byte other than letters, digits, "-", "_" and "." replaced by "_".
std::string SafeNamePart(std::string_view text);

// "YYYYMMDD-HHMMSS" of `when` in local time.
std::string TimeStamp(std::time_t when);

// The file name a received program is saved under: from `rule`, falling back to the
// time when the chosen source is absent; ".nc" added (".partial.nc" for a cut-off
// receive), never starting with ".", at most 100 characters.
std::string ReceivedFileName(std::string_view program, NameFrom rule, std::time_t when,
                             bool partial = false);

// The next free numbered backup of `name` in `folder`: "NAME.~N~" with N one above the
// highest present (1 when there is none).
std::string NextBackupName(const std::string& folder, const std::string& name);

// A received program on its way into a folder: written as it arrives to a hidden
// temporary file there, which Commit syncs and renames once the name is known. A file
// already of that name is kept as its next numbered backup first; a link of that name is
// replaced, never written through. A file neither committed nor discarded is removed.
class ReceivedFile final : public CWriter {
public:
    ReceivedFile() = default;
    ~ReceivedFile();
    ReceivedFile(const ReceivedFile&) = delete;
    ReceivedFile& operator=(const ReceivedFile&) = delete;

    bool Create(const std::string& folder, std::string& error);
    bool IsOpen() const { return m_fd >= 0; }
    void Write(const std::uint8_t* bytes, std::size_t count) override;
    // The path saved, or nullopt with `error` set (the temporary file is then removed).
    std::optional<std::string> Commit(const std::string& name, std::string& error);
    void Discard();

private:
    std::string m_folder;
    std::string m_temp;
    int m_fd = -1;
    int m_writeError = 0;
};

// Saves `bytes` as `folder`/`name` through a ReceivedFile.
std::optional<std::string> SaveReceived(const std::string& folder, const std::string& name,
                                        std::string_view bytes, std::string& error);

// Why a requested name is refused ("" when it is a plain file name): it holds "/" or
// "\", starts with ".", is empty or holds control characters.
std::string RequestNameProblem(std::string_view name);

// The extensions tried after the name as it stands, in order.
inline constexpr const char* kRequestExtensions[] = {".nc", ".ngc", ".tap", ".txt"};

struct RequestLookup {
    std::string path;     // the file to send (links resolved); empty when none
    std::string problem;  // why nothing is sent: not found, refused
};

// Looks for `name` in the folders in order, case-insensitively, as it stands or with one
// of kRequestExtensions. The file found must, after links are resolved, be a regular file
// inside one of the folders.
RequestLookup FindRequested(const std::vector<std::string>& folders, const std::string& name);

// The bytes a send with `config` puts on the line for a program: header, processed
// text and trailer.
std::string SendBytes(const CPortConfig& config, std::string_view program);

// One line of the transfer log: a JSON object ended by "\n".
struct LogRecord {
    std::time_t time = 0;
    std::string machine;
    std::string direction;  // received, request, sent
    std::string file;
    unsigned long long bytes = 0;
    std::string result;  // ok, partial, not found, refused, failed: ...
};
std::string JsonLogLine(const LogRecord& record);

// `text` as a JSON string, quotes included; bytes that are not UTF-8 become U+FFFD.
std::string JsonString(std::string_view text);

}  // namespace sendrik
