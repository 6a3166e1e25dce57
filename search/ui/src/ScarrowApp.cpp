#include "search/ui/ScarrowApp.h"

#include <QCoreApplication>

#include "search/ui/MainFrame.h"
#include "search/ui/UiSupport.h"

namespace scarrow::ui {

CScarrowApp::CScarrowApp(IUserPrompts& prompts) : m_prompts(prompts) {}

CScarrowApp::CScarrowApp(IUserPrompts& prompts, const std::filesystem::path& historyFile)
    : m_prompts(prompts), m_config(historyFile) {}

CScarrowApp::~CScarrowApp() = default;

void CScarrowApp::InitInstance() {
    const HistoryLoadResult loaded = m_config.Load();
    m_frame = std::make_unique<CMainFrame>(m_config, m_prompts);
    m_frame->show();
    if (!loaded.message.empty())
        m_prompts.ShowMessage(m_frame.get(), TranslateCoreText(loaded.message),
                              IUserPrompts::Icon::Warning);
    m_frame->ActivateFrame();
}

bool CScarrowApp::ExitInstance() {
    std::string error;
    if (m_config.Save(&error)) return true;
    m_prompts.ShowMessage(
        nullptr,
        QCoreApplication::translate("scarrow::ui::CScarrowApp",
                                    "The search history could not be saved to %1: %2")
            .arg(PathToQString(m_config.m_strPath.string()), QString::fromStdString(error)),
        IUserPrompts::Icon::Warning);
    return false;
}

}  // namespace scarrow::ui
