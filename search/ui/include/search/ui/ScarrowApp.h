#pragma once

#include <filesystem>
#include <memory>

#include "search/Config.h"

namespace scarrow::ui {

class CMainFrame;
class IUserPrompts;

// The program: loads the history (telling the user when the file was there but could not
// be read whole), shows the window (which opens the search dialog at once), saves the
// history when it ends.
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
