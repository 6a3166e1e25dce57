#include "search/ui/ScarrowApp.h"

#include <QCoreApplication>
#include <algorithm>
#include <system_error>

#include "common/Archive.h"
#include "common/AtomicFile.h"
#include "search/ui/MainFrame.h"
#include "search/ui/UiSupport.h"

namespace scarrow::ui {

QString HistoryLoadProblem(const CConfig& loaded) {
    std::error_code ec;
    if (!std::filesystem::exists(loaded.m_strPath, ec)) return {};  // the first start
    const QString name = PathToQString(loaded.m_strPath.string());
    const std::optional<std::string> bytes = common::ReadWholeFile(loaded.m_strPath);
    if (!bytes)
        return QStringLiteral(
                   "The search history file %1 cannot be read. The search history starts empty.")
            .arg(name);
    if (bytes->empty()) return {};
    try {
        common::ArchiveReader reader(*bytes);
        if (reader.ReadI32() != CConfig::kSignature)
            return QStringLiteral(
                       "%1 is not a search history file. The search history starts empty, and the "
                       "file will be replaced when Scarrow closes.")
                .arg(name);
        reader.ReadString();
        reader.ReadI32();
        const std::int32_t count = reader.ReadI32();
        const std::size_t expected =
            count <= 0 ? 0 : std::min<std::size_t>(count, CConfig::kMaxHistory);
        if (loaded.m_history.size() < expected)
            return QStringLiteral(
                       "The search history file %1 is damaged: %2 of its %3 entries could be read.")
                .arg(name)
                .arg(loaded.m_history.size())
                .arg(count);
    } catch (const std::exception&) {
        return QStringLiteral(
                   "The search history file %1 is damaged. The search history starts empty.")
            .arg(name);
    }
    return {};
}

CScarrowApp::CScarrowApp(IUserPrompts& prompts) : m_prompts(prompts) {}

CScarrowApp::CScarrowApp(IUserPrompts& prompts, const std::filesystem::path& historyFile)
    : m_prompts(prompts), m_config(historyFile) {}

CScarrowApp::~CScarrowApp() = default;

void CScarrowApp::InitInstance() {
    m_config.Load();
    m_frame = std::make_unique<CMainFrame>(m_config, m_prompts);
    const QString problem = HistoryLoadProblem(m_config);
    m_frame->show();
    if (!problem.isEmpty())
        m_prompts.ShowMessage(m_frame.get(), problem, IUserPrompts::Icon::Warning);
    m_frame->ActivateFrame();
}

bool CScarrowApp::ExitInstance() {
    std::string error;
    if (m_config.Save(&error)) return true;
    m_prompts.ShowMessage(
        nullptr,
        QStringLiteral("The search history could not be saved to %1: %2")
            .arg(PathToQString(m_config.m_strPath.string()), QString::fromStdString(error)),
        IUserPrompts::Icon::Warning);
    return false;
}

}  // namespace scarrow::ui
