#include "transfer/ConfigText.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <functional>
#include <set>

namespace sendrik {

namespace {

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// A decimal number of at most `max`, digits only.
bool ParseNumber(std::string_view text, std::uint64_t max, std::uint64_t& value) {
    if (text.empty() || text.size() > 12) return false;
    std::uint64_t v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || v > max) return false;
    value = v;
    return true;
}

bool ParseYesNo(std::string_view text, std::int32_t& flag) {
    const std::string word = Lower(text);
    if (word == "yes" || word == "true" || word == "on" || word == "1") {
        flag = 1;
        return true;
    }
    if (word == "no" || word == "false" || word == "off" || word == "0") {
        flag = 0;
        return true;
    }
    return false;
}

// Texts that would lose something written plainly (blanks at either end, control
// characters, a leading quote) are written in double quotes with C escapes.
bool NeedsQuotes(std::string_view s) {
    if (s.empty()) return false;
    if (IsBlank(s.front()) || IsBlank(s.back()) || s.front() == '"') return true;
    for (const char c : s)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
    return false;
}

std::string QuoteIfNeeded(std::string_view s) {
    if (!NeedsQuotes(s)) return std::string(s);
    std::string out = "\"";
    for (const char c : s) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (u < 0x20 || u == 0x7F) {
                    char hex[8];
                    std::snprintf(hex, sizeof hex, "\\x%02X", u);
                    out += hex;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// A plain text as it stands, or a quoted one with its escapes undone.
bool ParseText(std::string_view text, std::string& value, std::string& problem) {
    if (text.empty() || text.front() != '"') {
        value = std::string(text);
        return true;
    }
    std::string out;
    std::size_t i = 1;
    for (; i < text.size() && text[i] != '"'; ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) break;
        switch (text[i]) {
            case '"':
            case '\\':
                out += text[i];
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'x': {
                const int high = i + 1 < text.size() ? HexDigit(text[i + 1]) : -1;
                const int low = i + 2 < text.size() ? HexDigit(text[i + 2]) : -1;
                if (high < 0 || low < 0) {
                    problem = "\\x wants two hexadecimal digits";
                    return false;
                }
                out += static_cast<char>(high * 16 + low);
                i += 2;
                break;
            }
            default:
                problem = std::string("unknown escape \\") + text[i] +
                          " (use \\\\ \\\" \\n \\r \\t or \\xHH)";
                return false;
        }
    }
    if (i >= text.size()) {
        problem = "the closing \" is missing";
        return false;
    }
    if (i + 1 != text.size()) {
        problem = "text after the closing \"";
        return false;
    }
    value = std::move(out);
    return true;
}

std::string YesNo(std::int32_t flag) {
    return flag ? "yes" : "no";
}

const char* const kParity[] = {"none", "odd", "even", "mark", "space"};
const char* const kStopBits[] = {"1", "1.5", "2"};

struct FlowName {
    std::int32_t code;
    const char* name;
};
const FlowName kFlow[] = {{kFlowNone, "none"},
                          {kFlowXonXoff, "xon-xoff"},
                          {kFlowHardware, "hardware"},
                          {kFlowHardwareNoDtr, "hardware-no-dtr"}};

struct CommentName {
    std::int32_t bit;
    const char* name;
};
const CommentName kComments[] = {{kCommentParen, "parentheses"},
                                 {kCommentBracket, "brackets"},
                                 {kCommentSemicolon, "semicolon"}};

std::string CommentsText(std::int32_t bits) {
    std::string text;
    for (const CommentName& c : kComments) {
        if (!(bits & c.bit)) continue;
        if (!text.empty()) text += ',';
        text += c.name;
    }
    return text.empty() ? "none" : text;
}

using Format = std::function<std::optional<std::string>(const CPortConfig&)>;
// Returns the problem with the value; empty when it was taken.
using Parse = std::function<std::string(CPortConfig&, std::string_view)>;

struct Key {
    std::string name;
    Format format;  // nullopt: not written (a value only odd files hold, at its default)
    Parse parse;
    std::string help;
};

std::string Bad(std::string_view value, std::string_view wants) {
    return "bad value \"" + std::string(value) + "\": wants " + std::string(wants);
}

template <typename T>
Key NumberKey(std::string name, T PORT_CONFIG::*field, std::uint64_t low, std::uint64_t high,
              std::string help) {
    const std::string wants = high == 0xFFFFFFFFu
                                  ? "a number from " + std::to_string(low)
                                  : std::to_string(low) + " to " + std::to_string(high);
    return {std::move(name),
            [field](const CPortConfig& c) { return std::to_string(c.m_port.*field); },
            [field, low, high, wants](CPortConfig& c, std::string_view v) {
                std::uint64_t n = 0;
                if (!ParseNumber(v, high, n) || n < low) return Bad(v, wants);
                c.m_port.*field = static_cast<T>(n);
                return std::string();
            },
            std::move(help)};
}

template <typename Names>
Key ChoiceKey(std::string name, std::uint8_t PORT_CONFIG::*field, const Names& names,
              std::string help) {
    std::string wants;
    for (const char* n : names) wants += (wants.empty() ? "" : ", ") + std::string(n);
    return {std::move(name),
            [field, &names](const CPortConfig& c) -> std::optional<std::string> {
                const std::size_t code = c.m_port.*field;
                if (code < std::size(names)) return std::string(names[code]);
                return std::to_string(code);
            },
            [field, &names, wants](CPortConfig& c, std::string_view v) {
                const std::string word = Lower(v);
                for (std::size_t i = 0; i < std::size(names); ++i) {
                    if (word == names[i]) {
                        c.m_port.*field = static_cast<std::uint8_t>(i);
                        return std::string();
                    }
                }
                return Bad(v, wants);
            },
            std::move(help)};
}

// One transfer direction of a configuration.
struct Direction {
    bool send;
    TRANSFER_CONFIG& operator()(CPortConfig& c) const {
        return send ? static_cast<TRANSFER_CONFIG&>(c.m_send) : c.m_receive;
    }
    const TRANSFER_CONFIG& operator()(const CPortConfig& c) const {
        return send ? static_cast<const TRANSFER_CONFIG&>(c.m_send) : c.m_receive;
    }
};

Key CodesKey(const std::string& prefix, const char* name, Direction d,
             ByteSequence TRANSFER_CONFIG::*field, std::string help) {
    return {prefix + name, [d, field](const CPortConfig& c) { return FormatCodes(d(c).*field); },
            [d, field](CPortConfig& c, std::string_view v) {
                if (!ParseCodes(v, d(c).*field))
                    return Bad(v, "decimal codes 0 to 255 separated by commas, such as 13,10");
                return std::string();
            },
            std::move(help)};
}

Key FlagKey(const std::string& prefix, const char* name, Direction d,
            std::int32_t TRANSFER_CONFIG::*field, std::string help) {
    return {prefix + name, [d, field](const CPortConfig& c) { return YesNo(d(c).*field); },
            [d, field](CPortConfig& c, std::string_view v) {
                if (!ParseYesNo(v, d(c).*field)) return Bad(v, "yes or no");
                return std::string();
            },
            std::move(help)};
}

void AddDirectionKeys(std::vector<Key>& keys, bool send) {
    const std::string p = send ? "send." : "receive.";
    const Direction d{send};
    keys.push_back(CodesKey(p, "header", d, &TRANSFER_CONFIG::m_header,
                            "codes before the program (\"Start of program\")"));
    keys.push_back(CodesKey(p, "trailer", d, &TRANSFER_CONFIG::m_trailer,
                            "codes after the program (\"End of program\")"));
    keys.push_back(FlagKey(p, "recognize-eol", d, &TRANSFER_CONFIG::m_bRecognizeEol,
                           "yes: lines end with the codes of " + p + "eol; no: found by itself"));
    keys.push_back(CodesKey(p, "eol", d, &TRANSFER_CONFIG::m_eolRecognize,
                            "the custom line end, such as 13,10"));
    keys.push_back(FlagKey(p, "replace-eol", d, &TRANSFER_CONFIG::m_bReplaceEol,
                           "yes: each line end becomes the codes of " + p + "replace-with"));
    keys.push_back(CodesKey(p, "replace-with", d, &TRANSFER_CONFIG::m_eolReplace,
                            "the line end put in its place"));
    keys.push_back(FlagKey(p, "check-percent", d, &TRANSFER_CONFIG::m_bCheckPercent,
                           "yes: the program ends at the second \"%\""));
    keys.push_back(FlagKey(p, "skip-empty-lines", d, &TRANSFER_CONFIG::m_bSkipEmptyLines,
                           "yes: empty lines are dropped"));
    keys.push_back(FlagKey(p, "skip-non-printable", d, &TRANSFER_CONFIG::m_bSkipNonPrintable,
                           "yes: control bytes other than line ends are dropped"));
    keys.push_back(
        {p + "skip-comments",
         [d](const CPortConfig& c) { return CommentsText(d(c).m_nSkipComments); },
         [d](CPortConfig& c, std::string_view v) {
             const std::string wants =
                 "none, or parentheses, brackets, semicolon separated by "
                 "commas";
             std::int32_t bits = 0;
             std::string_view rest = v;
             while (!rest.empty()) {
                 const std::size_t comma = rest.find(',');
                 const std::string word = Lower(Trim(rest.substr(0, comma)));
                 rest =
                     comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
                 if (word == "none" && bits == 0 && Trim(rest).empty()) break;
                 bool known = false;
                 for (const CommentName& n : kComments) {
                     if (word == n.name) {
                         bits |= n.bit;
                         known = true;
                     }
                 }
                 if (!known) return Bad(v, wants);
             }
             if (v.empty()) return Bad(v, wants);
             d(c).m_nSkipComments = bits;
             return std::string();
         },
         "none, or any of parentheses (...), brackets [...], semicolon ;... to the line end"});
    const std::string delayWants = "seconds, 0 to " + std::to_string(kMaxDelaySeconds);
    keys.push_back(
        {p + "delay",
         [d, send](const CPortConfig& c) -> std::optional<std::string> {
             const std::int32_t seconds = d(c).m_nDelaySeconds;
             if (!send && seconds == 0) return std::nullopt;
             return std::to_string(seconds);
         },
         [d, delayWants](CPortConfig& c, std::string_view v) {
             std::uint64_t n = 0;
             if (!ParseNumber(v, static_cast<std::uint64_t>(kMaxDelaySeconds), n))
                 return Bad(v, delayWants);
             d(c).m_nDelaySeconds = static_cast<std::int32_t>(n);
             return std::string();
         },
         send ? "start transfer delay in seconds (the window's minutes x 60 + seconds), 0 to " +
                    std::to_string(kMaxDelaySeconds)
              : "seconds; kept from port.cfg, not used (written only when not 0)"});
    keys.push_back(
        {p + "folder", [d](const CPortConfig& c) { return QuoteIfNeeded(d(c).m_strFolder); },
         [d](CPortConfig& c, std::string_view v) {
             std::string text, problem;
             if (!ParseText(v, text, problem)) return Bad(v, problem);
             d(c).m_strFolder = std::move(text);
             return std::string();
         },
         send ? "the folder the file dialog opens in" : "the folder received files go to"});
    keys.push_back(
        {p + "reserved",
         [d](const CPortConfig& c) -> std::optional<std::string> {
             const TRANSFER_CONFIG& t = d(c);
             if (t.m_dwReserved == 0 && t.m_byReserved1 == 0 && t.m_byReserved2 == 0)
                 return std::nullopt;
             return std::to_string(t.m_dwReserved) + "," + std::to_string(t.m_byReserved1) + "," +
                    std::to_string(t.m_byReserved2);
         },
         [d](CPortConfig& c, std::string_view v) {
             const std::string wants = "three numbers N,N,N";
             std::uint64_t n[3] = {0, 0, 0};
             std::string_view rest = v;
             for (int i = 0; i < 3; ++i) {
                 const std::size_t comma = rest.find(',');
                 if ((comma == std::string_view::npos) != (i == 2)) return Bad(v, wants);
                 if (!ParseNumber(Trim(rest.substr(0, comma)), i == 0 ? 0xFFFFFFFFu : 255, n[i]))
                     return Bad(v, wants);
                 if (i < 2) rest = rest.substr(comma + 1);
             }
             TRANSFER_CONFIG& t = d(c);
             t.m_dwReserved = static_cast<std::uint32_t>(n[0]);
             t.m_byReserved1 = static_cast<std::uint8_t>(n[1]);
             t.m_byReserved2 = static_cast<std::uint8_t>(n[2]);
             return std::string();
         },
         "values of port.cfg without a use, kept as they are (written only when not 0)"});
}

const std::vector<Key>& Keys() {
    static const std::vector<Key> keys = [] {
        std::vector<Key> k;
        k.push_back({"port",
                     [](const CPortConfig& c) {
                         return c.m_port.m_nPort == 0 ? std::string("current")
                                                      : std::to_string(c.m_port.m_nPort);
                     },
                     [](CPortConfig& c, std::string_view v) {
                         std::string_view number = v;
                         if (number.size() > 3 && Lower(number.substr(0, 3)) == "com")
                             number.remove_prefix(3);
                         std::uint64_t n = 0;
                         if (Lower(v) == "current") {
                             n = 0;
                         } else if (!ParseNumber(number, 9999, n)) {
                             return Bad(v, "a port number 1 to 9999 (3 or COM3), or current");
                         }
                         c.m_port.m_nPort = static_cast<std::int32_t>(n);
                         return std::string();
                     },
                     "port number (3 or COM3; see ports.cfg), or current: the port chosen in "
                     "the window or given with --port"});
        k.push_back(NumberKey("baud", &PORT_CONFIG::m_dwBaudRate, 1, 0xFFFFFFFFu,
                              "baud rate, such as 9600"));
        k.push_back(NumberKey("data-bits", &PORT_CONFIG::m_byDataBits, 5, 8, "5, 6, 7 or 8"));
        k.push_back(ChoiceKey("parity", &PORT_CONFIG::m_byParity, kParity,
                              "none, odd, even, mark or space"));
        k.push_back(ChoiceKey("stop-bits", &PORT_CONFIG::m_byStopBits, kStopBits, "1, 1.5 or 2"));
        k.push_back({"flow-control",
                     [](const CPortConfig& c) {
                         for (const FlowName& f : kFlow)
                             if (f.code == c.m_port.m_nFlowControl) return std::string(f.name);
                         return std::to_string(c.m_port.m_nFlowControl);
                     },
                     [](CPortConfig& c, std::string_view v) {
                         const std::string word = Lower(v);
                         for (const FlowName& f : kFlow) {
                             if (word == f.name) {
                                 c.m_port.m_nFlowControl = f.code;
                                 return std::string();
                             }
                         }
                         return Bad(v, "none, xon-xoff, hardware or hardware-no-dtr");
                     },
                     "none, xon-xoff, hardware or hardware-no-dtr"});
        k.push_back(NumberKey("xon", &PORT_CONFIG::m_chXon, 0, 255, "the XON code, 0 to 255"));
        k.push_back(NumberKey("xoff", &PORT_CONFIG::m_chXoff, 0, 255, "the XOFF code, 0 to 255"));
        AddDirectionKeys(k, true);
        AddDirectionKeys(k, false);
        return k;
    }();
    return keys;
}

const Key* FindKey(std::string_view name) {
    const std::string lower = Lower(name);
    for (const Key& key : Keys())
        if (key.name == lower) return &key;
    return nullptr;
}

bool ParseSectionName(std::string_view line, std::string& name, std::string& problem) {
    std::string_view inner = Trim(line.substr(1, line.size() - 2));
    if (!ParseText(inner, name, problem)) return false;
    if (name.empty()) {
        problem = "a section needs a configuration name: [NAME]";
        return false;
    }
    return true;
}

}  // namespace

bool SetConfigKey(CPortConfig& config, std::string_view key, std::string_view value,
                  ConfigKeyError& error) {
    error = {std::string(key), {}};
    if (Lower(key) == "file") {
        std::string path, problem;
        if (!ParseText(value, path, problem) || path.empty()) {
            error.problem = "file: " + (path.empty() && problem.empty()
                                            ? std::string("wants the path of a program")
                                            : Bad(value, problem));
            return false;
        }
        config.m_arrFiles.push_back(std::move(path));
        return true;
    }
    const Key* k = FindKey(key);
    if (!k) {
        error.problem = "unknown key \"" + std::string(key) + "\"";
        return false;
    }
    CPortConfig changed = config;
    if (std::string problem = k->parse(changed, value); !problem.empty()) {
        error.problem = k->name + ": " + problem;
        return false;
    }
    config = std::move(changed);
    return true;
}

std::optional<ConfigKeyError> CheckConfigFields(const CPortConfig& config) {
    for (const bool send : {true, false}) {
        const TRANSFER_CONFIG& t =
            send ? static_cast<const TRANSFER_CONFIG&>(config.m_send) : config.m_receive;
        const std::string p = send ? "send." : "receive.";
        if (t.m_bRecognizeEol && t.m_eolRecognize.empty())
            return ConfigKeyError{p + "eol", p + "recognize-eol = yes needs the codes of " + p +
                                                 "eol (" + kMsgEolMissing + ")"};
    }
    return std::nullopt;
}

std::string FormatConfigSection(const CPortConfig& config) {
    std::string name = QuoteIfNeeded(config.m_strName);
    std::string text = "[" + name + "]\n";
    for (const Key& key : Keys()) {
        const std::optional<std::string> value = key.format(config);
        if (!value) continue;
        text += key.name;
        text += value->empty() ? " =\n" : " = " + *value + "\n";
    }
    for (const std::string& file : config.m_arrFiles)
        text += "file = " + QuoteIfNeeded(file) + "\n";
    return text;
}

std::string FormatConfigText(const std::vector<const CPortConfig*>& configs) {
    std::string text =
        "# Sendrik port configurations; \"sendrik configs --help\" lists the keys.\n";
    for (const CPortConfig* config : configs) text += "\n" + FormatConfigSection(*config);
    return text;
}

ConfigTextResult ParseConfigText(std::string_view text, std::string_view fileName) {
    ConfigTextResult result;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    CPortConfig* current = nullptr;
    int sectionLine = 0;
    std::set<std::string> seenKeys;
    std::vector<int> sectionLines;
    const auto fail = [&](int line, const std::string& message) {
        result.configs.clear();
        result.error = std::string(fileName) + ":" + std::to_string(line) + ": " + message;
        result.errorLine = line;
        return std::move(result);
    };
    const auto finishSection = [&]() -> std::optional<ConfigKeyError> {
        if (!current) return std::nullopt;
        return CheckConfigFields(*current);
    };

    int lineNumber = 0;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        const std::size_t end = text.find('\n', pos);
        const std::string_view raw =
            text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
        pos = end == std::string_view::npos ? text.size() + 1 : end + 1;
        ++lineNumber;
        const std::string_view line = Trim(raw);
        if (line.empty() || line.front() == '#' || line.front() == ';') continue;

        if (line.front() == '[') {
            if (line.size() < 2 || line.back() != ']')
                return fail(lineNumber, "a section line is [NAME]");
            if (const auto problem = finishSection())
                return fail(sectionLine, "[" + current->m_strName + "]: " + problem->problem);
            std::string name, problem;
            if (!ParseSectionName(line, name, problem)) return fail(lineNumber, problem);
            for (std::size_t i = 0; i < result.configs.size(); ++i) {
                if (NamesEqualNoCase(result.configs[i]->m_strName, name))
                    return fail(lineNumber, "section [" + name +
                                                "] is given twice (first at line " +
                                                std::to_string(sectionLines[i]) + ")");
            }
            auto config = std::make_unique<CPortConfig>();
            config->m_strName = std::move(name);
            current = config.get();
            result.configs.push_back(std::move(config));
            sectionLines.push_back(lineNumber);
            sectionLine = lineNumber;
            seenKeys.clear();
            continue;
        }

        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            return fail(lineNumber,
                        "\"" + std::string(line) + "\" is neither [NAME] nor KEY = VALUE");
        const std::string_view key = Trim(line.substr(0, eq));
        const std::string_view value = Trim(line.substr(eq + 1));
        if (key.empty()) return fail(lineNumber, "a key is missing before \"=\"");
        if (!current)
            return fail(lineNumber, std::string(key) + " comes before the first [NAME] section");
        const std::string lower = Lower(key);
        if (lower != "file" && FindKey(lower) && !seenKeys.insert(lower).second)
            return fail(lineNumber,
                        std::string(key) + ": given twice in [" + current->m_strName + "]");
        ConfigKeyError error;
        if (!SetConfigKey(*current, key, value, error)) return fail(lineNumber, error.problem);
    }
    if (const auto problem = finishSection())
        return fail(sectionLine, "[" + current->m_strName + "]: " + problem->problem);
    return result;
}

std::string ConfigTextKeyReference() {
    static constexpr std::size_t kIndent = 27, kWidth = 80;
    std::string text;
    const auto add = [&text](const std::string& key, const std::string& help) {
        std::string line = "  " + key;
        line.resize(std::max(line.size() + 2, kIndent), ' ');
        std::size_t start = 0;
        while (start < help.size()) {
            std::size_t end = help.size();
            if (line.size() + (end - start) > kWidth) {
                end = help.rfind(' ', start + (kWidth - line.size()));
                if (end == std::string::npos || end <= start) end = help.find(' ', start);
                if (end == std::string::npos) end = help.size();
            }
            text += line + help.substr(start, end - start) + "\n";
            line = std::string(kIndent, ' ');
            start = end + 1;
        }
    };
    for (const Key& key : Keys())
        if (key.name.rfind("receive.", 0) != 0) add(key.name, key.help);
    add("receive.*",
        "the same keys as send.* for received programs; receive.folder is where they are "
        "stored; receive.delay is kept from port.cfg but not used");
    add("file", "a program of the send-file list; one line each, in sending order");
    return text;
}

}  // namespace sendrik
