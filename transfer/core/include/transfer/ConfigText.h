#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "transfer/PortConfig.h"

namespace sendrik {

// The text form of configurations: a "[NAME]" section each, then one "key = value" a line.
// Lines whose first character (after blanks) is "#" or ";" are comments; blank lines are
// ignored; keys and word values are case-insensitive. A key a section leaves out keeps the
// value of a new configuration. The keys are listed, with their values, by
// ConfigTextKeyReference().

// One configuration as a section, ending with a newline.
std::string FormatConfigSection(const CPortConfig& config);
// The sections, separated by blank lines, after a comment line that names the format.
std::string FormatConfigText(const std::vector<const CPortConfig*>& configs);

// Why a value or a key was refused.
struct ConfigKeyError {
    std::string key;      // as written
    std::string problem;  // "unknown key", "bad value \"9\": wants 5 to 8", ...
};

// Sets the field `key` names from `value` (the text after "=", blanks around it removed).
// "file" adds to the end of the file list. Returns false and fills `error` when the key
// is unknown or the value is bad; the configuration is then unchanged.
bool SetConfigKey(CPortConfig& config, std::string_view key, std::string_view value,
                  ConfigKeyError& error);

// The checks that concern several keys together (a custom line end switched on needs its
// codes). Empty when the configuration is sound.
std::optional<ConfigKeyError> CheckConfigFields(const CPortConfig& config);

struct ConfigTextResult {
    std::vector<std::unique_ptr<CPortConfig>> configs;
    std::string error;  // "FILE:LINE: ..." for the first fault; empty when there is none
    int errorLine = 0;
};

// Reads a whole text. Stops at the first fault: an unknown key, a bad value, a key given
// twice in a section, a section name given twice (regardless of case) or empty, or a line
// that is neither. `fileName` starts the error text.
ConfigTextResult ParseConfigText(std::string_view text, std::string_view fileName);

// The keys and their values, one a line, for the help texts.
std::string ConfigTextKeyReference();

}  // namespace sendrik
