#pragma once

#include <cstdint>
#include <string>

namespace sendrik {

class ITransferLineSubscriber;

// What the transfer procedures and the port need of the main window. The main window
// implements it with its widgets; tests implement it with a recorder.
class ITransferWindow {
public:
    // The transfer stop flag (the window's m_nStopFlag): Cancel sets it to 1.
    virtual int& StopFlag() = 0;

    // The status box: "Sending...", "Waiting...", "Error!!!", "Waiting for data...",
    // "Receiving...", or "" to empty it.
    virtual void SetStatusText(const std::string& text) = 0;
    // The port-settings box; the procedures only empty it when a transfer ends.
    virtual void SetPortSettingsText(const std::string& text) = 0;

    // Progress window. A send shows the bar (range 1 to 100) and hides the text box; a
    // receive hides the bar and shows the text box holding `text`. The window resets
    // its line counter (m_nLineCount) here.
    virtual void ShowProgress(const std::string& title, bool showBar, const std::string& text) = 0;
    virtual void SetProgressPos(int percent) = 0;
    virtual void HideProgress() = 0;

    // Disables the main window during a transfer; enabling it again also gives it the focus.
    virtual void SetMainWindowEnabled(bool enabled) = 0;

    // The transfer delay window, modal: true to send (countdown ran out or "Send
    // Immediately"), false when cancelled.
    virtual bool RunTransferDelay(const std::string& path, int seconds) = 0;

    // A message box with an OK button.
    virtual void ShowMessage(const std::string& text) = 0;

    // Where finished lines go (the main window itself); may be null.
    virtual ITransferLineSubscriber* LineSubscriber() = 0;

    // A send of `path` ended: `bytes` of the file went out, all of it when `complete`
    // (false after Cancel or a write error).
    virtual void FileSent(const std::string& /*path*/, std::uintmax_t /*bytes*/,
                          bool /*complete*/) {}

    // Processes the queued window events without waiting. The default pumps the Qt
    // event queue and stops early when the application is quitting.
    virtual void PumpMessages();

protected:
    ~ITransferWindow() = default;
};

}  // namespace sendrik
