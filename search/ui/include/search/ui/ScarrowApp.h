#pragma once

#include <QString>
#include <filesystem>
#include <memory>

#include "search/Config.h"

namespace scarrow::ui {

class CMainFrame;
class IUserPrompts;

// What the user must hear about the history file after CConfig::Load: nothing for a
// missing or sound file, otherwise why the history is empty or shorter than the file.
QString HistoryLoadProblem(const CConfig& loaded);

// The program: loads the history, shows the window (which opens the search dialog at
// once), saves the history when it ends.
class CScarrowApp {
public:
    explicit CScarrowApp(IUserPrompts& prompts);
    CScarrowApp(IUserPrompts& prompts, const std::filesystem::path& historyFile);
    ~CScarrowApp();

    void InitInstance();
    // Saves the history; false (after telling the user) when it could not be written.
    bool ExitInstance();

    CConfig& Config() { return m_config; }
    CMainFrame* MainFrame() const { return m_frame.get(); }

private:
    IUserPrompts& m_prompts;
    CConfig m_config;
    std::unique_ptr<CMainFrame> m_frame;
};

}  // namespace scarrow::ui
