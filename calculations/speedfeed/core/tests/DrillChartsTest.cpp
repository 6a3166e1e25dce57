#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "calc/TestCalcEnv.h"
#include "speedfeed/DrillCharts.h"

namespace calc {
namespace {

const std::vector<DrillChart>& Charts() {
    static const std::vector<DrillChart> charts = ParseDrillCharts(DrillChartLines());
    return charts;
}

// The row name before the padding dashes: "#0-80UNF Tap-------Drill 3/64" -> "#0-80UNF Tap".
std::string NameOf(const std::string& text) {
    std::string name = text.substr(0, text.rfind("Drill "));
    while (!name.empty() && name.back() == '-') name.pop_back();
    return name;
}
// "Drill 3/64" -> "3/64".
std::string DrillOf(const std::string& text) {
    return text.substr(text.rfind("Drill ") + 6);
}

double Fraction(const std::string& text) {
    const auto slash = text.find('/');
    return std::atof(text.c_str()) / std::atof(text.c_str() + slash + 1);
}

// Decimal size of a drill written as in the charts: "#53", "F", "3/64", "1-25/32", "12.1mm".
double DrillSize(const std::string& drill) {
    static const std::map<std::string, double> sizes = [] {
        std::map<std::string, double> out;
        for (const SpeedFeedEntry& e : Charts()[0].entries) {
            const std::string size = e.Text.substr(7, e.Text.find(' ', 7) - 7);
            out[size] = std::atof(e.Value.c_str());
        }
        return out;
    }();
    if (drill.ends_with("mm")) return std::atof(drill.c_str()) / 25.4;
    if (const auto it = sizes.find(drill); it != sizes.end()) return it->second;
    const auto dash = drill.find('-');
    if (dash != std::string::npos)
        return std::atof(drill.c_str()) + Fraction(drill.substr(dash + 1));
    if (drill.find('/') != std::string::npos) return Fraction(drill);
    return std::atof(drill.c_str());
}

TEST(DrillChartData, FourChartsWithTheirRowCounts) {
    EXPECT_EQ(DrillChartLines().size(), 361u);
    ASSERT_EQ(Charts().size(), 4u);
    const struct {
        const char* name;
        std::size_t rows;
    } expected[] = {
        {"Decimal equivalents of Inch drills (inch)", 168},
        {"Unified tapping drills (inch)", 86},
        {"Taper pipe tapping drills (inch)", 12},
        {"ISO Metric tapping drills (MM)", 91},
    };
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Charts()[i].name, expected[i].name);
        EXPECT_EQ(Charts()[i].entries.size(), expected[i].rows);
    }
}

TEST(DrillChartData, KeepsTheWellKnownRows) {
    const struct {
        int chart;
        int position;  // from 1
        const char* text;
        const char* value;
    } rows[] = {
        {0, 1, "Drill: #80 ------Decimal: .0135", ".0135"},
        {0, 168, "Drill: 63/64 ----Decimal: .9844", ".9844"},
        {1, 1, "#0-80UNF Tap-------Drill 3/64", ".0469"},
        {1, 2, "#0-80UNF RollTap---Drill #54", ".055"},
        {1, 3, "#1-64UNC Tap-------Drill #53", ".0595"},
        {1, 86, "2-4.5UNC Tap-------Drill 1-25/32", "1.7812"},
        {3, 1, "M1.6 X 0.35 Tap------Drill 1.25", "1.25"},
        {3, 91, "M39 X 4.00 Tap-------Drill 35.00", "35.00"},
    };
    for (const auto& r : rows) {
        const SpeedFeedEntry& e = Charts()[r.chart].entries[r.position - 1];
        EXPECT_EQ(e.Text, r.text);
        EXPECT_EQ(e.Value, r.value);
    }
    const struct {
        int chart;
        const char* text;
        const char* value;
    } anywhere[] = {
        {0, "Drill: 1/64 -----Decimal: .0156", ".0156"},
        {0, "Drill: A --------Decimal: .2340", ".2340"},
        {0, "Drill: 15/32 ----Decimal: .4687", ".4687"},
        {0, "Drill: 31/64 ----Decimal: .4844", ".4844"},
        {1, "1/2-20UNF RollTap--Drill 12.1mm", "0.4764"},
        {1, "9/16-12UNC Tap-----Drill 31/64", "0.4844"},
        {3, "M4 X 0.70 Tap--------Drill 3.30", "3.30"},
        {3, "M4 X 0.70 RollTap----Drill 3.70", "3.70"},
        {3, "M10 X 1.50 Tap-------Drill 8.50", "8.50"},
        {3, "M14 X 1.25 Tap-------Drill 12.75", "12.75"},
        {3, "M14 X 1.50 Tap-------Drill 12.50", "12.50"},
        // The standard tapping drills of the published metric charts (ISO 2306 and the
        // tap makers' charts), not the diameter minus the pitch.
        {3, "M8 X 1.25 Tap--------Drill 6.80", "6.80"},
        {3, "M9 X 1.25 Tap--------Drill 7.80", "7.80"},
        {3, "M10 X 1.25 Tap-------Drill 8.80", "8.80"},
        {3, "M12 X 1.25 Tap-------Drill 10.80", "10.80"},
        {3, "M12 X 1.75 Tap-------Drill 10.20", "10.20"},
    };
    for (const auto& r : anywhere) {
        bool found = false;
        for (const SpeedFeedEntry& e : Charts()[r.chart].entries) {
            if (e.Text == r.text) {
                found = true;
                EXPECT_EQ(e.Value, r.value) << r.text;
            }
        }
        EXPECT_TRUE(found) << r.text;
    }
}

TEST(DrillChartData, DecimalEquivalentsAreTheStandardSizesInIncreasingOrder) {
    const auto& rows = Charts()[0].entries;
    std::map<int, double> number;
    std::map<char, double> letter;
    int fractions = 0;
    double last = 0;
    for (const SpeedFeedEntry& e : rows) {
        SCOPED_TRACE(e.Text);
        ASSERT_TRUE(e.Text.starts_with("Drill: "));
        EXPECT_EQ(e.Text.find("Decimal: "), 17u);  // the dashes pad to one column
        EXPECT_TRUE(e.Text.ends_with("Decimal: " + e.Value));
        EXPECT_EQ(e.Value.size(), 5u);  // ".dddd"
        const double value = std::atof(e.Value.c_str());
        EXPECT_GE(value, last);
        last = value;
        const std::string size = e.Text.substr(7, e.Text.find(' ', 7) - 7);
        if (size[0] == '#') {
            number[std::atoi(size.c_str() + 1)] = value;
        } else if (size.find('/') != std::string::npos) {
            ++fractions;
            const double exact = Fraction(size);
            EXPECT_NEAR(value, exact, 0.00005 + 1e-12);
            EXPECT_EQ(std::round(exact * 64), exact * 64);
        } else {
            ASSERT_EQ(size.size(), 1u);
            letter[size[0]] = value;
        }
    }
    EXPECT_EQ(number.size(), 80u);
    EXPECT_EQ(letter.size(), 25u);
    EXPECT_EQ(letter.count('C'), 0u);
    EXPECT_EQ(fractions, 63);
    for (int n = 2; n <= 80; ++n) EXPECT_LT(number[n], number[n - 1]) << "#" << n;
    for (auto it = std::next(letter.begin()); it != letter.end(); ++it) {
        EXPECT_GT(it->second, std::prev(it)->second) << it->first;
    }
    // Independent spot checks against the drill gauge.
    EXPECT_DOUBLE_EQ(number[1], .2280);
    EXPECT_DOUBLE_EQ(number[7], .2010);
    EXPECT_DOUBLE_EQ(number[21], .1590);
    EXPECT_DOUBLE_EQ(number[29], .1360);
    EXPECT_DOUBLE_EQ(number[36], .1065);
    EXPECT_DOUBLE_EQ(number[43], .0890);
    EXPECT_DOUBLE_EQ(number[50], .0700);
    EXPECT_DOUBLE_EQ(number[54], .0550);
    EXPECT_DOUBLE_EQ(letter['F'], .2570);
    EXPECT_DOUBLE_EQ(letter['Q'], .3320);
    EXPECT_DOUBLE_EQ(letter['Z'], .4130);
}

TEST(DrillChartData, UnifiedRowsNameTheirThreadsInOrderAndTheirDrillsSize) {
    const std::vector<std::string> threads = {
        "#0-80UNF",   "#1-64UNC",   "#1-72UNF",   "#2-56UNC",   "#2-64UNF",   "#3-48UNC",
        "#3-56UNF",   "#4-40UNC",   "#4-48UNF",   "#5-40UNC",   "#5-44UNF",   "#6-32UNC",
        "#6-40UNF",   "#8-32UNC",   "#8-36UNF",   "#10-24UNC",  "#10-32UNF",  "#12-24UNC",
        "#12-28UNF",  "1/4-20UNC",  "1/4-28UNF",  "5/16-18UNC", "5/16-24UNF", "3/8-16UNC",
        "3/8-24UNF",  "7/16-14UNC", "7/16-20UNF", "1/2-13UNC",  "1/2-20UNF",  "9/16-12UNC",
        "9/16-18UNF", "5/8-11UNC",  "5/8-18UNF",  "3/4-10UNC",  "3/4-16UNF"};
    std::vector<std::string> expected;
    for (const std::string& t : threads) {
        expected.push_back(t + " Tap");
        expected.push_back(t + " RollTap");
    }
    for (const char* t : {"7/8-9UNC", "7/8-14UNF", "1- 8UNC", "1-12UNF", "1-14UNS", "1-1/8-7UNC",
                          "1-1/8-12UNF", "1-1/4-7UNC", "1-1/4-12UNF", "1-3/8-6UNC", "1-3/8-12UNF",
                          "1-1/2-6UNC", "1-1/2-12UNF", "1-3/4-5UNC", "1-3/4-16UNC", "2-4.5UNC"}) {
        expected.push_back(std::string(t) + " Tap");
    }
    const auto& rows = Charts()[1].entries;
    ASSERT_EQ(rows.size(), expected.size());
    double tapDrill = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const SpeedFeedEntry& e = rows[i];
        SCOPED_TRACE(e.Text);
        EXPECT_EQ(NameOf(e.Text), expected[i]);
        EXPECT_EQ(e.Text.find("Drill "), 19u);
        // The value is the decimal size of the drill the row names.
        EXPECT_NEAR(std::atof(e.Value.c_str()), DrillSize(DrillOf(e.Text)), 0.00005 + 1e-12);
        // A forming tap needs a larger hole than a cutting tap of the same thread.
        if (expected[i].ends_with(" Tap")) tapDrill = std::atof(e.Value.c_str());
        if (expected[i].ends_with("RollTap")) {
            EXPECT_GT(std::atof(e.Value.c_str()), tapDrill);
        }
    }
}

TEST(DrillChartData, TaperPipeRowsAsListed) {
    const char* expected[][2] = {
        {"1/16-27NPT Tap------Drill D", "0.246"},
        {"1/8-27NPT Tap-------Drill R", "0.339"},
        {"1/4-18NPT Tap-------Drill 7/16", "0.4375"},
        {"3/8-18NPT Tap-------Drill 37/64", "0.5781"},
        {"1/2-14NPT Tap-------Drill 23/32", "0.7188"},
        {"3/4-14NPT Tap-------Drill 59/64", "0.9219"},
        {"1-11.5NPT Tap-------Drill 1-5/32", "1.1562"},
        {"1-1/4-11.5NPT Tap---Drill 1-1/2", "1.5"},
        {"1-1/2-11.5NPT Tap---Drill 1-47/64", "1.7344"},
        {"2-11.5NPT Tap-------Drill 2-7/32", "2.2188"},
        {"2-1/2-8NPT Tap------Drill 2-5/8", "2.625"},
        {"3-8NPT Tap----------Drill 3-1/4", "3.25"},
    };
    const auto& rows = Charts()[2].entries;
    ASSERT_EQ(rows.size(), 12u);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(rows[i].Text, expected[i][0]);
        EXPECT_EQ(rows[i].Value, expected[i][1]);
    }
}

TEST(DrillChartData, MetricTapDrillsAreTheStandardDrills) {
    // Where ISO 2306 and the tap makers' charts give a standard drill that is not the
    // diameter minus the pitch.
    const std::map<std::string, double> standard = {{"M8 X 1.25", 6.80},
                                                    {"M9 X 1.25", 7.80},
                                                    {"M10 X 1.25", 8.80},
                                                    {"M12 X 1.25", 10.80},
                                                    {"M12 X 1.75", 10.20}};
    const auto& rows = Charts()[3].entries;
    for (const SpeedFeedEntry& e : rows) {
        SCOPED_TRACE(e.Text);
        EXPECT_EQ(e.Text.find("Drill "), 21u);
        EXPECT_EQ(DrillOf(e.Text), e.Value);
        const double major = std::atof(e.Text.c_str() + 1);
        const double pitch = std::atof(e.Text.c_str() + e.Text.find(" X ") + 3);
        const double drill = std::atof(e.Value.c_str());
        ASSERT_EQ(e.Value.size() - e.Value.find('.'), 3u);  // two decimals
        if (NameOf(e.Text).ends_with("RollTap")) {
            // Forming taps: about half the pitch off the major diameter.
            EXPECT_NEAR(drill, major - 0.442 * pitch, 0.025 + 1e-9);
        } else if (auto it = standard.find(e.Text.substr(0, e.Text.find(" Tap")));
                   it != standard.end()) {
            EXPECT_NEAR(drill, it->second, 1e-9);
        } else {
            EXPECT_NEAR(drill, major - pitch, 1e-9);
        }
    }
}

TEST(DrillChartParser, FollowsTheLineRules) {
    const std::vector<std::string> lines = {
        "orphan; 1.0",
        "",
        "'[Commented chart]",
        "[First] trailing text",
        "  Row one  ;  .0135  ",
        "a line with neither",
        "#1-64UNC Tap-------Drill #53;  .0595",
        ";.5",
        "ends here;",
        "x [Second open",
        "a;b;c",
    };
    const auto charts = ParseDrillCharts(lines);
    ASSERT_EQ(charts.size(), 2u);
    EXPECT_EQ(charts[0].name, "First");
    EXPECT_EQ(charts[0].entries,
              (std::vector<SpeedFeedEntry>{{"Row one", ".0135"},
                                           {"#1-64UNC Tap-------Drill #53", ".0595"},
                                           {"", ".5"},
                                           {"ends here", "0"}}));
    EXPECT_EQ(charts[1].name, "Second open");
    EXPECT_EQ(charts[1].entries, (std::vector<SpeedFeedEntry>{{"a", "b;c"}}));
}

// A screen stand-in that records the unit switches.
struct FakeHost : IDrillChartHost {
    bool metric = false;
    int toMetric = 0;
    int toInch = 0;
    bool MetricSelected() const override { return metric; }
    void SwitchToMetric() override {
        metric = true;
        ++toMetric;
    }
    void SwitchToInch() override {
        metric = false;
        ++toInch;
    }
};

const char* const kAskMetric =
    "You have chosen a metric drill list. Would you like these calculations to switch to "
    "metric mode?";
const char* const kAskInch =
    "You have chosen an Inch drill list. Would you like these calculations to switch to Inch "
    "mode?";

class DrillChartChoice : public ::testing::Test {
protected:
    DrillChartChoice() { t.SetLanguage("English"); }
    TestCalcEnv t;
    FakeHost host;
    DrillChartBook book{ParseDrillCharts(DrillChartLines())};
};

TEST_F(DrillChartChoice, FirstInchChartOnAnInchScreenAsksNothing) {
    const ChartChoice choice = book.ChooseChart(0, t.env, host);
    EXPECT_TRUE(t.messages.Empty());
    EXPECT_EQ(choice.shownPosition, 0);
    EXPECT_TRUE(choice.listEnabled);
    ASSERT_EQ(choice.rowTexts.size(), 169u);
    EXPECT_EQ(choice.rowTexts[0], "Select a Drill");
    EXPECT_EQ(choice.rowTexts[1], "Drill: #80 ------Decimal: .0135");
    EXPECT_EQ(book.PreviousName(), "Decimal equivalents of Inch drills (inch)");
}

TEST_F(DrillChartChoice, MetricChartOnAnInchScreenAsksOnceAndFollowsTheAnswer) {
    const struct {
        MsgAnswer answer;
        bool metricAfter;
        int shown;
        std::size_t rows;
    } cases[] = {
        {MsgAnswer::Yes, true, 3, 92},
        {MsgAnswer::No, false, 3, 92},
        {MsgAnswer::Cancel, false, 0, 169},
    };
    for (const auto& c : cases) {
        TestCalcEnv env;
        env.SetLanguage("English");
        FakeHost inch;
        DrillChartBook charts{ParseDrillCharts(DrillChartLines())};
        charts.ChooseChart(0, env.env, inch);
        env.messages.QueueAnswer(c.answer);
        const ChartChoice choice = charts.ChooseChart(3, env.env, inch);
        EXPECT_EQ(env.messages.Texts(), std::vector<std::string>{kAskMetric});
        EXPECT_TRUE(env.messages.Last().question);
        EXPECT_EQ(inch.metric, c.metricAfter);
        EXPECT_EQ(inch.toMetric, c.metricAfter ? 1 : 0);
        EXPECT_EQ(choice.shownPosition, c.shown);
        EXPECT_EQ(charts.CurrentPosition(), c.shown);
        EXPECT_EQ(choice.rowTexts.size(), c.rows);
        EXPECT_EQ(charts.PreviousName(), charts.Charts()[c.shown].name);
    }
}

TEST_F(DrillChartChoice, InchChartOnAMetricScreenAsksToSwitchToInch) {
    book.ChooseChart(3, t.env, host);  // answered Yes: the screen is metric now
    ASSERT_TRUE(host.metric);
    t.messages.Clear();
    t.messages.QueueAnswer(MsgAnswer::Cancel);
    ChartChoice choice = book.ChooseChart(1, t.env, host);
    EXPECT_EQ(t.messages.Texts(), std::vector<std::string>{kAskInch});
    EXPECT_EQ(choice.shownPosition, 3);
    EXPECT_TRUE(host.metric);

    t.messages.QueueAnswer(MsgAnswer::Yes);
    choice = book.ChooseChart(1, t.env, host);
    EXPECT_FALSE(host.metric);
    EXPECT_EQ(host.toInch, 1);
    EXPECT_EQ(choice.shownPosition, 1);
    EXPECT_EQ(choice.rowTexts.size(), 87u);
}

TEST_F(DrillChartChoice, DrillPickGivesTheValueWhateverTheUnitAnswer) {
    host.metric = true;
    t.messages.QueueAnswer(MsgAnswer::No);
    book.ChooseChart(0, t.env, host);
    t.messages.Clear();
    t.messages.QueueAnswer(MsgAnswer::No);
    EXPECT_EQ(book.PickDrill(1, t.env, host), ".0135");
    EXPECT_EQ(t.messages.Texts(), std::vector<std::string>{kAskInch});
    EXPECT_TRUE(host.metric);

    t.messages.Clear();
    t.messages.QueueAnswer(MsgAnswer::Yes);
    EXPECT_EQ(book.PickDrill(0, t.env, host), std::nullopt);  // the prompt row
    EXPECT_FALSE(host.metric);

    // The metric chart on an inch screen: no question, the millimetre value.
    t.messages.Clear();
    t.messages.QueueAnswer(MsgAnswer::No);
    book.ChooseChart(3, t.env, host);
    t.messages.Clear();
    EXPECT_EQ(book.PickDrill(20, t.env, host), "3.70");
    EXPECT_TRUE(t.messages.Empty());
    EXPECT_EQ(book.PickDrill(92, t.env, host), std::nullopt);
}

TEST(DrillChartChoiceRules, WithoutAStoredLanguageTheDesktopsLanguageAsks) {
    TestCalcEnv t;
    t.env.desktopLanguage = Language::German;
    FakeHost host;
    DrillChartBook book{ParseDrillCharts(DrillChartLines())};
    book.ChooseChart(0, t.env, host);
    t.messages.QueueAnswer(MsgAnswer::Yes);
    book.ChooseChart(3, t.env, host);
    ASSERT_EQ(t.messages.Count(), 1u);
    EXPECT_EQ(t.messages.Last().text,
              "Sie haben eine metrische Bohrerliste gewählt. Sollen diese Berechnungen auf "
              "metrisch umgestellt werden?");
    EXPECT_TRUE(host.metric);
}

TEST(DrillChartChoiceRules, AnEmptyChartSwitchesTheDrillListOff) {
    TestCalcEnv t;
    t.SetLanguage("English");
    FakeHost host;
    DrillChartBook book{ParseDrillCharts({"[Full (inch)]", "a; 1", "[Empty (MM)]"})};
    book.ChooseChart(0, t.env, host);
    const ChartChoice choice = book.ChooseChart(1, t.env, host);
    EXPECT_FALSE(choice.listEnabled);
    EXPECT_TRUE(choice.rowTexts.empty());
    EXPECT_TRUE(t.messages.Empty());
    EXPECT_EQ(book.PreviousName(), "Full (inch)");
    EXPECT_EQ(book.PickDrill(1, t.env, host), std::nullopt);
}

}  // namespace
}  // namespace calc
