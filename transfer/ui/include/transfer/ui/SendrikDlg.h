#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>
#include <vector>

#include "transfer/Port.h"
#include "transfer/Settings.h"
#include "transfer/TransferStream.h"
#include "transfer/TransferWindow.h"
#include "transfer/ui/TransferDialogs.h"
#include "transfer/ui/UiServices.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace sendrik {

// Help folder name beside the program and the topic the Help commands show.
inline constexpr const char* kHelpFolder = "sendrik";
inline constexpr const char* kHelpContents = "index.htm";
inline constexpr const char* kHelpTopic = "::/conn4oof.htm";
inline constexpr const char* kMsgStopTransferAndQuit =
    QT_TRANSLATE_NOOP("sendrik::CSendrikDlg", "A transfer is running. Stop it and quit Sendrik?");

// "Sendrik": the main window. Picks the port and the configuration, edits the
// configurations, and runs the transfers on this thread with a progress window.
class CSendrikDlg : public QDialog, public ITransferLineSubscriber, public ITransferWindow {
    Q_OBJECT
public:
    // `configPath` is the configuration file "port.cfg"; the port map "ports.cfg" is read
    // beside it. `commandFile` is sent when the window first becomes active.
    CSendrikDlg(std::string configPath, QString commandFile = {},
                UiServices services = UiServices::Default(), QWidget* parent = nullptr);
    ~CSendrikDlg() override;

    // ITransferLineSubscriber
    void OnLine(const std::string& text) override;

    // ITransferWindow
    int& StopFlag() override { return m_nStopFlag; }
    void SetStatusText(const std::string& text) override;
    void SetPortSettingsText(const std::string& text) override;
    void ShowProgress(const std::string& title, bool showBar, const std::string& text) override;
    void SetProgressPos(int percent) override;
    void HideProgress() override;
    void SetMainWindowEnabled(bool enabled) override;
    bool RunTransferDelay(const std::string& path, int seconds) override;
    void ShowMessage(const std::string& text) override;
    ITransferLineSubscriber* LineSubscriber() override { return this; }
    void FileSent(const std::string& path, std::uintmax_t bytes, bool complete) override;

    // Closes the port if open, opens it with the selected port and configuration and
    // shows the line settings; on failure says so and returns false.
    bool OpenPortForTransfer(CPort& port);
    void UpdateButtons();
    void SelectConfigPort();
    void FillConfigList();
    void FillPortList();
    CPortConfig* SelectedConfig() const;

    void ShowHelp();
    void ShowAbout();

    CSettings& Settings() { return m_settings; }
    const PortMap& GetPortMap() const { return m_portMap; }
    CCancelDlg* ProgressWindow() const { return m_pProgress; }
    const QString& CommandFile() const { return m_strCommandFile; }

    // Files opened from the desktop (a file manager's "Open with"): listed in the window
    // and sent only when the user presses its Send button, never on their own.
    void SetOpenedFiles(const QStringList& paths);
    QStringList OpenedFiles() const;
    const QString& LastFolder() const { return m_strLastFolder; }

    // Runs the commands of the buttons; public so scripts of the window (and tests)
    // reach the same code as a click.
    void OnRefresh();
    void OnNew();
    void OnEdit();
    void OnDelete();
    void OnSendFile();
    void OnSendMultiple();
    void OnReceive();
    void OnSendOpened();
    // Sends the command-line file, once.
    void SendCommandFile();

public slots:
    void done(int result) override;

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void OnInitDialog();
    void OnConfigSelChange();
    int AddConfigEntry(const QString& name, int index);
    void SendFiles(const std::vector<std::string>& paths);
    void SaveSettings();
    void FinishTransfer();

    UiServices m_services;
    CSettings m_settings;
    PortMap m_portMap;
    int m_nStopFlag = 0;
    int m_nLineCount = 0;
    QString m_strCommandFile;
    QString m_strLastFolder;
    QString m_strSentText;
    QPointer<CCancelDlg> m_pProgress;
    bool m_bTransferring = false;
    bool m_bCloseAfterTransfer = false;
    bool m_bSaved = false;

    QWidget* m_body;
    QComboBox* m_cboPort;
    QComboBox* m_cboConfig;
    QPushButton* m_btnRefresh;
    QPushButton* m_btnNew;
    QPushButton* m_btnEdit;
    QPushButton* m_btnDelete;
    QPushButton* m_btnSendFile;
    QPushButton* m_btnSendMultiple;
    QPushButton* m_btnReceive;
    QPushButton* m_btnHelp;
    QPushButton* m_btnClose;
    QGroupBox* m_openedGroup;
    QListWidget* m_lstOpened;
    QPushButton* m_btnSendOpened;
    QLineEdit* m_editPortSettings;
    QLineEdit* m_editStatus;
};

}  // namespace sendrik
