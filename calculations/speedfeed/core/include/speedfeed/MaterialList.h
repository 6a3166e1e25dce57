#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The materials surface-speed list: a fixed table of rows
// "description, HSS:speed" / "description, Carbide:speed" (feet per minute), and what the
// materials screen does with them. No Qt.
namespace calc {

inline constexpr int kMaterialRowCount = 322;

// The rows in the order the list shows them (a fresh copy: the search lowers rows).
std::vector<std::string> MaterialRows();

// What picking a row shows.
struct MaterialPick {
    std::string name;  // the text before the first ":" followed by ": "
    std::string fpm;   // the text after the first ":"
    std::string mpm;   // fpm in metres per minute, 2 places at most ("#0.0#")
    bool operator==(const MaterialPick&) const = default;
};

// Nothing for a row without ":".
std::optional<MaterialPick> PickMaterialRow(std::string_view row);

// Feet per minute (any number text) in metres per minute with FormatDecimals and 2 places.
std::string FeetToMetresPerMinuteText(std::string_view fpmText);

// The search text as the screen rewrites it: lower case, and "aluminium" whenever it
// contains "aluminum" (the table spells the metal "Aluminium").
std::string NormaliseMaterialSearch(std::string_view text);

// Scans `rows` from the first, lowering each row examined, and stops at the first that
// contains `needle` (already normalised). Returns its index, or -1 when no row has it
// (every row is then lower case).
int SearchMaterialRows(std::vector<std::string>& rows, std::string_view needle);

// "'" + needle + "' not found."
std::string MaterialNotFoundText(std::string_view needle);

}  // namespace calc
