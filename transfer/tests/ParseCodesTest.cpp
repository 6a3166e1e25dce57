#include <gtest/gtest.h>

#include "transfer/PortConfig.h"
#include "transfer/Settings.h"

using namespace sendrik;

TEST(ParseCodes, AcceptedTexts) {
    struct Case {
        const char* text;
        ByteSequence expected;
    } cases[] = {
        {"", {}},
        {" ,;&+_ ", {}},
        {"13,10", {13, 10}},
        {"13 & 10", {13, 10}},
        {"13;;10", {13, 10}},
        {",13,10,", {13, 10}},
        {"10+13_0", {10, 13, 0}},
        {"013", {13}},
        {"255", {255}},
        {"0000000000255", {255}},
    };
    for (const Case& c : cases) {
        ByteSequence seq{99};
        EXPECT_TRUE(ParseCodes(c.text, seq)) << c.text;
        EXPECT_EQ(seq, c.expected) << c.text;
    }
}

TEST(ParseCodes, RefusedTextsLeaveTheSequenceUnchanged) {
    for (const char* text :
         {"256", "0x0D", "-1", "13,A", "1.5", "13\t10", "99999999999999999999"}) {
        ByteSequence seq{7, 8};
        EXPECT_FALSE(ParseCodes(text, seq)) << text;
        EXPECT_EQ(seq, (ByteSequence{7, 8})) << text;
    }
}

TEST(FormatCodes, JoinsWithCommas) {
    EXPECT_EQ(FormatCodes({10, 13}), "10,13");
    EXPECT_EQ(FormatCodes({}), "");
    EXPECT_EQ(FormatCodes({0, 255}), "0,255");
}

TEST(PortConfigDefaults, AsShipped) {
    TRANSFER_CONFIG_RECEIVE receive;
    EXPECT_EQ(receive.m_bReplaceEol, 1);
    EXPECT_EQ(FormatCodes(receive.m_eolReplace), "10,13");
    EXPECT_EQ(receive.m_bSkipNonPrintable, 1);
    EXPECT_TRUE(receive.m_eolRecognize.empty());

    TRANSFER_CONFIG_SEND send;
    EXPECT_TRUE(send.m_eolReplace.empty() && send.m_header.empty() && send.m_trailer.empty());
    EXPECT_EQ(
        send.m_bSkipNonPrintable + send.m_bReplaceEol + send.m_bCheckPercent + send.m_nSkipComments,
        0);

    // Restore Default brings a changed direction back to exactly these values.
    for (TRANSFER_CONFIG* changed :
         {static_cast<TRANSFER_CONFIG*>(&receive), static_cast<TRANSFER_CONFIG*>(&send)}) {
        changed->m_eolRecognize = {30};
        changed->m_bRecognizeEol = changed->m_bCheckPercent = changed->m_bSkipEmptyLines = 1;
        changed->m_eolReplace = {13};
        changed->m_bReplaceEol = 1 - changed->m_bReplaceEol;
        changed->m_header = changed->m_trailer = {37};
        changed->m_nDelaySeconds = 65;
        changed->m_strFolder = "/nc";
        changed->m_nSkipComments = 7;
        changed->m_bSkipNonPrintable = 1 - changed->m_bSkipNonPrintable;
        changed->m_bSkipLineNumbers = 1;
        changed->SetDefault();
    }
    EXPECT_EQ(receive, TRANSFER_CONFIG_RECEIVE());
    EXPECT_EQ(send, TRANSFER_CONFIG_SEND());

    CPortConfig config;
    EXPECT_EQ(config.m_strName, "New Config");
    EXPECT_EQ(config.m_port.m_dwBaudRate, 9600u);
    EXPECT_EQ(config.m_port.m_nFlowControl, 1);
    EXPECT_EQ(config.m_port.m_chXon, 17);
    EXPECT_EQ(config.m_port.m_chXoff, 19);
    EXPECT_EQ(FormatPortSettings(config.m_port), "9600 8-N-1");
    config.m_port.m_byParity = 2;
    config.m_port.m_byStopBits = 1;
    config.m_port.m_byDataBits = 7;
    EXPECT_EQ(FormatPortSettings(config.m_port), "9600 7-E-1.5");
    config.m_port.m_byParity = 9;
    config.m_port.m_byStopBits = 2;
    EXPECT_EQ(FormatPortSettings(config.m_port), "9600 7-N-2");
}

TEST(PortConfigCopy, LeavesReservedValuesAndCopiesFiles) {
    CPortConfig source;
    source.m_strName = "Lathe";
    source.m_arrFiles = {"/a/O1000.nc"};
    source.m_port.m_dwBaudRate = 4800;
    source.m_send.m_bSkipLineNumbers = 1;
    source.m_send.m_dwReserved = 77;
    source.m_receive.m_byReserved2 = 5;
    CPortConfig target;
    target.m_arrFiles = {"/x", "/y"};
    target.Copy(source);
    EXPECT_EQ(target.m_strName, "Lathe");
    EXPECT_EQ(target.m_arrFiles, source.m_arrFiles);
    EXPECT_EQ(target.m_port, source.m_port);
    EXPECT_EQ(target.m_send.m_bSkipLineNumbers, 1);
    EXPECT_EQ(target.m_send.m_dwReserved, 0u);
    EXPECT_EQ(target.m_receive.m_byReserved2, 0);
}

TEST(Validation, NamesAreUniqueRegardlessOfCase) {
    CSettings settings;
    auto lathe = std::make_unique<CPortConfig>();
    lathe->m_strName = "Lathe";
    settings.Add(std::move(lathe));

    EXPECT_EQ(settings.ValidateName("", "", true)->message, kMsgNameMissing);
    auto taken = settings.ValidateName("LATHE", "", true);
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->message, "Configuration with this name already exist.\nEnter another name.");
    EXPECT_EQ(taken->field, ConfigField::Name);
    EXPECT_FALSE(settings.ValidateName("lathe", "Lathe", false));  // renaming itself
    EXPECT_TRUE(settings.ValidateName("lathe", "Mill", false));    // renaming another onto it
    EXPECT_FALSE(settings.ValidateName("Mill", "", true));
    EXPECT_EQ(settings.FindByName("lAtHe"), settings.GetAt(0));

    auto umlaut = std::make_unique<CPortConfig>();
    umlaut->m_strName = "Drehbank Ä";
    settings.Add(std::move(umlaut));
    EXPECT_TRUE(settings.ValidateName("DREHBANK ä", "", true));
}

TEST(Validation, DirectionTextsInOrder) {
    struct Case {
        TransferTexts texts;
        const char* message;  // nullptr: passes
        ConfigField field;
    } cases[] = {
        {{"13", "10", false, "", ""}, nullptr, ConfigField::Name},
        {{"x", "y", true, "", "q"}, kMsgWrongHeader, ConfigField::Header},
        {{"", "y", true, "", "q"}, kMsgWrongTrailer, ConfigField::Trailer},
        {{"", "", true, "", "q"}, kMsgEolMissing, ConfigField::EolRecognize},
        {{"", "", true, ",", ""}, kMsgEolMissing, ConfigField::EolRecognize},
        {{"", "", true, "13,x", ""}, kMsgWrongEol, ConfigField::EolRecognize},
        {{"", "", false, "300", ""}, kMsgWrongEol, ConfigField::EolRecognize},
        {{"", "", true, "13", "q"}, kMsgWrongEol, ConfigField::EolReplace},
        {{"2", "3", true, "13", "13,10"}, nullptr, ConfigField::Name},
    };
    for (const Case& c : cases) {
        const auto failure = ValidateTransferTexts(c.texts);
        if (!c.message) {
            EXPECT_FALSE(failure) << failure->message;
            continue;
        }
        ASSERT_TRUE(failure) << c.message;
        EXPECT_EQ(failure->message, c.message);
        EXPECT_EQ(failure->field, c.field);
    }
}
