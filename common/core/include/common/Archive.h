#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace common {

// Thrown by ArchiveReader when the data ends early or a length cannot be right.
class ArchiveFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Little-endian binary writer in the layout of the original programs' archives.
class ArchiveWriter {
public:
    void WriteU8(std::uint8_t v);
    void WriteU16(std::uint16_t v);
    void WriteU32(std::uint32_t v);
    void WriteI32(std::int32_t v) { WriteU32(static_cast<std::uint32_t>(v)); }
    void WriteDouble(double v);
    void WriteRaw(std::string_view bytes);
    // A byte sequence: 32-bit count, then the bytes.
    void WriteByteArray(const std::vector<std::uint8_t>& bytes);
    // A string from UTF-8. Text that Windows-1252 can hold is written in the 8-bit
    // form (length prefix, then the bytes); any other text in the UTF-16 form
    // (byte 255, 16-bit 65534, length prefix, code units), so nothing is lost.
    void WriteString(std::string_view utf8);

    const std::string& Data() const { return data_; }

private:
    void WriteLengthPrefix(std::uint64_t length);
    std::string data_;
};

// Bounds-checked reader over a whole file held in memory. Every read past the end
// and every length longer than the rest of the data throws ArchiveFormatError, so a
// damaged file never makes the reader allocate more than the file holds.
class ArchiveReader {
public:
    explicit ArchiveReader(std::string_view data) : data_(data) {}

    std::uint8_t ReadU8();
    std::uint16_t ReadU16();
    std::uint32_t ReadU32();
    std::int32_t ReadI32() { return static_cast<std::int32_t>(ReadU32()); }
    double ReadDouble();
    std::string_view ReadRaw(std::size_t count);
    std::vector<std::uint8_t> ReadByteArray();
    // Reads either string form and returns UTF-8.
    std::string ReadString();

    std::size_t Position() const { return pos_; }
    std::size_t Remaining() const { return data_.size() - pos_; }
    bool AtEnd() const { return pos_ == data_.size(); }

private:
    void Need(std::uint64_t count) const;
    std::string_view data_;
    std::size_t pos_ = 0;
};

}  // namespace common
