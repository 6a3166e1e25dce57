#include "common/Archive.h"

#include <cstring>

#include "common/Cp1252.h"

namespace common {

void ArchiveWriter::WriteU8(std::uint8_t v) {
    data_.push_back(static_cast<char>(v));
}

void ArchiveWriter::WriteU16(std::uint16_t v) {
    WriteU8(static_cast<std::uint8_t>(v & 0xFF));
    WriteU8(static_cast<std::uint8_t>(v >> 8));
}

void ArchiveWriter::WriteU32(std::uint32_t v) {
    WriteU16(static_cast<std::uint16_t>(v & 0xFFFF));
    WriteU16(static_cast<std::uint16_t>(v >> 16));
}

void ArchiveWriter::WriteDouble(double v) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    WriteU32(static_cast<std::uint32_t>(bits & 0xFFFFFFFFu));
    WriteU32(static_cast<std::uint32_t>(bits >> 32));
}

void ArchiveWriter::WriteRaw(std::string_view bytes) {
    data_.append(bytes);
}

void ArchiveWriter::WriteByteArray(const std::vector<std::uint8_t>& bytes) {
    WriteU32(static_cast<std::uint32_t>(bytes.size()));
    data_.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

void ArchiveWriter::WriteLengthPrefix(std::uint64_t length) {
    if (length < 255) {
        WriteU8(static_cast<std::uint8_t>(length));
    } else if (length < 0xFFFE) {
        WriteU8(0xFF);
        WriteU16(static_cast<std::uint16_t>(length));
    } else {
        WriteU8(0xFF);
        WriteU16(0xFFFF);
        WriteU32(static_cast<std::uint32_t>(length));
    }
}

void ArchiveWriter::WriteString(std::string_view utf8) {
    std::string narrow;
    if (Utf8ToCp1252(utf8, narrow)) {
        WriteLengthPrefix(narrow.size());
        data_.append(narrow);
        return;
    }
    const std::u16string wide = Utf8ToUtf16(utf8);
    WriteU8(0xFF);
    WriteU16(0xFFFE);
    WriteLengthPrefix(wide.size());
    for (char16_t u : wide) WriteU16(static_cast<std::uint16_t>(u));
}

void ArchiveReader::Need(std::uint64_t count) const {
    if (count > Remaining()) throw ArchiveFormatError("The file ends too early.");
}

std::uint8_t ArchiveReader::ReadU8() {
    Need(1);
    return static_cast<std::uint8_t>(data_[pos_++]);
}

std::uint16_t ArchiveReader::ReadU16() {
    const std::uint16_t lo = ReadU8();
    const std::uint16_t hi = ReadU8();
    return static_cast<std::uint16_t>(lo | (hi << 8));
}

std::uint32_t ArchiveReader::ReadU32() {
    const std::uint32_t lo = ReadU16();
    const std::uint32_t hi = ReadU16();
    return lo | (hi << 16);
}

double ArchiveReader::ReadDouble() {
    const std::uint64_t lo = ReadU32();
    const std::uint64_t hi = ReadU32();
    const std::uint64_t bits = lo | (hi << 32);
    double v = 0;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

std::string_view ArchiveReader::ReadRaw(std::size_t count) {
    Need(count);
    std::string_view out = data_.substr(pos_, count);
    pos_ += count;
    return out;
}

std::vector<std::uint8_t> ArchiveReader::ReadByteArray() {
    const std::uint32_t count = ReadU32();
    const std::string_view raw = ReadRaw(count);
    return {raw.begin(), raw.end()};
}

std::string ArchiveReader::ReadString() {
    bool wide = false;
    std::uint64_t length = ReadU8();
    if (length == 0xFF) {
        length = ReadU16();
        if (length == 0xFFFE) {
            wide = true;
            length = ReadU8();
            if (length == 0xFF) {
                length = ReadU16();
                if (length == 0xFFFF) length = ReadU32();
            }
        } else if (length == 0xFFFF) {
            length = ReadU32();
        }
    }
    if (!wide) return Cp1252ToUtf8(ReadRaw(length));
    Need(length * 2);
    std::u16string units;
    units.reserve(length);
    for (std::uint64_t i = 0; i < length; ++i) units.push_back(static_cast<char16_t>(ReadU16()));
    return Utf16ToUtf8(units);
}

}  // namespace common
