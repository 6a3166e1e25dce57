// "sendrik configs": listing, the text form in and out, and changes to port.cfg.

#include <CLI/CLI.hpp>
#include <QString>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>

#include "CommandSupport.h"
#include "Commands.h"
#include "common/AtomicFile.h"
#include "transfer/ConfigText.h"
#include "transfer/Port.h"
#include "transfer/Settings.h"

namespace sendrik::cli {

namespace fs = std::filesystem;

namespace {

const char* const kHowToMake =
    "Make one with \"sendrik configs add NAME\" (\"sendrik configs --help\" lists the settings "
    "and the text form), or with New... in the window.\n";

std::string YesNo(std::int32_t flag) {
    return flag ? "yes" : "no";
}

std::string ParityName(int code) {
    switch (code) {
        case 0:
            return "None";
        case 1:
            return "Odd";
        case 2:
            return "Even";
        case 3:
            return "Mark";
        case 4:
            return "Space";
        default:
            return std::to_string(code);
    }
}

std::string StopBitsName(int code) {
    switch (code) {
        case 0:
            return "1";
        case 1:
            return "1.5";
        case 2:
            return "2";
        default:
            return std::to_string(code);
    }
}

std::string FlowName(int code) {
    switch (code) {
        case kFlowNone:
            return "None";
        case kFlowHardware:
            return "Hardware";
        case kFlowHardwareNoDtr:
            return "Hardware no DTR";
        case kFlowXonXoff:
            return "Xon/Xoff";
        default:
            return std::to_string(code) + " (None)";
    }
}

std::string CommentsText(int bits) {
    std::string text;
    if (bits & kCommentParen) text += "(...) ";
    if (bits & kCommentBracket) text += "[...] ";
    if (bits & kCommentSemicolon) text += ";...EOL ";
    if (text.empty()) return "none";
    text.pop_back();
    return text;
}

void PrintDirection(std::ostream& out, const char* title, const TRANSFER_CONFIG& t, bool send) {
    out << "  " << title << ":\n";
    out << "    Header: " << FormatCodes(t.m_header) << "\n";
    out << "    Trailer: " << FormatCodes(t.m_trailer) << "\n";
    out << "    Recognize custom EOL sequence: " << YesNo(t.m_bRecognizeEol) << "\n";
    out << "    Custom EOL sequence: " << FormatCodes(t.m_eolRecognize) << "\n";
    out << "    Replace EOL: " << YesNo(t.m_bReplaceEol) << "\n";
    out << "    Replace With: " << FormatCodes(t.m_eolReplace) << "\n";
    out << "    Check \"%\" for termination: " << YesNo(t.m_bCheckPercent) << "\n";
    out << "    Skip empty lines: " << YesNo(t.m_bSkipEmptyLines) << "\n";
    out << "    Skip line numbers: " << YesNo(t.m_bSkipLineNumbers) << "\n";
    out << "    Skip non printable bytes: " << YesNo(t.m_bSkipNonPrintable) << "\n";
    out << "    Skip comments: " << CommentsText(t.m_nSkipComments) << "\n";
    out << "    Default folder: " << t.m_strFolder << "\n";
    if (send)
        out << "    Start transfer delay: " << t.m_nDelaySeconds / 60 << " min. "
            << t.m_nDelaySeconds % 60 << " sec.\n";
}

void PrintConfig(std::ostream& out, const CPortConfig& c, const PortMap& map) {
    const PORT_CONFIG& p = c.m_port;
    out << c.m_strName << "\n";
    out << "  Port: "
        << (p.m_nPort == 0 ? std::string("Use Current Port") : PortDisplayName(p.m_nPort, map))
        << "\n";
    out << "  Line: " << FormatPortSettings(p) << "\n";
    out << "  Baud Rate: " << p.m_dwBaudRate << "\n";
    out << "  Data Bits: " << int(p.m_byDataBits) << "\n";
    out << "  Parity: " << ParityName(p.m_byParity) << "\n";
    out << "  Stop Bits: " << StopBitsName(p.m_byStopBits) << "\n";
    out << "  Flow Control: " << FlowName(p.m_nFlowControl) << "\n";
    out << "  XON Char: " << int(p.m_chXon) << "\n";
    out << "  XOFF Char: " << int(p.m_chXoff) << "\n";
    PrintDirection(out, "Send", c.m_send, true);
    PrintDirection(out, "Receive", c.m_receive, false);
    out << "  Files to send: " << c.m_arrFiles.size() << "\n";
    for (const std::string& file : c.m_arrFiles) out << "    " << file << "\n";
}

std::string Trimmed(const std::string& text) {
    return QString::fromStdString(text).trimmed().toStdString();
}

std::string Quoted(const std::string& name) {
    return "\"" + name + "\"";
}

// The configurations in the order of the window's list (sorted regardless of case, a
// name equal to one before it after that one), as indexes; m_nSelected counts in it.
std::vector<int> ListOrder(const CSettings& settings) {
    std::vector<int> order;
    for (int i = 0; i < settings.GetCount(); ++i) {
        const QString name = QString::fromStdString(settings.GetAt(i)->m_strName);
        auto pos = order.begin();
        while (pos != order.end() &&
               QString::compare(QString::fromStdString(settings.GetAt(*pos)->m_strName), name,
                                Qt::CaseInsensitive) <= 0)
            ++pos;
        order.insert(pos, i);
    }
    return order;
}

const CPortConfig* SelectedConfig(const CSettings& settings) {
    const std::vector<int> order = ListOrder(settings);
    const int selected = settings.m_nSelected;
    if (selected < 0 || selected >= static_cast<int>(order.size())) return nullptr;
    return settings.GetAt(order[static_cast<std::size_t>(selected)]);
}

// Keeps the window's selection on the configuration it was on; when that one is gone,
// the first of the list is selected, as after Delete in the window.
void Reselect(CSettings& settings, const CPortConfig* selected) {
    const std::vector<int> order = ListOrder(settings);
    for (std::size_t pos = 0; pos < order.size(); ++pos) {
        if (settings.GetAt(order[pos]) == selected) {
            settings.m_nSelected = static_cast<std::int32_t>(pos);
            return;
        }
    }
    if (selected || settings.m_nSelected >= settings.GetCount())
        settings.m_nSelected = settings.GetCount() > 0 ? 0 : -1;
}

// The configuration file read for a change. A damaged or unreadable file is refused, so
// that writing it can never lose what could not be read.
struct Store {
    CSettings settings;
    bool olderVersion = false;
};

bool LoadForChange(const std::string& path, bool mayCreate, Store& store, std::ostream& err) {
    store.settings.m_strPath = path;
    std::error_code ec;
    if (mayCreate && fs::symlink_status(path, ec).type() == fs::file_type::not_found) return true;
    if (const std::string problem = NotReadable("configuration file", path); !problem.empty()) {
        err << "sendrik: " << problem << "\n";
        if (fs::symlink_status(path, ec).type() == fs::file_type::not_found)
            err << "Make a configuration with \"sendrik configs add NAME\" first.\n";
        return false;
    }
    const std::optional<std::string> bytes = common::ReadWholeFile(path);
    if (!bytes) {
        err << "sendrik: cannot read " << path << ": " << std::strerror(errno) << "\n";
        return false;
    }
    if (bytes->empty()) return true;
    const CSettings::ParseResult result = store.settings.Parse(*bytes);
    if (!result.damage.empty()) {
        err << "sendrik: " << path << ": " << store.settings.DescribeDamage(result)
            << " Nothing was changed: open the file in the window (which keeps a copy of it) "
               "or import the configurations into a new file.\n";
        return false;
    }
    store.olderVersion = result.olderVersion;
    return true;
}

// Writes the changed list the way the window does: atomically, and an older file kept
// as PATH_old.
bool SaveChange(Store& store, std::ostream& err) {
    const std::string& path = store.settings.m_strPath;
    if (store.olderVersion) {
        std::error_code ec;
        fs::rename(path, path + "_old", ec);
        if (ec) {
            err << "sendrik: " << path << " is of an older version and could not be kept as "
                << path << "_old (" << ec.message() << "); nothing was changed\n";
            return false;
        }
        err << "sendrik: " << path << " was of an older version; it was kept as " << path
            << "_old\n";
    }
    if (const std::string problem = store.settings.Save(); !problem.empty()) {
        err << "sendrik: " << problem << "\n";
        return false;
    }
    return true;
}

// KEY=VALUE arguments onto `config`. The file= arguments together replace the send-file
// list; a "file=" without a path empties it.
bool Assign(CPortConfig& config, const std::vector<std::string>& assignments, std::ostream& err) {
    CPortConfig changed = config;
    bool filesCleared = false;
    for (const std::string& assignment : assignments) {
        const std::size_t eq = assignment.find('=');
        const std::string key = Trimmed(assignment.substr(0, eq));
        const std::string value = Trimmed(assignment.substr(eq + 1));
        if (QString::fromStdString(key).compare("file", Qt::CaseInsensitive) == 0) {
            if (!filesCleared) changed.m_arrFiles.clear();
            filesCleared = true;
            if (value.empty()) continue;
        }
        ConfigKeyError error;
        if (!SetConfigKey(changed, key, value, error)) {
            err << "sendrik: " << error.problem << "; nothing was changed\n";
            return false;
        }
    }
    if (const auto problem = CheckConfigFields(changed)) {
        err << "sendrik: " << problem->problem << "; nothing was changed\n";
        return false;
    }
    config = std::move(changed);
    return true;
}

bool NameIsFree(const CSettings& settings, const std::string& name, const CPortConfig* self,
                const std::string& path, std::ostream& err) {
    if (name.empty()) {
        err << "sendrik: a configuration name must not be empty\n";
        return false;
    }
    const CPortConfig* other = settings.FindByName(name);
    if (other && other != self) {
        err << "sendrik: " << path << " already has a configuration named "
            << Quoted(other->m_strName) << " (names are told apart regardless of case)\n";
        return false;
    }
    return true;
}

int IndexOf(const CSettings& settings, const CPortConfig* config) {
    for (int i = 0; i < settings.GetCount(); ++i)
        if (settings.GetAt(i) == config) return i;
    return -1;
}

int List(const std::string& path, std::ostream& out, std::ostream& err) {
    CSettings settings;
    std::error_code ec;
    const bool missing = fs::symlink_status(path, ec).type() == fs::file_type::not_found;
    if (!LoadSettings(path, settings, err)) {
        if (missing) err << kHowToMake;
        return kExitFailure;
    }
    const PortMap map = PortMap::Load(PortMap::MapFileFor(path));
    if (settings.GetCount() == 0)
        err << "sendrik: " << path << " holds no configurations\n" << kHowToMake;
    for (int i = 0; i < settings.GetCount(); ++i) {
        if (i > 0) out << "\n";
        PrintConfig(out, *settings.GetAt(i), map);
    }
    return kExitOk;
}

int Show(const Options& options, const std::string& path, std::ostream& out, std::ostream& err) {
    CSettings settings;
    if (!LoadSettings(path, settings, err)) return kExitFailure;
    const CPortConfig* config = FindConfig(settings, options.names.front(), path, err);
    if (!config) return kExitFailure;
    out << FormatConfigSection(*config);
    return kExitOk;
}

int Export(const Options& options, const std::string& path, std::ostream& out, std::ostream& err) {
    CSettings settings;
    std::ostringstream loadErr;
    if (!LoadSettings(path, settings, loadErr)) {
        err << loadErr.str();
        return kExitFailure;
    }
    const bool damaged = !loadErr.str().empty();
    err << loadErr.str();
    std::vector<const CPortConfig*> chosen;
    for (const std::string& name : options.names) {
        const CPortConfig* config = FindConfig(settings, name, path, err);
        if (!config) return kExitFailure;
        if (std::find(chosen.begin(), chosen.end(), config) == chosen.end())
            chosen.push_back(config);
    }
    if (options.names.empty())
        for (int i = 0; i < settings.GetCount(); ++i) chosen.push_back(settings.GetAt(i));
    const std::string text = FormatConfigText(chosen);
    std::error_code ec;
    if (!options.output.empty() && fs::equivalent(options.output, path, ec)) {
        err << "sendrik: --output " << options.output
            << " is the configuration file; writing it would destroy it\n";
        return kExitUsage;
    }
    if (options.output.empty()) {
        out << text << std::flush;
        if (!out) {
            err << "sendrik: cannot write standard output\n";
            return kExitFailure;
        }
    } else {
        std::string error;
        if (!common::WriteFileAtomically(options.output, text, &error)) {
            err << "sendrik: cannot write " << options.output << (error.empty() ? "" : ": " + error)
                << "\n";
            return kExitFailure;
        }
        err << "Exported " << chosen.size() << " configuration(s) to " << options.output << "\n";
    }
    if (damaged) {
        err << "sendrik: the export holds only the configurations that could be read\n";
        return kExitFailure;
    }
    return kExitOk;
}

int Import(const Options& options, const std::string& path, std::ostream& err) {
    const std::string& file = options.files.front();
    std::optional<std::string> text;
    if (file == "-") {
        text = std::string(std::istreambuf_iterator<char>(std::cin), {});
    } else {
        if (const std::string problem = NotReadable("file", file); !problem.empty()) {
            err << "sendrik: " << problem << "\n";
            return kExitFailure;
        }
        text = common::ReadWholeFile(file);
        if (!text) {
            err << "sendrik: cannot read " << file << ": " << std::strerror(errno) << "\n";
            return kExitFailure;
        }
    }
    const std::string name = file == "-" ? "standard input" : file;
    ConfigTextResult parsed = ParseConfigText(*text, name);
    if (!parsed.error.empty()) {
        err << "sendrik: " << parsed.error << "\nNothing was imported.\n";
        return kExitUsage;
    }
    if (parsed.configs.empty()) {
        err << "sendrik: " << name << " holds no [NAME] section; nothing was imported\n";
        return kExitUsage;
    }
    Store store;
    if (!LoadForChange(path, true, store, err)) return kExitFailure;
    CSettings& settings = store.settings;
    const CPortConfig* selected = SelectedConfig(settings);
    int replaced = 0;
    for (const auto& config : parsed.configs) {
        if (CPortConfig* existing = settings.FindByName(config->m_strName)) {
            if (!options.replace) {
                err << "sendrik: " << path << " already has a configuration named "
                    << Quoted(existing->m_strName)
                    << " (import --replace replaces it); nothing was imported\n";
                return kExitUsage;
            }
            *existing = *config;
            ++replaced;
        } else {
            settings.Add(std::make_unique<CPortConfig>(*config));
        }
    }
    Reselect(settings, selected);
    if (!SaveChange(store, err)) return kExitFailure;
    err << "Imported " << parsed.configs.size() << " configuration(s) into " << path;
    if (replaced > 0) err << " (" << replaced << " replaced)";
    err << "\n";
    return kExitOk;
}

int Change(const Options& options, const std::string& path, std::ostream& err) {
    Store store;
    const bool adding = options.configsAction == ConfigsAction::Add;
    if (!LoadForChange(path, adding, store, err)) return kExitFailure;
    CSettings& settings = store.settings;
    const CPortConfig* selected = SelectedConfig(settings);
    const std::string name = options.names.front();
    std::string done;
    switch (options.configsAction) {
        case ConfigsAction::Add: {
            const std::string newName = Trimmed(name);
            if (!NameIsFree(settings, newName, nullptr, path, err)) return kExitUsage;
            auto config = std::make_unique<CPortConfig>();
            if (!options.like.empty()) {
                const CPortConfig* like = FindConfig(settings, options.like, path, err);
                if (!like) return kExitFailure;
                config->Copy(*like);
            }
            config->m_strName = newName;
            if (!Assign(*config, options.assignments, err)) return kExitUsage;
            settings.Add(std::move(config));
            done = "Added configuration " + Quoted(newName) + " to";
            break;
        }
        case ConfigsAction::Set: {
            CPortConfig* config = FindConfig(settings, name, path, err);
            if (!config) return kExitFailure;
            if (!Assign(*config, options.assignments, err)) return kExitUsage;
            done = "Changed configuration " + Quoted(config->m_strName) + " in";
            break;
        }
        case ConfigsAction::Remove: {
            const CPortConfig* config = FindConfig(settings, name, path, err);
            if (!config) return kExitFailure;
            done = "Removed configuration " + Quoted(config->m_strName) + " from";
            settings.RemoveAt(IndexOf(settings, config));
            break;
        }
        case ConfigsAction::Rename: {
            CPortConfig* config = FindConfig(settings, name, path, err);
            if (!config) return kExitFailure;
            const std::string newName = Trimmed(options.names.back());
            if (!NameIsFree(settings, newName, config, path, err)) return kExitUsage;
            done = "Renamed configuration " + Quoted(config->m_strName) + " to " + Quoted(newName) +
                   " in";
            config->m_strName = newName;
            break;
        }
        default:
            return kExitUsage;
    }
    Reselect(settings, selected);
    if (!SaveChange(store, err)) return kExitFailure;
    err << done << " " << path << "\n";
    return kExitOk;
}

}  // namespace

void DefineConfigsOptions(CLI::App& app, Options& options) {
    app.require_subcommand(0, 1);
    const auto action = [&app, &options](const char* name, ConfigsAction what) {
        CLI::App* sub = app.add_subcommand(name);
        sub->fallthrough();
        sub->allow_extras();
        sub->set_help_flag();
        sub->preparse_callback([&options, what](std::size_t) { options.configsAction = what; });
        return sub;
    };
    const auto name = [&options](CLI::App* sub, const char* operand) {
        sub->add_option_function<std::string>(
            operand, [&options](const std::string& value) { options.names.push_back(value); });
    };
    const auto assignments = [&options](CLI::App* sub) {
        sub->add_option("assignments", options.assignments);
    };

    name(action("show", ConfigsAction::Show), "name");
    CLI::App* exporting = action("export", ConfigsAction::Export);
    exporting->add_option("names", options.names);
    exporting->add_option_function<std::string>("--output", [&options](const std::string& value) {
        if (value.empty() && options.error.empty()) options.error = "--output needs a file name";
        options.output = value == "-" ? std::string() : value;
    });
    CLI::App* importing = action("import", ConfigsAction::Import);
    importing->add_option("file", options.files);
    importing->add_flag("--replace", options.replace);
    CLI::App* adding = action("add", ConfigsAction::Add);
    name(adding, "name");
    adding->add_option("--like", options.like);
    assignments(adding);
    CLI::App* setting = action("set", ConfigsAction::Set);
    name(setting, "name");
    assignments(setting);
    name(action("remove", ConfigsAction::Remove), "name");
    CLI::App* renaming = action("rename", ConfigsAction::Rename);
    name(renaming, "old");
    name(renaming, "new");
}

void CheckConfigsOptions(Options& options) {
    switch (options.configsAction) {
        case ConfigsAction::List:
        case ConfigsAction::Export:
            break;
        case ConfigsAction::Show:
        case ConfigsAction::Remove:
        case ConfigsAction::Add:
        case ConfigsAction::Set:
            if (options.names.empty()) options.error = "no configuration NAME given";
            break;
        case ConfigsAction::Rename:
            if (options.names.size() < 2) options.error = "configs rename wants OLD and NEW";
            break;
        case ConfigsAction::Import:
            if (options.files.empty()) options.error = "configs import wants a FILE (or - )";
            break;
    }
    if (!options.error.empty()) return;
    if (options.configsAction == ConfigsAction::Set && options.assignments.empty())
        options.error = "configs set wants KEY=VALUE";
    for (const std::string& assignment : options.assignments) {
        if (assignment.find('=') == std::string::npos) {
            options.error = "\"" + assignment + "\" is not KEY=VALUE";
            break;
        }
    }
}

int RunConfigs(const Options& options, const std::string& path, std::ostream& out,
               std::ostream& err) {
    switch (options.configsAction) {
        case ConfigsAction::List:
            return List(path, out, err);
        case ConfigsAction::Show:
            return Show(options, path, out, err);
        case ConfigsAction::Export:
            return Export(options, path, out, err);
        case ConfigsAction::Import:
            return Import(options, path, err);
        default:
            return Change(options, path, err);
    }
}

}  // namespace sendrik::cli
