#include "transfer/PortConfig.h"

#include <cstdio>

#include "common/Archive.h"

namespace sendrik {

namespace {

bool IsCodeSeparator(char c) {
    return c == ' ' || c == ',' || c == ';' || c == '&' || c == '+' || c == '_';
}

// Folds ASCII and Latin-1 capitals (UTF-8 C3 80..C3 9E, but not the multiplication
// sign C3 97) to small letters, byte by byte.
std::string FoldCase(std::string_view s) {
    std::string out(s);
    for (std::size_t i = 0; i < out.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(out[i]);
        if (c >= 'A' && c <= 'Z') {
            out[i] = static_cast<char>(c + 32);
        } else if (c == 0xC3 && i + 1 < out.size()) {
            unsigned char d = static_cast<unsigned char>(out[i + 1]);
            if (d >= 0x80 && d <= 0x9E && d != 0x97) out[i + 1] = static_cast<char>(d + 32);
            ++i;
        }
    }
    return out;
}

}  // namespace

bool ParseCodes(std::string_view text, ByteSequence& sequence) {
    ByteSequence result;
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsCodeSeparator(text[i])) {
            ++i;
            continue;
        }
        unsigned value = 0;
        std::size_t start = i;
        while (i < text.size() && !IsCodeSeparator(text[i])) {
            const char c = text[i];
            if (c < '0' || c > '9') return false;
            value = value * 10 + static_cast<unsigned>(c - '0');
            if (value > 255) return false;
            ++i;
        }
        if (i == start) return false;
        result.push_back(static_cast<std::uint8_t>(value));
    }
    sequence = std::move(result);
    return true;
}

std::string FormatCodes(const ByteSequence& sequence) {
    std::string text;
    for (std::size_t i = 0; i < sequence.size(); ++i) {
        if (i > 0) text += ',';
        text += std::to_string(sequence[i]);
    }
    return text;
}

bool NamesEqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && FoldCase(a) == FoldCase(b);
}

void PORT_CONFIG::SetDefault() {
    m_dwBaudRate = 9600;
    m_byDataBits = 8;
    m_byParity = 0;
    m_byStopBits = 0;
    m_nFlowControl = kFlowXonXoff;
    m_chXon = 17;
    m_chXoff = 19;
    m_nPort = 0;
}

void PORT_CONFIG::Copy(const PORT_CONFIG& source) {
    if (this != &source) *this = source;
}

void PORT_CONFIG::Serialize(common::ArchiveWriter& ar) const {
    ar.WriteU32(m_dwBaudRate);
    ar.WriteU8(m_byDataBits);
    ar.WriteU8(m_byParity);
    ar.WriteU8(m_byStopBits);
    ar.WriteI32(m_nFlowControl);
    ar.WriteU8(m_chXon);
    ar.WriteU8(m_chXoff);
    ar.WriteI32(m_nPort);
}

void PORT_CONFIG::Serialize(common::ArchiveReader& ar, std::uint32_t /*version*/) {
    m_dwBaudRate = ar.ReadU32();
    m_byDataBits = ar.ReadU8();
    m_byParity = ar.ReadU8();
    m_byStopBits = ar.ReadU8();
    m_nFlowControl = ar.ReadI32();
    m_chXon = ar.ReadU8();
    m_chXoff = ar.ReadU8();
    m_nPort = ar.ReadI32();
}

std::string FormatPortSettings(const PORT_CONFIG& port) {
    static const char kParity[] = {'N', 'O', 'E', 'M', 'S'};
    const char parity = port.m_byParity < 5 ? kParity[port.m_byParity] : 'N';
    const char* stop = port.m_byStopBits == 1 ? "1.5" : port.m_byStopBits == 2 ? "2" : "1";
    char text[64];
    std::snprintf(text, sizeof text, "%u %u-%c-%s", static_cast<unsigned>(port.m_dwBaudRate),
                  static_cast<unsigned>(port.m_byDataBits), parity, stop);
    return text;
}

void TRANSFER_CONFIG::Copy(const TRANSFER_CONFIG& s) {
    m_eolRecognize = s.m_eolRecognize;
    m_bRecognizeEol = s.m_bRecognizeEol;
    m_eolReplace = s.m_eolReplace;
    m_bReplaceEol = s.m_bReplaceEol;
    m_bCheckPercent = s.m_bCheckPercent;
    m_bSkipEmptyLines = s.m_bSkipEmptyLines;
    m_header = s.m_header;
    m_trailer = s.m_trailer;
    m_nDelaySeconds = s.m_nDelaySeconds;
    m_strFolder = s.m_strFolder;
    m_nSkipComments = s.m_nSkipComments;
    m_bSkipNonPrintable = s.m_bSkipNonPrintable;
    m_bSkipLineNumbers = s.m_bSkipLineNumbers;
}

void TRANSFER_CONFIG::Serialize(common::ArchiveWriter& ar) const {
    ar.WriteByteArray(m_eolRecognize);
    ar.WriteI32(m_bRecognizeEol);
    ar.WriteByteArray(m_eolReplace);
    ar.WriteI32(m_bReplaceEol);
    ar.WriteI32(m_bCheckPercent);
    ar.WriteI32(m_bSkipEmptyLines);
    ar.WriteByteArray(m_header);
    ar.WriteByteArray(m_trailer);
    ar.WriteI32(m_nDelaySeconds);
    ar.WriteString(m_strFolder);
    ar.WriteI32(m_nSkipComments);
    ar.WriteI32(m_bSkipNonPrintable);
    ar.WriteU32(m_dwReserved);
    ar.WriteU8(m_byReserved1);
    ar.WriteU8(m_byReserved2);
}

void TRANSFER_CONFIG::Serialize(common::ArchiveReader& ar, std::uint32_t version) {
    m_eolRecognize = ar.ReadByteArray();
    m_bRecognizeEol = ar.ReadI32();
    m_eolReplace = ar.ReadByteArray();
    m_bReplaceEol = ar.ReadI32();
    m_bCheckPercent = ar.ReadI32();
    m_bSkipEmptyLines = ar.ReadI32();
    m_header = ar.ReadByteArray();
    m_trailer = ar.ReadByteArray();
    m_nDelaySeconds = ar.ReadI32();
    m_strFolder = ar.ReadString();
    m_nSkipComments = ar.ReadI32();
    m_bSkipNonPrintable = ar.ReadI32();
    if (version >= 13) {
        m_dwReserved = ar.ReadU32();
        m_byReserved1 = ar.ReadU8();
        m_byReserved2 = ar.ReadU8();
    }
}

namespace {

// Everything off and empty: the send defaults, and the base of the receive defaults.
void ResetTransferConfig(TRANSFER_CONFIG& c) {
    c.m_eolRecognize.clear();
    c.m_bRecognizeEol = 0;
    c.m_eolReplace.clear();
    c.m_bReplaceEol = 0;
    c.m_bCheckPercent = 0;
    c.m_bSkipEmptyLines = 0;
    c.m_header.clear();
    c.m_trailer.clear();
    c.m_nDelaySeconds = 0;
    c.m_strFolder.clear();
    c.m_nSkipComments = 0;
    c.m_bSkipNonPrintable = 0;
    c.m_bSkipLineNumbers = 0;
    c.m_dwReserved = 0;
    c.m_byReserved1 = 0;
    c.m_byReserved2 = 0;
}

}  // namespace

void TRANSFER_CONFIG_SEND::SetDefault() {
    ResetTransferConfig(*this);
}

void TRANSFER_CONFIG_RECEIVE::SetDefault() {
    ResetTransferConfig(*this);
    m_eolReplace = {10, 13};
    m_bReplaceEol = 1;
    m_bSkipNonPrintable = 1;
}

void CPortConfig::SetDefault() {
    m_port.SetDefault();
    m_send.SetDefault();
    m_receive.SetDefault();
}

void CPortConfig::Copy(const CPortConfig& source) {
    m_strName = source.m_strName;
    m_port.Copy(source.m_port);
    m_send.Copy(source.m_send);
    m_receive.Copy(source.m_receive);
    m_arrFiles = source.m_arrFiles;
}

void CPortConfig::Serialize(common::ArchiveWriter& ar) const {
    ar.WriteString(m_strName);
    m_port.Serialize(ar);
    m_send.Serialize(ar);
    m_receive.Serialize(ar);
    ar.WriteU32(static_cast<std::uint32_t>(m_arrFiles.size()));
    for (const std::string& file : m_arrFiles) ar.WriteString(file);
}

void CPortConfig::Serialize(common::ArchiveReader& ar, std::uint32_t version) {
    m_strName = ar.ReadString();
    m_port.Serialize(ar, version);
    m_send.Serialize(ar, version);
    m_receive.Serialize(ar, version);
    const std::uint32_t count = ar.ReadU32();
    m_arrFiles.clear();
    // Each entry takes at least its one-byte length prefix, so a count beyond the rest
    // of the file fails at once instead of looping billions of times.
    if (count > ar.Remaining()) throw common::ArchiveFormatError("File list too long.");
    for (std::uint32_t i = 0; i < count; ++i) m_arrFiles.push_back(ar.ReadString());
}

std::optional<ValidationFailure> ValidateTransferTexts(const TransferTexts& texts) {
    ByteSequence probe;
    if (!ParseCodes(texts.header, probe))
        return ValidationFailure{kMsgWrongHeader, ConfigField::Header};
    if (!ParseCodes(texts.trailer, probe))
        return ValidationFailure{kMsgWrongTrailer, ConfigField::Trailer};
    // A text of separators only ("," or " ") holds no line end either.
    ByteSequence custom;
    if (texts.recognizeEol &&
        (texts.eolRecognize.empty() || (ParseCodes(texts.eolRecognize, custom) && custom.empty())))
        return ValidationFailure{kMsgEolMissing, ConfigField::EolRecognize};
    if (!ParseCodes(texts.eolRecognize, probe))
        return ValidationFailure{kMsgWrongEol, ConfigField::EolRecognize};
    if (!ParseCodes(texts.eolReplace, probe))
        return ValidationFailure{kMsgWrongEol, ConfigField::EolReplace};
    return std::nullopt;
}

}  // namespace sendrik
