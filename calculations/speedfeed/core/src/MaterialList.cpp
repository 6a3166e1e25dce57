#include "speedfeed/MaterialList.h"

#include <algorithm>

#include "TextLines.h"
#include "calc/Numeric.h"

namespace calc {
namespace {

constexpr std::string_view kMaterialText =
#include "MaterialList.inc"
    ;

std::string LowerAscii(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return out;
}

}  // namespace

std::vector<std::string> MaterialRows() {
    return SplitLines(kMaterialText);
}

std::optional<MaterialPick> PickMaterialRow(std::string_view row) {
    const auto colon = row.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    MaterialPick pick;
    pick.name = std::string(row.substr(0, colon)) + ": ";
    pick.fpm = std::string(row.substr(colon + 1));
    pick.mpm = FeetToMetresPerMinuteText(pick.fpm);
    return pick;
}

std::string FeetToMetresPerMinuteText(std::string_view fpmText) {
    return FormatDecimals(DoubleToText15(ParseNumberText(fpmText) / kFeetPerMetre), 2);
}

std::string NormaliseMaterialSearch(std::string_view text) {
    std::string lowered = LowerAscii(text);
    if (lowered.find("aluminum") != std::string::npos) return "aluminium";
    return lowered;
}

int SearchMaterialRows(std::vector<std::string>& rows, std::string_view needle) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i] = LowerAscii(rows[i]);
        if (rows[i].find(needle) != std::string::npos) return static_cast<int>(i);
    }
    return -1;
}

std::string MaterialNotFoundText(std::string_view needle) {
    return "'" + std::string(needle) + "' not found.";
}

}  // namespace calc
