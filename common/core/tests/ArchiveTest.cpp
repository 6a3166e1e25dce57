#include <gtest/gtest.h>

#include "common/Archive.h"

using namespace common;

TEST(Archive, NumbersAreLittleEndian) {
    ArchiveWriter w;
    w.WriteU32(3122361);
    w.WriteU16(0x1234);
    w.WriteDouble(1.5);
    EXPECT_EQ(w.Data().substr(0, 6), std::string("\xB9\xA4\x2F\x00\x34\x12", 6));
    ArchiveReader r(w.Data());
    EXPECT_EQ(r.ReadU32(), 3122361u);
    EXPECT_EQ(r.ReadU16(), 0x1234);
    EXPECT_EQ(r.ReadDouble(), 1.5);
    EXPECT_TRUE(r.AtEnd());
}

TEST(Archive, StringLengthPrefixForms) {
    struct Case {
        std::size_t length;
        std::string prefix;
    };
    const Case cases[] = {
        {0, std::string("\x00", 1)},
        {254, "\xFE"},
        {255, std::string("\xFF\xFF\x00", 3)},
        {65533, "\xFF\xFD\xFF"},
        {65534, std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)},
    };
    for (const auto& c : cases) {
        ArchiveWriter w;
        const std::string text(c.length, 'G');
        w.WriteString(text);
        EXPECT_EQ(w.Data().substr(0, c.prefix.size()), c.prefix) << c.length;
        EXPECT_EQ(w.Data().size(), c.prefix.size() + c.length);
        ArchiveReader r(w.Data());
        EXPECT_EQ(r.ReadString(), text);
        EXPECT_TRUE(r.AtEnd());
    }
}

TEST(Archive, TextOutsideTheCodePageIsWrittenAsUtf16) {
    ArchiveWriter w;
    w.WriteString("Станок 1");
    const std::string& d = w.Data();
    ASSERT_GE(d.size(), 4u);
    EXPECT_EQ(d.substr(0, 4), std::string("\xFF\xFE\xFF\x08", 4));
    EXPECT_EQ(d.size(), 4u + 16u);
    ArchiveReader r(d);
    EXPECT_EQ(r.ReadString(), "Станок 1");
}

TEST(Archive, EightBitStringsAreWindows1252) {
    ArchiveWriter w;
    w.WriteString("Fräse €");
    EXPECT_EQ(w.Data(), std::string("\x07"
                                    "Fr\xE4se \x80"));
}

TEST(Archive, DamagedDataThrowsInsteadOfOverreading) {
    const std::string cases[] = {
        std::string("\x05"
                    "ab"),                               // short 8-bit string
        std::string("\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 7),  // huge 32-bit length
        std::string("\xFF\xFE\xFF\x10"
                    "ab",
                    6),              // short UTF-16 string
        std::string("\xFF\x01", 2),  // prefix cut short
    };
    for (const auto& data : cases) {
        ArchiveReader r(data);
        EXPECT_THROW(r.ReadString(), ArchiveFormatError);
    }
    const std::string hugeCount("\xFF\xFF\xFF\x7F", 4);
    ArchiveReader r(hugeCount);
    EXPECT_THROW(r.ReadByteArray(), ArchiveFormatError);
}
