#include <gtest/gtest.h>

#include "TempTree.h"
#include "search/Criteria.h"
#include "search/Tokenizer.h"

namespace scarrow {
namespace {

using testing::TempTree;

TEST(ValidateCriteria, MessagesInOrderAndTheFieldToFocus) {
    TempTree tree;
    const std::string file = tree.Write("prog.nc", "G01");
    struct Case {
        std::int32_t extMode;
        std::string extensions;
        std::string folder;
        std::string message;
        CriteriaField field;
    };
    const Case cases[] = {
        {1, "", "", "File extension filter is not specified!", CriteriaField::Extensions},
        {0, "", "", "Initial folder is not specified!", CriteriaField::Folder},
        {1, "nc", "", "Initial folder is not specified!", CriteriaField::Folder},
        {0, "", tree.Path("none"), tree.Path("none") + " folder has not been found",
         CriteriaField::Folder},
        {0, "", file, file + " is not a folder", CriteriaField::Folder},
        {0, "", file + "/", file + " is not a folder", CriteriaField::Folder},
    };
    for (const Case& c : cases) {
        CSearchConfig criteria;
        criteria.m_nExtMode = c.extMode;
        criteria.m_strExtensions = c.extensions;
        criteria.m_strFolder = c.folder;
        const CriteriaCheck check = ValidateCriteria(criteria);
        EXPECT_FALSE(check.ok) << c.folder;
        EXPECT_EQ(check.message, c.message);
        EXPECT_EQ(check.field, c.field);
    }
}

TEST(ValidateCriteria, OneTrailingSlashGoesButTheRootStays) {
    TempTree tree;
    CSearchConfig criteria;
    criteria.m_strFolder = tree.Root().string() + "/";
    EXPECT_TRUE(ValidateCriteria(criteria).ok);
    EXPECT_EQ(criteria.m_strFolder, tree.Root().string());
    criteria.m_strFolder = "/";
    EXPECT_TRUE(ValidateCriteria(criteria).ok);
    EXPECT_EQ(criteria.m_strFolder, "/");
    criteria.m_strFolder = "//";
    EXPECT_TRUE(ValidateCriteria(criteria).ok);
    EXPECT_EQ(criteria.m_strFolder, "/");
}

TEST(Tokenizer, PiecesBetweenSeparators) {
    CTokenizer t;
    t.Tokenize("nc, TAP;;x.", ",. ;", false);
    EXPECT_EQ(t.Tokens(), (std::vector<std::string>{"nc", "", "TAP", "", "x"}));
    t.RemoveEmpty();
    EXPECT_EQ(t.Tokens(), (std::vector<std::string>{"nc", "TAP", "x"}));
    t.Tokenize(" a , b ,c", ",", true);
    EXPECT_EQ(t.Tokens(), (std::vector<std::string>{"a", "b", "c"}));
    t.Tokenize(",", ",", false);
    EXPECT_EQ(t.Tokens(), (std::vector<std::string>{""}));
    t.Tokenize("", ",", false);
    EXPECT_EQ(t.GetCount(), 0u);
}

TEST(ExtensionFilter, Table) {
    struct Case {
        std::string extensions;
        std::string path;
        bool passes;
    };
    const Case cases[] = {
        {"nc, TAP", "/cnc/PROG.NC", true},
        {"nc, TAP", "/cnc/prog.tap", true},
        {"nc, TAP", "/cnc/prog.tapx", false},
        {"nc, TAP", "/cnc/prog.old/readme", false},  // the extension is "old/readme"
        {"nc, TAP", "/cnc/readme", false},
        {"*", "/cnc/readme", true},
        {"*;nc", "/cnc/readme", false},
        {". ,;", "/cnc/readme", true},  // nothing kept: any extension
        {"old/readme", "/cnc/prog.old/readme", true},
    };
    for (const Case& c : cases) {
        CSearchConfig criteria;
        criteria.m_nExtMode = CSearchConfig::ExtList;
        criteria.m_strExtensions = c.extensions;
        EXPECT_EQ(PassesExtensionFilter(criteria, BuildExtensionList(criteria), c.path), c.passes)
            << c.extensions << " / " << c.path;
    }
    CSearchConfig any;
    any.m_strExtensions = "nc";
    EXPECT_TRUE(BuildExtensionList(any).empty());
    EXPECT_TRUE(PassesExtensionFilter(any, {}, "/cnc/prog.tap"));
}

TEST(DateFilter, DayBoundaries) {
    const CDateTime now = CDateTime::FromDate(2024, 3, 10, 0, 0, 1);
    const auto daysAgo = [&](int days, int hour) {
        return CDateTime(static_cast<double>(now.DayNumber() - days) + hour / 24.0);
    };
    struct Case {
        std::int32_t mode;
        int days;
        bool passes;
    };
    const Case cases[] = {
        {1, 0, true},      {1, 7, true},   {1, 8, false},  {1, -3, true},
        {2, 31, true},     {2, 32, false}, {3, 365, true}, {3, 366, false},
        {0, 100000, true}, {5, 0, false},  {-1, 0, false},
    };
    for (const Case& c : cases) {
        CSearchConfig criteria;
        criteria.m_nDateMode = c.mode;
        EXPECT_EQ(PassesDateFilter(criteria, daysAgo(c.days, 23), now), c.passes)
            << "mode " << c.mode << ", " << c.days << " days";
    }
    CSearchConfig range;
    range.m_nDateMode = CSearchConfig::DateRange;
    range.m_dateFrom = CDateTime::FromDate(2024, 3, 1, 23, 59, 59);
    range.m_dateTo = CDateTime::FromDate(2024, 3, 5);
    EXPECT_TRUE(PassesDateFilter(range, CDateTime::FromDate(2024, 3, 1, 0, 0, 1), now));
    EXPECT_TRUE(PassesDateFilter(range, CDateTime::FromDate(2024, 3, 5, 23, 59, 59), now));
    EXPECT_FALSE(PassesDateFilter(range, CDateTime::FromDate(2024, 2, 29, 23, 59, 59), now));
    EXPECT_FALSE(PassesDateFilter(range, CDateTime::FromDate(2024, 3, 6), now));
}

}  // namespace
}  // namespace scarrow
