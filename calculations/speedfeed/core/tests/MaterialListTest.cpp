#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "speedfeed/MaterialList.h"

namespace calc {
namespace {

std::string GroupOf(const std::string& row) {
    return row.substr(0, row.find(','));
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The row without its tool and speed: "desc, HSS:140" and "desc,HSS:20" give "desc".
std::string DescriptionOf(const std::string& row) {
    std::string head = row.substr(0, row.find(':'));
    for (const char* tool : {"HSS", "Carbide"}) {
        const std::string t(tool);
        if (head.size() >= t.size() && head.compare(head.size() - t.size(), t.size(), t) == 0) {
            head.resize(head.size() - t.size());
        }
    }
    while (!head.empty() && (head.back() == ' ' || head.back() == ',')) head.pop_back();
    return head;
}

int SpeedOf(const std::string& row) {
    return std::atoi(row.c_str() + row.find(':') + 1);
}

TEST(MaterialTable, HasPairsOfHighSpeedSteelThenCarbideRows) {
    const auto rows = MaterialRows();
    ASSERT_EQ(rows.size(), 322u);
    for (std::size_t i = 0; i < rows.size(); i += 2) {
        const std::string& hss = rows[i];
        const std::string& carbide = rows[i + 1];
        SCOPED_TRACE(hss);
        EXPECT_EQ(std::count(hss.begin(), hss.end(), ':'), 1);
        EXPECT_EQ(std::count(carbide.begin(), carbide.end(), ':'), 1);
        EXPECT_NE(hss.find("HSS:"), std::string::npos);
        EXPECT_NE(carbide.find(", Carbide:"), std::string::npos);
        EXPECT_EQ(DescriptionOf(hss), DescriptionOf(carbide));
        for (const std::string* row : {&hss, &carbide}) {
            const std::string speed = row->substr(row->find(':') + 1);
            ASSERT_FALSE(speed.empty());
            EXPECT_TRUE(std::all_of(speed.begin(), speed.end(), ::isdigit)) << *row;
        }
        EXPECT_GT(SpeedOf(carbide), SpeedOf(hss));
    }
}

TEST(MaterialTable, GroupsComeInTheirOrderWithTheirRowCounts) {
    const std::vector<std::pair<std::string, int>> expected = {
        {"Plain carbon steel", 12},
        {"Alloy steel", 18},
        {"Ultra high strength steel", 10},
        {"Maraging steel", 4},
        {"Nitriding steel", 4},
        {"Tool steel", 44},
        {"High Speed Steel", 6},
        {"Free Machining Stainless (Ferritic)", 2},
        {"Free Machining Stainless (Austenitic)", 4},
        {"Free Machining Stainless (Martensitic)", 8},
        {"Stainless steel(Ferritic)", 2},
        {"Stainless steel(Austenitic)", 6},
        {"Stainless steel(Martensitic)", 20},
        {"Stainless steel(Precipitation Hardening)", 8},
        {"Grey Cast Iron", 14},
        {"Malleable Iron", 14},
        {"Ductile Iron", 10},
        {"Cast Steel", 24},
        {"Aluminium", 4},
        {"Aluminium Sand and Permanent Mould Casting Alloys (all)", 4},
        {"Aluminium Die Casting Alloys (all except Alloys 390.0 and 392.0)", 4},
        {"Aluminium Die Casting Alloys 390.0 and 392.0", 4},
        {"Wrought Magnesium Alloys (all)", 2},
        {"Cast Magnesium Alloys (all)", 2},
        {"Leaded Commercial Bronze", 2},
        {"Leaded Brass", 2},
        {"Medium Leaded Brass", 2},
        {"Free Cutting Brass", 2},
        {"Free Cutting Muntz Metal", 2},
        {"Forging Brass", 2},
        {"Architectural Bronze", 2},
        {"Leaded Naval Brass", 2},
        {"Free Cutting Phosphor Bronze", 2},
        {"Jewelry Bronze", 2},
        {"Red Brass", 2},
        {"Low Brass", 2},
        {"Cartridge Brass 70%", 2},
        {"Yellow Brass", 2},
        {"Muntz Metal", 2},
        {"Low Leaded Brass", 2},
        {"Leaded Muntz Metal", 2},
        {"Admiralty Brass (inhibited)", 2},
        {"Low Silicon Bronze", 2},
        {"High Silicon Bronze", 2},
        {"Manganese Bronze", 2},
        {"Aluminium Brass", 2},
        {"Nickel Silver", 4},
        {"Leaded Nickel Silver", 2},
        {"Oxygen Free Copper", 2},
        {"Electrolytic Tough Pitch Copper", 2},
        {"Electrolytic Deoxidized Copper", 2},
        {"Beryllium Copper", 2},
        {"Gilding 95%", 2},
        {"Copper Nickel", 2},
        {"Aluminium Bronze", 2},
        {"Titanium", 28},
    };
    std::vector<std::pair<std::string, int>> actual;
    for (const std::string& row : MaterialRows()) {
        const std::string group = GroupOf(row);
        if (actual.empty() || actual.back().first != group) actual.emplace_back(group, 0);
        ++actual.back().second;
    }
    EXPECT_EQ(actual, expected);
}

TEST(MaterialTable, KeepsTheWellKnownRowsCharacterForCharacter) {
    const auto rows = MaterialRows();
    EXPECT_EQ(rows.front(),
              "Plain carbon steel, B1111, AISI B1112, AISI B1113, 140-180Bhn, HSS:140");
    EXPECT_EQ(rows[1],
              "Plain carbon steel, B1111, AISI B1112, AISI B1113, 140-180Bhn, Carbide:650");
    EXPECT_EQ(rows.back(),
              "Titanium,Beta Alloys, 13%V-11%Cr-3%Al, 8%M0-8%V-2%Fe-3%Al, "
              "8%Al-8%V-6%Cr-4%Mo-4%Zr, 11.5%M0-6%Zr-4.5%Sn, 350-440Bhn, ST and A, Carbide:60");
    for (const char* quoted : {
             "Tool steel, AISI, H10, H11, H12, H13, H14, H19, 52-54HRC Q&T, HSS:0",
             "Aluminium, Wrought Alloys (all), CD, HSS:600",
             "Aluminium, Wrought Alloys (all), CD, Carbide:1200",
             "Wrought Magnesium Alloys (all), A CD ST and A, Carbide:2000",
             "Beryllium Copper, A CD, HSS:105",
             "Beryllium Copper, A CD, Carbide:215",
             "Leaded Brass, A CD, HSS:325",
         }) {
        EXPECT_NE(std::find(rows.begin(), rows.end(), quoted), rows.end()) << quoted;
    }
    // A few rows are written without a space before the tool.
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [](const std::string& row) {
        return row.ends_with(", ST and A,HSS:20");
    }));
    for (std::size_t i = 294; i < rows.size(); ++i) {
        EXPECT_TRUE(rows[i].starts_with("Titanium,Alpha and Alpha-Beta Alloys") ||
                    rows[i].starts_with("Titanium,Beta Alloys"))
            << rows[i];
    }
}

TEST(MaterialTable, MagnesiumIsTheFastestAndTheHotWorkSteelAloneHasNoHssSpeed) {
    const auto rows = MaterialRows();
    int fastest = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (SpeedOf(rows[i]) > SpeedOf(rows[fastest])) fastest = static_cast<int>(i);
        if (SpeedOf(rows[i]) == 0) {
            EXPECT_EQ(rows[i],
                      "Tool steel, AISI, H10, H11, H12, H13, H14, H19, 52-54HRC Q&T, HSS:0");
        }
    }
    EXPECT_EQ(rows[fastest], "Wrought Magnesium Alloys (all), A CD ST and A, Carbide:2000");
}

// Lower end of the row's hardness range in Brinell ("52-54HRC Q&T" reads about 484).
double HardnessOf(const std::string& segment) {
    const double low = std::atof(segment.c_str());
    return segment.find("HRC") != std::string::npos ? low * 9.3 : low;
}

TEST(MaterialTable, HarderConditionsOfOneGradeAreCutSlower) {
    // Rows whose description differs only in hardness and condition: the speeds fall as
    // the hardness rises, for both tools.
    std::map<std::string, std::vector<std::pair<double, std::pair<int, int>>>> series;
    const auto rows = MaterialRows();
    for (std::size_t i = 0; i < rows.size(); i += 2) {
        const std::string description = DescriptionOf(rows[i]);
        for (std::size_t pos = 0; (pos = description.find(", ", pos)) != std::string::npos;
             pos += 2) {
            const std::string rest = description.substr(pos + 2);
            const std::string segment = rest.substr(0, rest.find(','));
            if (segment.find("Bhn") != std::string::npos ||
                segment.find("HRC") != std::string::npos) {
                series[description.substr(0, pos)].push_back(
                    {HardnessOf(segment), {SpeedOf(rows[i]), SpeedOf(rows[i + 1])}});
                break;
            }
        }
    }
    int compared = 0;
    for (auto& [grade, points] : series) {
        std::sort(points.begin(), points.end());
        for (std::size_t i = 1; i < points.size(); ++i) {
            EXPECT_LE(points[i].second.first, points[i - 1].second.first) << grade;
            EXPECT_LE(points[i].second.second, points[i - 1].second.second) << grade;
            ++compared;
        }
    }
    EXPECT_GT(compared, 40);
}

TEST(MaterialPick, ShowsNameFeetAndMetresPerMinute) {
    const struct {
        const char* row;
        MaterialPick pick;
    } cases[] = {
        {"Plain carbon steel, B1111, AISI B1112, AISI B1113, 140-180Bhn, HSS:140",
         {"Plain carbon steel, B1111, AISI B1112, AISI B1113, 140-180Bhn, HSS: ", "140", "42.67"}},
        {"Beryllium Copper, A CD, HSS:105", {"Beryllium Copper, A CD, HSS: ", "105", "32.0"}},
        {"Aluminium, Wrought Alloys (all), CD, HSS:600",
         {"Aluminium, Wrought Alloys (all), CD, HSS: ", "600", "182.88"}},
        {"Tool steel, AISI, H10, H11, H12, H13, H14, H19, 52-54HRC Q&T, HSS:0",
         {"Tool steel, AISI, H10, H11, H12, H13, H14, H19, 52-54HRC Q&T, HSS: ", "0", "0.0"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PickMaterialRow(c.row), c.pick) << c.row;
    }
    EXPECT_EQ(PickMaterialRow("no speed here"), std::nullopt);
}

TEST(MaterialSearch, LowersTheTextAndSpellsAluminiumTheTableWay) {
    EXPECT_EQ(NormaliseMaterialSearch("BRASS"), "brass");
    EXPECT_EQ(NormaliseMaterialSearch("Aluminum Bronze"), "aluminium");
    EXPECT_EQ(NormaliseMaterialSearch("Aluminium Bronze"), "aluminium bronze");
    EXPECT_EQ(MaterialNotFoundText("brass x"), "'brass x' not found.");
}

TEST(MaterialSearch, StopsAtTheFirstMatchAndLowersTheRowsItPassed) {
    auto rows = MaterialRows();
    const auto original = MaterialRows();

    const int brass = SearchMaterialRows(rows, NormaliseMaterialSearch("BRASS"));
    ASSERT_GE(brass, 0);
    EXPECT_EQ(rows[brass], "leaded brass, a cd, hss:325");
    EXPECT_EQ(original[brass], "Leaded Brass, A CD, HSS:325");
    for (int i = 0; i <= brass; ++i) EXPECT_EQ(rows[i], Lower(original[i]));
    for (std::size_t i = brass + 1; i < rows.size(); ++i) EXPECT_EQ(rows[i], original[i]);

    rows = MaterialRows();
    const int aluminium = SearchMaterialRows(rows, NormaliseMaterialSearch("Aluminum Bronze"));
    ASSERT_GE(aluminium, 0);
    EXPECT_EQ(original[aluminium], "Aluminium, Wrought Alloys (all), CD, HSS:600");
    // Searching again starts at the top and finds the same row.
    EXPECT_EQ(SearchMaterialRows(rows, "aluminium"), aluminium);

    rows = MaterialRows();
    EXPECT_EQ(SearchMaterialRows(rows, "zzz"), -1);
    for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i], Lower(original[i]));
}

}  // namespace
}  // namespace calc
