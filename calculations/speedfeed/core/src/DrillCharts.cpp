#include "speedfeed/DrillCharts.h"

#include "TextLines.h"
#include "calc/LocalText.h"

namespace calc {
namespace {

constexpr std::string_view kChartText =
#include "DrillCharts.inc"
    ;

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

}  // namespace

std::vector<std::string> DrillChartLines() {
    return SplitLines(kChartText);
}

std::vector<DrillChart> ParseDrillCharts(const std::vector<std::string>& lines) {
    std::vector<DrillChart> charts;
    for (const std::string& line : lines) {
        if (line.empty() || line.front() == '\'') continue;
        const auto bracket = line.find('[');
        if (bracket != std::string::npos) {
            const auto close = line.find(']', bracket + 1);
            const auto length =
                close == std::string::npos ? std::string::npos : close - bracket - 1;
            charts.push_back(DrillChart{line.substr(bracket + 1, length), {}});
            continue;
        }
        const auto semicolon = line.find(';');
        if (semicolon == std::string::npos || charts.empty()) continue;
        SpeedFeedEntry entry;
        entry.Text = std::string(Trim(std::string_view(line).substr(0, semicolon)));
        const std::string_view value = Trim(std::string_view(line).substr(semicolon + 1));
        if (!value.empty()) entry.Value = std::string(value);
        charts.back().entries.push_back(std::move(entry));
    }
    return charts;
}

int DrillChartBook::PositionOfName(const std::string& name) const {
    for (std::size_t i = 0; i < charts_.size(); ++i) {
        if (charts_[i].name == name) return static_cast<int>(i);
    }
    return -1;
}

ChartChoice DrillChartBook::ChooseChart(int position, const CalcEnv& env, IDrillChartHost& host) {
    ChartChoice choice;
    choice.shownPosition = position;
    if (position < 0 || position >= static_cast<int>(charts_.size())) {
        current_ = -1;
        return choice;
    }
    current_ = position;
    if (charts_[position].entries.empty()) return choice;

    const std::string& name = charts_[position].name;
    MsgAnswer answer = MsgAnswer::None;
    if (Contains(name, "(MM)") && !host.MetricSelected()) {
        answer = AskSwitchToMetric(env);
        if (answer == MsgAnswer::Yes) host.SwitchToMetric();
    } else {
        const std::string suffix = TextInchSuffix(env);
        if (!suffix.empty() && Contains(name, suffix) && host.MetricSelected()) {
            answer = AskSwitchToInch(env);
            if (answer == MsgAnswer::Yes) host.SwitchToInch();
        }
    }
    if (answer == MsgAnswer::Cancel) {
        // Back to the chart the machinist had; nothing to go back to keeps this one.
        const int previous = PositionOfName(previousName_);
        if (previous >= 0) {
            choice.shownPosition = previous;
            current_ = previous;
        }
    }

    const std::string& shownName = charts_[choice.shownPosition].name;
    if (shownName != previousName_) previousName_ = shownName;

    choice.listEnabled = true;
    choice.rowTexts.push_back(kSelectDrillPrompt);
    for (const SpeedFeedEntry& entry : charts_[current_].entries) {
        choice.rowTexts.push_back(entry.Text);
    }
    return choice;
}

void DrillChartBook::CheckDrillUnit(const CalcEnv& env, IDrillChartHost& host) {
    if (current_ < 0) return;
    // The drill pick tests the fixed English suffix, whatever the language.
    if (Contains(charts_[current_].name, "(inch)") && host.MetricSelected()) {
        if (AskSwitchToInch(env) == MsgAnswer::Yes) host.SwitchToInch();
    }
}

std::optional<std::string> DrillChartBook::PickDrill(int rowPosition, const CalcEnv& env,
                                                     IDrillChartHost& host) {
    CheckDrillUnit(env, host);
    if (current_ < 0 || rowPosition < 1) return std::nullopt;
    const auto& entries = charts_[current_].entries;
    if (rowPosition > static_cast<int>(entries.size())) return std::nullopt;
    return entries[rowPosition - 1].Value;
}

}  // namespace calc
