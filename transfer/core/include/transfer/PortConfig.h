#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace common {
class ArchiveReader;
class ArchiveWriter;
}  // namespace common

namespace sendrik {

// Line ends, header and trailer: raw bytes, shown to the user as "13,10".
using ByteSequence = std::vector<std::uint8_t>;

// Fills `sequence` from its text form ("13,10", "13 & 10", ",13;;10,"): tokens of
// decimal digits 0..255 split at runs of blank , ; & + _. An empty text gives an empty
// sequence. On failure `sequence` is left unchanged.
bool ParseCodes(std::string_view text, ByteSequence& sequence);
// The decimal values joined by ",", no blanks; "" for an empty sequence.
std::string FormatCodes(const ByteSequence& sequence);

// Flow-control codes of PORT_CONFIG::m_nFlowControl.
enum FlowControlCode : std::int32_t {
    kFlowHardware = 0,
    kFlowXonXoff = 1,
    kFlowNone = 2,
    kFlowHardwareNoDtr = 3,
};

// The line settings of a port.
struct PORT_CONFIG {
    std::uint32_t m_dwBaudRate = 9600;
    std::uint8_t m_byDataBits = 8;
    std::uint8_t m_byParity = 0;    // 0 none, 1 odd, 2 even, 3 mark, 4 space
    std::uint8_t m_byStopBits = 0;  // 0 one, 1 one and a half, 2 two
    std::int32_t m_nFlowControl = kFlowXonXoff;
    std::uint8_t m_chXon = 17;
    std::uint8_t m_chXoff = 19;
    std::int32_t m_nPort = 0;  // 0: use the port chosen in the main window

    PORT_CONFIG() = default;
    PORT_CONFIG(const PORT_CONFIG&) = default;
    PORT_CONFIG& operator=(const PORT_CONFIG&) = default;
    virtual ~PORT_CONFIG() = default;
    virtual void SetDefault();
    void Copy(const PORT_CONFIG& source);
    void Serialize(common::ArchiveWriter& archive) const;
    void Serialize(common::ArchiveReader& archive, std::uint32_t version);

    bool operator==(const PORT_CONFIG&) const = default;
};

// "9600 8-N-1": baud rate, data bits, parity letter (N O E M S) and stop bits as the
// editor labels them (1, 1.5, 2). Shown in the main window while a port is open.
std::string FormatPortSettings(const PORT_CONFIG& port);

// Comment kinds of TRANSFER_CONFIG::m_nSkipComments (a bit set).
enum CommentBits : std::int32_t {
    kCommentParen = 1,      // "(...)"
    kCommentBracket = 2,    // "[...]"
    kCommentSemicolon = 4,  // ";" to the end of the line
};

// Processing options of one transfer direction.
struct TRANSFER_CONFIG {
    ByteSequence m_eolRecognize;  // empty: the line end is detected automatically
    std::int32_t m_bRecognizeEol = 0;
    ByteSequence m_eolReplace;
    std::int32_t m_bReplaceEol = 0;
    std::int32_t m_bCheckPercent = 0;
    std::int32_t m_bSkipEmptyLines = 0;
    ByteSequence m_header;
    ByteSequence m_trailer;
    std::int32_t m_nDelaySeconds = 0;  // send only; at most 480 * 60 + 59
    std::string m_strFolder;           // UTF-8
    std::int32_t m_nSkipComments = 0;  // CommentBits
    std::int32_t m_bSkipNonPrintable = 0;
    std::int32_t m_bSkipLineNumbers = 0;  // not stored in the file
    std::uint32_t m_dwReserved = 0;
    std::uint8_t m_byReserved1 = 0;
    std::uint8_t m_byReserved2 = 0;

    virtual ~TRANSFER_CONFIG() = default;
    virtual void SetDefault() {}
    // Copies everything from m_eolRecognize through m_bSkipLineNumbers; the reserved
    // values stay as they are.
    void Copy(const TRANSFER_CONFIG& source);
    void Serialize(common::ArchiveWriter& archive) const;
    // `version` 12 reads without the reserved values, 13 and above with them.
    void Serialize(common::ArchiveReader& archive, std::uint32_t version);

    bool operator==(const TRANSFER_CONFIG&) const = default;
};

struct TRANSFER_CONFIG_SEND : TRANSFER_CONFIG {
    TRANSFER_CONFIG_SEND() { TRANSFER_CONFIG_SEND::SetDefault(); }
    void SetDefault() override;
};

struct TRANSFER_CONFIG_RECEIVE : TRANSFER_CONFIG {
    TRANSFER_CONFIG_RECEIVE() { TRANSFER_CONFIG_RECEIVE::SetDefault(); }
    // Replaces line ends with "10,13" and skips non-printable bytes.
    void SetDefault() override;
};

// Longest start transfer delay: 480 minutes and 59 seconds.
inline constexpr std::int32_t kMaxDelaySeconds = 480 * 60 + 59;

// One named configuration.
class CPortConfig {
public:
    CPortConfig() = default;
    virtual ~CPortConfig() = default;
    CPortConfig(const CPortConfig&) = default;
    CPortConfig& operator=(const CPortConfig&) = default;

    void SetDefault();
    // Name, line settings, both directions (without reserved values) and the file list.
    void Copy(const CPortConfig& source);
    // The version 13 record.
    void Serialize(common::ArchiveWriter& archive) const;
    // The record of a file of version 12 or above (read like 13 above 13).
    void Serialize(common::ArchiveReader& archive, std::uint32_t version);

    bool operator==(const CPortConfig&) const = default;

    std::string m_strName = "New Config";  // UTF-8; unique in the list regardless of case
    std::vector<std::string> m_arrFiles;   // full paths, in sending order
    PORT_CONFIG m_port;
    TRANSFER_CONFIG_SEND m_send;
    TRANSFER_CONFIG_RECEIVE m_receive;
};

// Name comparison used for configuration names: ASCII and Latin-1 letters match
// regardless of case.
bool NamesEqualNoCase(std::string_view a, std::string_view b);

// Which entry of the configuration editor a validation failure belongs to, so the
// editor can put the focus there.
enum class ConfigField {
    Name,
    Header,
    Trailer,
    EolRecognize,
    EolReplace,
};

struct ValidationFailure {
    std::string message;  // the message box text
    ConfigField field;
};

// The texts a direction page of the editor holds.
struct TransferTexts {
    std::string header;
    std::string trailer;
    bool recognizeEol = false;  // the "custom line end" check box
    std::string eolRecognize;
    std::string eolReplace;
};

// Checks one direction page in the order the editor reports: header, trailer, custom
// line end missing, custom line end, replacement.
std::optional<ValidationFailure> ValidateTransferTexts(const TransferTexts& texts);

// Validation texts, exactly as the user sees them.
inline constexpr const char* kMsgNameMissing = "Configuration name must be specified.";
inline constexpr const char* kMsgNameExists =
    "Configuration with this name already exist.\nEnter another name.";
inline constexpr const char* kMsgWrongHeader = "Wrong start of program special sequence";
inline constexpr const char* kMsgWrongTrailer = "Wrong end of program special sequence";
inline constexpr const char* kMsgEolMissing = "Expected end of line sequence is not specified";
inline constexpr const char* kMsgWrongEol = "Wrong end of line sequence";

}  // namespace sendrik
