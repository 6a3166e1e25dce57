#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/CalcEnv.h"

// The four drill charts of the speeds and feeds screen: their text lines, the parser
// that turns lines into charts, and the unit questions of choosing a chart and a drill.
namespace calc {

// One chart row: the row as listed and the diameter as text.
class SpeedFeedEntry {
public:
    std::string Text;
    std::string Value = "0";
    bool operator==(const SpeedFeedEntry&) const = default;
};

struct DrillChart {
    std::string name;
    std::vector<SpeedFeedEntry> entries;
};

inline constexpr int kDrillChartLineCount = 361;
inline constexpr const char* kSelectDrillPrompt = "Select a Drill";

// The chart source lines in load order (header, then its rows, for each chart).
std::vector<std::string> DrillChartLines();

// Empty lines and lines starting with "'" are skipped; a line with "[" starts a chart
// named by the text after the first "[" up to the next "]" (or the line's end); a line
// with ";" adds a row to the open chart (Text before the first ";", Value after it,
// both trimmed; an empty value stays "0"); entries before the first header and all other
// lines are ignored.
std::vector<DrillChart> ParseDrillCharts(const std::vector<std::string>& lines);

// What the screen around the charts offers to the chart logic.
class IDrillChartHost {
public:
    virtual ~IDrillChartHost() = default;
    virtual bool MetricSelected() const = 0;
    // Select the metric (inch) option and convert the screen's boxes once.
    virtual void SwitchToMetric() = 0;
    virtual void SwitchToInch() = 0;
};

// The outcome of choosing a chart.
struct ChartChoice {
    int shownPosition = -1;             // the chart the name list shows now
    bool listEnabled = false;           // false: the chart has no rows, the drill list is off
    std::vector<std::string> rowTexts;  // the drill list: the prompt, then each row's Text
};

// Charts, current chart and previous chart name of one speeds and feeds screen.
class DrillChartBook {
public:
    explicit DrillChartBook(std::vector<DrillChart> charts) : charts_(std::move(charts)) {}

    const std::vector<DrillChart>& Charts() const { return charts_; }
    int CurrentPosition() const { return current_; }
    const std::string& PreviousName() const { return previousName_; }

    // The machinist (or loading) chose the chart at `position`. Asks to switch units
    // when the chart's unit differs from the screen's; Cancel returns to the previous
    // chart.
    ChartChoice ChooseChart(int position, const CalcEnv& env, IDrillChartHost& host);

    // A row of the drill list was chosen: `rowPosition` is its position in the current
    // chart counted from 1, 0 for the prompt row. Asks to switch to inch for an inch
    // chart on a metric screen (the value is given whatever the answer), then gives the
    // diameter text for the diameter box; nothing for the prompt row or a position
    // outside the chart.
    std::optional<std::string> PickDrill(int rowPosition, const CalcEnv& env,
                                         IDrillChartHost& host);

    // The unit question of a drill pick alone (the prompt row).
    void CheckDrillUnit(const CalcEnv& env, IDrillChartHost& host);

private:
    int PositionOfName(const std::string& name) const;

    std::vector<DrillChart> charts_;
    int current_ = -1;
    std::string previousName_;
};

}  // namespace calc
