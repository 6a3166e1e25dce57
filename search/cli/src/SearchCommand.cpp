#include "search/SearchCommand.h"

#include <charconv>
#include <filesystem>
#include <iostream>
#include <optional>
#include <system_error>

#include "search/Criteria.h"
#include "search/SearchConfig.h"

namespace scarrow {
namespace {

class CommandLineError {
public:
    explicit CommandLineError(std::string message) : m_message(std::move(message)) {}
    const std::string& Message() const { return m_message; }

private:
    std::string m_message;
};

struct Command {
    CSearchConfig criteria;
    bool occurrences = false;
    bool help = false;
    unsigned threads = 0;  // 0: one for each processor
};

constexpr unsigned kMaxThreads = 256;

std::optional<unsigned> ParseThreads(std::string_view text) {
    unsigned value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < 1 || value > kMaxThreads)
        return std::nullopt;
    return value;
}

std::optional<std::uint32_t> ParseLines(std::string_view text) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < 1 || value > 0xFFFFFFFFull) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

// YYYY-MM-DD
std::optional<CDateTime> ParseDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    int parts[3] = {0, 0, 0};
    const std::string_view fields[3] = {text.substr(0, 4), text.substr(5, 2), text.substr(8, 2)};
    for (int i = 0; i < 3; ++i) {
        const char* end = fields[i].data() + fields[i].size();
        const auto [ptr, ec] = std::from_chars(fields[i].data(), end, parts[i]);
        if (ec != std::errc() || ptr != end) return std::nullopt;
    }
    const CDateTime date = CDateTime::FromDate(parts[0], parts[1], parts[2]);
    if (!date.IsValid()) return std::nullopt;
    return date;
}

void ParseModified(std::string_view text, CSearchConfig& c) {
    if (text == "week") {
        c.m_nDateMode = CSearchConfig::DateWeek;
    } else if (text == "month") {
        c.m_nDateMode = CSearchConfig::DateMonth;
    } else if (text == "year") {
        c.m_nDateMode = CSearchConfig::DateYear;
    } else {
        const std::size_t colon = text.find(':');
        const std::optional<CDateTime> from =
            colon == std::string_view::npos ? std::nullopt : ParseDate(text.substr(0, colon));
        const std::optional<CDateTime> to =
            colon == std::string_view::npos ? std::nullopt : ParseDate(text.substr(colon + 1));
        if (!from || !to) {
            throw CommandLineError(
                "--modified needs week, month, year or YYYY-MM-DD:YYYY-MM-DD, not '" +
                std::string(text) + "'");
        }
        if (from->DayNumber() > to->DayNumber()) {
            throw CommandLineError("--modified: the first date is after the second in '" +
                                   std::string(text) + "'");
        }
        c.m_nDateMode = CSearchConfig::DateRange;
        c.m_dateFrom = *from;
        c.m_dateTo = *to;
    }
}

// Makes the folder absolute so the printed paths are full paths; "." parts are dropped,
// ".." parts kept (they may pass through symbolic links).
std::string AbsoluteFolder(const std::string& folder) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(folder, ec);
    if (ec) return folder;
    std::filesystem::path out;
    for (const std::filesystem::path& part : absolute) {
        if (part == ".") continue;
        out /= part;
    }
    return out.string();
}

Command Parse(const std::vector<std::string>& args) {
    Command cmd;
    CSearchConfig& c = cmd.criteria;
    std::vector<std::string> positional;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            positional.push_back(arg);
            continue;
        }
        std::string name = arg;
        std::optional<std::string> value;
        if (const std::size_t eq = arg.find('=');
            arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
        } else if (arg.rfind("-j", 0) == 0 && arg.size() > 2) {
            name = "-j";  // -j4
            value = arg.substr(2);
        }
        const auto takeValue = [&]() -> std::string {
            if (value) return *value;
            if (i + 1 >= args.size()) throw CommandLineError(name + " needs a value");
            return args[++i];
        };
        const auto noValue = [&] {
            if (value) throw CommandLineError(name + " takes no value");
        };
        if (name == "--") {
            noValue();
            optionsEnded = true;
        } else if (name == "--help" || name == "-h") {
            noValue();
            cmd.help = true;
        } else if (name == "--any") {
            noValue();
            c.m_nMatchMode = CSearchConfig::MatchAny;
        } else if (name == "--case-sensitive") {
            noValue();
            c.m_bIgnoreCase = 0;
        } else if (name == "--no-subfolders") {
            noValue();
            c.m_bSubfolders = 0;
        } else if (name == "--occurrences") {
            noValue();
            cmd.occurrences = true;
        } else if (name == "--ext") {
            c.m_nExtMode = CSearchConfig::ExtList;
            c.m_strExtensions = takeValue();
        } else if (name == "--first-lines") {
            const std::string text = takeValue();
            const std::optional<std::uint32_t> lines = ParseLines(text);
            if (!lines) {
                throw CommandLineError(
                    "--first-lines needs a whole number from 1 to 4294967295, not '" + text + "'");
            }
            c.m_nLinesMode = CSearchConfig::LinesFirst;
            c.m_nLines = *lines;
        } else if (name == "--modified") {
            ParseModified(takeValue(), c);
        } else if (name == "--threads" || name == "-j") {
            const std::string text = takeValue();
            const std::optional<unsigned> threads = ParseThreads(text);
            if (!threads) {
                throw CommandLineError(name + " needs a whole number from 1 to " +
                                       std::to_string(kMaxThreads) + ", not '" + text + "'");
            }
            cmd.threads = *threads;
        } else {
            throw CommandLineError("unknown option '" + arg +
                                   "' (put -- before a word that starts with '-')");
        }
    }
    if (cmd.help) return cmd;
    if (positional.empty()) throw CommandLineError("the folder to search is missing");
    if (positional.size() < 2) throw CommandLineError("no word or phrase to look for");
    c.m_strFolder = positional.front().empty() ? std::string() : AbsoluteFolder(positional.front());
    c.m_words.assign(positional.begin() + 1, positional.end());
    for (std::size_t i = 0; i < c.m_words.size(); ++i) {
        if (c.m_words[i].empty()) {
            throw CommandLineError("word " + std::to_string(i + 1) + " is empty");
        }
    }
    return cmd;
}

class PrintingSink : public ISearchSink {
public:
    PrintingSink(std::ostream& out, std::ostream& err, const CSearchConfig& criteria,
                 bool occurrences)
        : m_out(out), m_err(err), m_criteria(criteria), m_occurrences(occurrences) {}

    void ResultFound(std::unique_ptr<CSearchResult> result) override {
        ++m_matched;
        if (!m_occurrences) {
            m_out << result->m_strPath << '\n';
            return;
        }
        for (const CFoundWord& f : result->m_foundWords) {
            m_out << result->m_strPath << ':' << f.m_nLine + 1 << ':' << f.m_nColumn + 1 << ':'
                  << m_criteria.m_words[static_cast<std::size_t>(f.m_nWord)] << '\n';
        }
        if (result->m_nOccurrences > result->m_foundWords.size()) {
            m_err << "scarrow search: " << result->m_strPath << ": only the first "
                  << result->m_foundWords.size() << " of " << result->m_nOccurrences
                  << " occurrences are listed\n";
        }
    }
    // A closed output (a pager quit) ends the search.
    bool GoOn() override { return static_cast<bool>(m_out); }

    std::size_t Matched() const { return m_matched; }

private:
    std::ostream& m_out;
    std::ostream& m_err;
    const CSearchConfig& m_criteria;
    bool m_occurrences;
    std::size_t m_matched = 0;
};

}  // namespace

std::string SearchCommandUsage() {
    return R"(Usage: scarrow search [OPTIONS] FOLDER WORD...

Finds the files below FOLDER that contain the words or phrases and prints
their full paths, one a line, in the order found.

Options:
  --any             a file needs only one of the words (default: all)
  --case-sensitive  compare letter case (default: ignore it)
  --no-subfolders   search FOLDER only, not its subfolders
  --ext LIST        only files with these extensions, separated by
                    commas, blanks, dots or semicolons, such as "nc,tap"
  --first-lines N   search only the first N lines of each file (N from
                    1); a word may still start at the first character
                    of line N+1
  --modified WHEN   week, month or year: modified today or in the last
                    7, 31 or 365 days; or FROM:TO, two dates as
                    YYYY-MM-DD, both days included
  --occurrences     print one line per occurrence instead,
                    PATH:LINE:COLUMN:WORD, line and column counted from
                    1, in the order found (at most 1000000 a file;
                    standard error says when there were more)
  -j, --threads N   search N files at a time (default: one for each
                    processor); the output is the same whatever N
  --help            show this help
  --                end of the options (for a word that starts with '-')

A phrase with blanks is one argument: "TOOL CHANGE". Words are compared
byte for byte, accented letters and symbols included; letter case is
ignored for A-Z only. A file is searched up to its first NUL byte (the
mark of a binary file). Columns count bytes.

Exit status: 0 when a file matched, 1 when none did, 2 on an error.
)";
}

int RunSearchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     const SearchOptions& options) {
    Command cmd;
    try {
        cmd = Parse(args);
    } catch (const CommandLineError& e) {
        err << "scarrow search: " << e.Message() << "\nTry 'scarrow search --help'.\n";
        return kExitError;
    }
    if (cmd.help) {
        out << SearchCommandUsage();
        return out ? kExitMatched : kExitError;
    }
    const CriteriaCheck check = ValidateCriteria(cmd.criteria);
    if (!check.ok) {
        err << "scarrow search: " << check.message << '\n';
        return kExitError;
    }
    PrintingSink sink(out, err, cmd.criteria, cmd.occurrences);
    SearchOptions run = options;
    if (cmd.threads != 0) run.threads = cmd.threads;
    // The file list needs no positions; the files are still scanned whole.
    if (!cmd.occurrences) run.maxOccurrencesPerFile = 0;
    RunSearch(cmd.criteria, sink, run);
    out.flush();
    if (!out) {
        err << "scarrow search: the results could not be written\n";
        return kExitError;
    }
    return sink.Matched() > 0 ? kExitMatched : kExitNoMatch;
}

int RunSearchCommand(int argc, char** argv, std::ostream& out, std::ostream& err) {
    // Called from main() before any output: unsynchronised streams print long result
    // lists several times faster.
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args;
    for (int i = 2; i < argc; ++i) args.emplace_back(argv[i]);
    return RunSearchCommand(args, out, err);
}

}  // namespace scarrow
