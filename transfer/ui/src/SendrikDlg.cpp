#include "transfer/ui/SendrikDlg.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <exception>

#include "common/Cp1252.h"
#include "common/HelpWindow.h"
#include "transfer/Transfer.h"
#include "transfer/ui/ConfigPS.h"
#include "transfer/ui/SendMultipleDlg.h"
#include "transfer/ui/TransferDialogs.h"

namespace sendrik {

namespace {

// Restores the pointer on every way out.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// A line as the progress window shows it: machine text is 8-bit, and the line end and
// other control bytes have no place in a one-line box.
QString DisplayLine(const std::string& bytes) {
    QString text = QString::fromStdString(common::Cp1252ToUtf8(bytes));
    while (!text.isEmpty() && (text.back() == '\n' || text.back() == '\r')) text.chop(1);
    for (QChar& c : text) {
        if (c.unicode() < 32) c = QChar(' ');
    }
    return text;
}

}  // namespace

CSendrikDlg::CSendrikDlg(std::string configPath, QString commandFile, UiServices services,
                         QWidget* parent)
    : QDialog(parent),
      m_services(services),
      m_settings(std::move(configPath)),
      m_strCommandFile(std::move(commandFile)) {
    if (!m_services.messages || !m_services.files) {
        const UiServices defaults = UiServices::Default();
        if (!m_services.messages) m_services.messages = defaults.messages;
        if (!m_services.files) m_services.files = defaults.files;
    }
    setObjectName("CSendrikDlg");
    setWindowTitle(tr("Sendrik"));
    setWindowIcon(SendrikIcon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    // Linux windows have no system menu to extend: its two items live in a Help menu.
    auto* menuBar = new QMenuBar(this);
    menuBar->setObjectName("menuBar");
    QMenu* helpMenu = menuBar->addMenu(tr("&Help"));
    QAction* helpAction = helpMenu->addAction(tr("&Help..."));
    helpAction->setObjectName("helpAction");
    helpAction->setShortcut(QKeySequence::HelpContents);
    helpAction->setShortcutContext(Qt::WindowShortcut);
    helpMenu->addSeparator();
    QAction* aboutAction = helpMenu->addAction(tr("&About Sendrik..."));
    aboutAction->setObjectName("aboutAction");
    connect(helpAction, &QAction::triggered, this, &CSendrikDlg::ShowHelp);
    connect(aboutAction, &QAction::triggered, this, &CSendrikDlg::ShowAbout);

    m_body = new QWidget(this);
    m_body->setObjectName("body");

    auto* portGroup = new QGroupBox(tr("Port:"), m_body);
    m_cboPort = new QComboBox(portGroup);
    m_cboPort->setObjectName("portBox");
    m_cboPort->setMinimumContentsLength(24);
    m_cboPort->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_btnRefresh = MakeButton(tr("&Refresh"), "refreshButton", portGroup);
    auto* portLayout = new QHBoxLayout(portGroup);
    portLayout->addWidget(m_cboPort, 1);
    portLayout->addWidget(m_btnRefresh);

    auto* configGroup = new QGroupBox(tr("Port Configuration:"), m_body);
    m_cboConfig = new QComboBox(configGroup);
    m_cboConfig->setObjectName("configBox");
    m_cboConfig->setMinimumContentsLength(24);
    m_cboConfig->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_btnNew = MakeButton(tr("&New..."), "newButton", configGroup);
    m_btnEdit = MakeButton(tr("&Edit..."), "editButton", configGroup);
    m_btnDelete = MakeButton(tr("&Delete..."), "deleteButton", configGroup);
    auto* configButtons = new QHBoxLayout;
    configButtons->addWidget(m_btnNew);
    configButtons->addWidget(m_btnEdit);
    configButtons->addWidget(m_btnDelete);
    configButtons->addStretch();
    auto* configLayout = new QVBoxLayout(configGroup);
    configLayout->addWidget(m_cboConfig);
    configLayout->addLayout(configButtons);

    m_btnSendFile = MakeButton(tr("&Send File..."), "sendFileButton", m_body);
    m_btnSendMultiple = MakeButton(tr("Send &Multiple..."), "sendMultipleButton", m_body);
    m_btnReceive = MakeButton(tr("Rece&ive..."), "receiveButton", m_body);
    m_btnHelp = MakeButton(tr("He&lp"), "helpButton", m_body);
    m_btnClose = MakeButton(tr("&Close"), "closeButton", m_body);
    // Enter presses the focused button; elsewhere it sends, never closes.
    for (QPushButton* b : {m_btnRefresh, m_btnNew, m_btnEdit, m_btnDelete, m_btnSendFile,
                           m_btnSendMultiple, m_btnReceive, m_btnHelp, m_btnClose})
        b->setAutoDefault(true);
    m_btnSendFile->setDefault(true);
    m_btnRefresh->setToolTip(tr("Look for serial ports again (Alt+R)"));
    m_btnNew->setToolTip(tr("Make a new port configuration (Alt+N)"));
    m_btnEdit->setToolTip(tr("Change the selected port configuration (Alt+E)"));
    m_btnDelete->setToolTip(tr("Delete the selected port configuration (Alt+D)"));
    m_btnSendFile->setToolTip(tr("Choose a file and send it to the machine (Ctrl+O, Enter)"));
    m_btnSendMultiple->setToolTip(tr("Send a list of files one after another (Alt+M)"));
    m_btnReceive->setToolTip(tr("Receive a program from the machine into a file (Alt+I)"));
    m_btnHelp->setToolTip(tr("Show the help (F1)"));
    m_btnClose->setToolTip(tr("Save the configurations and quit (Ctrl+Q)"));

    auto* sendAction = new QAction(tr("Send File"), this);
    sendAction->setObjectName("sendFileAction");
    sendAction->setShortcut(QKeySequence::Open);
    sendAction->setShortcutContext(Qt::WindowShortcut);
    connect(sendAction, &QAction::triggered, this, [this] {
        if (m_btnSendFile->isEnabled() && !m_bTransferring) OnSendFile();
    });
    addAction(sendAction);
    auto* quitAction = new QAction(tr("Quit"), this);
    quitAction->setObjectName("quitAction");
    quitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // From the progress window too, so that a transfer can be stopped to quit; not over a
    // dialog the machinist is filling in.
    quitAction->setShortcutContext(Qt::ApplicationShortcut);
    connect(quitAction, &QAction::triggered, this, [this] {
        if (!QApplication::activeModalWidget()) close();
    });
    addAction(quitAction);

    m_openedGroup = new QGroupBox(tr("Files to send:"), m_body);
    m_openedGroup->setObjectName("openedFilesGroup");
    m_lstOpened = new QListWidget(m_openedGroup);
    m_lstOpened->setObjectName("openedFilesList");
    m_lstOpened->setSelectionMode(QAbstractItemView::NoSelection);
    m_lstOpened->setMaximumHeight(m_lstOpened->fontMetrics().height() * 5 + 8);
    m_btnSendOpened = MakeButton(tr("Send"), "sendOpenedButton", m_openedGroup);
    auto* openedLayout = new QHBoxLayout(m_openedGroup);
    openedLayout->addWidget(m_lstOpened, 1);
    openedLayout->addWidget(m_btnSendOpened, 0, Qt::AlignTop);
    m_openedGroup->hide();

    auto* left = new QVBoxLayout;
    left->addWidget(portGroup);
    left->addWidget(configGroup);
    left->addWidget(m_openedGroup);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addSpacing(6);
    right->addWidget(m_btnSendFile);
    right->addWidget(m_btnSendMultiple);
    right->addWidget(m_btnReceive);
    right->addStretch();
    right->addWidget(m_btnHelp);
    right->addWidget(m_btnClose);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addSpacing(6);
    top->addLayout(right);

    m_editPortSettings = new QLineEdit(m_body);
    m_editPortSettings->setObjectName("portSettingsBox");
    m_editPortSettings->setReadOnly(true);
    m_editPortSettings->setFocusPolicy(Qt::NoFocus);
    m_editPortSettings->setFixedWidth(
        m_editPortSettings->fontMetrics().horizontalAdvance("256000 8-N-1.5") + 16);
    m_editStatus = new QLineEdit(m_body);
    m_editStatus->setObjectName("statusBox");
    m_editStatus->setReadOnly(true);
    m_editStatus->setFocusPolicy(Qt::NoFocus);
    m_editStatus->setAlignment(Qt::AlignRight);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_editPortSettings);
    bottom->addWidget(m_editStatus, 1);

    auto* bodyLayout = new QVBoxLayout(m_body);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    bodyLayout->addLayout(top);
    bodyLayout->addLayout(bottom);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addWidget(m_body);

    connect(m_btnRefresh, &QPushButton::clicked, this, &CSendrikDlg::OnRefresh);
    connect(m_cboConfig, &QComboBox::activated, this, &CSendrikDlg::OnConfigSelChange);
    connect(m_btnNew, &QPushButton::clicked, this, &CSendrikDlg::OnNew);
    connect(m_btnEdit, &QPushButton::clicked, this, &CSendrikDlg::OnEdit);
    connect(m_btnDelete, &QPushButton::clicked, this, &CSendrikDlg::OnDelete);
    connect(m_btnSendFile, &QPushButton::clicked, this, &CSendrikDlg::OnSendFile);
    connect(m_btnSendMultiple, &QPushButton::clicked, this, &CSendrikDlg::OnSendMultiple);
    connect(m_btnReceive, &QPushButton::clicked, this, &CSendrikDlg::OnReceive);
    connect(m_btnSendOpened, &QPushButton::clicked, this, &CSendrikDlg::OnSendOpened);
    connect(m_btnHelp, &QPushButton::clicked, this, &CSendrikDlg::ShowHelp);
    connect(m_btnClose, &QPushButton::clicked, this, &QDialog::accept);

    OnInitDialog();
}

CSendrikDlg::~CSendrikDlg() {
    // A window torn down without being closed still keeps its configurations.
    if (!m_bSaved) {
        m_settings.m_nSelected = m_cboConfig->currentIndex();
        const std::string problem = m_settings.Save();
        if (!problem.empty()) qWarning("%s", problem.c_str());
    }
}

void CSendrikDlg::OnInitDialog() {
    QString problems;
    try {
        problems = TranslateCoreText(m_settings.Load());
    } catch (const std::exception& e) {
        problems = TranslateCoreText(e.what());
    }
    m_portMap = PortMap::Load(PortMap::MapFileFor(m_settings.m_strPath));
    for (const std::string& problem : m_portMap.Problems()) {
        if (!problems.isEmpty()) problems += "\n\n";
        problems += TranslateCoreText(problem);
    }
    FillConfigList();
    FillPortList();
    SelectConfigPort();
    UpdateButtons();
    if (!problems.isEmpty()) m_services.messages->ShowMessage(this, problems);
}

int CSendrikDlg::AddConfigEntry(const QString& name, int index) {
    int pos = 0;
    while (pos < m_cboConfig->count() &&
           QString::compare(m_cboConfig->itemText(pos), name, Qt::CaseInsensitive) <= 0)
        ++pos;
    m_cboConfig->insertItem(pos, name, index);
    return pos;
}

void CSendrikDlg::FillConfigList() {
    m_cboConfig->clear();
    for (int i = 0; i < m_settings.GetCount(); ++i)
        AddConfigEntry(FromUtf8(m_settings.GetAt(i)->m_strName), i);
    const int selected = m_settings.m_nSelected;
    m_cboConfig->setCurrentIndex(selected >= 0 && selected < m_cboConfig->count() ? selected : -1);
}

void CSendrikDlg::FillPortList() {
    BusyCursor busy;
    m_cboPort->clear();
    for (int number : EnumeratePorts(m_portMap))
        m_cboPort->addItem(FromUtf8(PortDisplayName(number, m_portMap)), number);
    if (m_cboPort->count() > 0) m_cboPort->setCurrentIndex(0);
}

void CSendrikDlg::SelectConfigPort() {
    const CPortConfig* config = SelectedConfig();
    if (!config) return;
    const int pos = m_cboPort->findData(config->m_port.m_nPort);
    if (config->m_port.m_nPort != 0 && pos >= 0) m_cboPort->setCurrentIndex(pos);
}

void CSendrikDlg::UpdateButtons() {
    const bool haveConfigs = m_cboConfig->count() > 0;
    for (QWidget* w :
         {static_cast<QWidget*>(m_btnDelete), static_cast<QWidget*>(m_btnEdit),
          static_cast<QWidget*>(m_btnSendFile), static_cast<QWidget*>(m_btnReceive),
          static_cast<QWidget*>(m_btnSendMultiple), static_cast<QWidget*>(m_cboConfig)})
        w->setEnabled(haveConfigs);
    m_btnSendOpened->setEnabled(haveConfigs && m_lstOpened->count() > 0);
    m_cboPort->setEnabled(m_cboPort->count() > 0);
}

CPortConfig* CSendrikDlg::SelectedConfig() const {
    const int pos = m_cboConfig->currentIndex();
    if (pos < 0) return nullptr;
    bool ok = false;
    const int index = m_cboConfig->itemData(pos).toInt(&ok);
    if (!ok || index < 0 || index >= m_settings.GetCount()) return nullptr;
    return m_settings.GetAt(index);
}

void CSendrikDlg::OnConfigSelChange() {
    SelectConfigPort();
}

void CSendrikDlg::OnRefresh() {
    // The port map may have been edited since the window opened.
    PortMap map = PortMap::Load(PortMap::MapFileFor(m_settings.m_strPath));
    m_portMap = std::move(map);
    FillPortList();
    UpdateButtons();
}

bool CSendrikDlg::OpenPortForTransfer(CPort& port) {
    if (port.IsOpen()) port.Close();
    const CPortConfig* config = SelectedConfig();
    const int pos = m_cboPort->currentIndex();
    const int number = pos >= 0 ? m_cboPort->itemData(pos).toInt() : 0;
    if (config && number > 0 && port.Open(number, config->m_port)) {
        SetPortSettingsText(FormatPortSettings(config->m_port));
        return true;
    }
    QString text = tr("Unable to initialize port %1").arg(m_cboConfig->currentText());
    if (!config)
        text += "\n\n" + tr("No port configuration is selected.");
    else if (number <= 0)
        text += "\n\n" + tr("No serial port was found. Connect the port and press Refresh.");
    else if (!port.LastErrorText().empty())
        text += "\n\n" + FromUtf8(PortDisplayName(number, m_portMap)) + ": " +
                TranslateCoreText(port.LastErrorText());
    m_services.messages->ShowMessage(this, text);
    return false;
}

void CSendrikDlg::OnDelete() {
    const CPortConfig* config = SelectedConfig();
    if (!config) return;
    const QString question = tr("You are about to delete \"%1\" configuration, continue?")
                                 .arg(FromUtf8(config->m_strName));
    if (!m_services.messages->AskYesNo(this, question)) return;
    const int pos = m_cboConfig->currentIndex();
    const int index = m_cboConfig->itemData(pos).toInt();
    {
        const QSignalBlocker block(m_cboConfig);
        m_cboConfig->removeItem(pos);
        m_settings.RemoveAt(index);
        // The entries after the removed configuration moved down by one in the list.
        for (int i = 0; i < m_cboConfig->count(); ++i) {
            const int data = m_cboConfig->itemData(i).toInt();
            if (data > index) m_cboConfig->setItemData(i, data - 1);
        }
        m_cboConfig->setCurrentIndex(m_cboConfig->count() > 0 ? 0 : -1);
    }
    UpdateButtons();
}

void CSendrikDlg::OnNew() {
    try {
        CPortConfig start;
        if (const CPortConfig* selected = SelectedConfig()) start.Copy(*selected);
        start.m_strName = m_settings.UniqueName(tr("New Config").toStdString());
        CConfigPS sheet(start, true, m_settings, m_portMap, m_services, this);
        if (sheet.exec() != QDialog::Accepted) return;
        auto config = std::make_unique<CPortConfig>();
        config->Copy(sheet.Config());
        const QString name = FromUtf8(config->m_strName);
        const int index = m_settings.Add(std::move(config));
        const int pos = AddConfigEntry(name, index);
        m_cboConfig->setCurrentIndex(pos);
        UpdateButtons();
    } catch (const std::exception& e) {
        qWarning("New configuration: %s", e.what());
    }
}

void CSendrikDlg::OnEdit() {
    CPortConfig* config = SelectedConfig();
    if (!config) return;
    CConfigPS sheet(*config, false, m_settings, m_portMap, m_services, this);
    if (sheet.exec() != QDialog::Accepted) return;
    const std::string oldName = config->m_strName;
    config->Copy(sheet.Config());
    if (config->m_strName != oldName) {
        const int pos = m_cboConfig->currentIndex();
        const int index = m_cboConfig->itemData(pos).toInt();
        const QSignalBlocker block(m_cboConfig);
        m_cboConfig->removeItem(pos);
        m_cboConfig->setCurrentIndex(AddConfigEntry(FromUtf8(config->m_strName), index));
    }
    SelectConfigPort();
}

void CSendrikDlg::SendFiles(const std::vector<std::string>& paths) {
    const CPortConfig* config = SelectedConfig();
    CPort port(m_portMap, this);
    if (!OpenPortForTransfer(port)) {
        UpdateButtons();
        return;
    }
    m_bTransferring = true;
    m_strSentText.clear();
    for (const std::string& path : paths) {
        if (!SendFile(port, *config, path, *this)) break;
        if (m_bCloseAfterTransfer) break;
    }
    port.Close();
    FinishTransfer();
    // The status box stays empty after a transfer: the last file's outcome goes there.
    if (!m_strSentText.isEmpty()) m_editStatus->setText(m_strSentText);
}

void CSendrikDlg::FinishTransfer() {
    m_bTransferring = false;
    SetPortSettingsText({});
    UpdateButtons();
    if (m_bCloseAfterTransfer) QTimer::singleShot(0, this, &QDialog::reject);
}

void CSendrikDlg::OnSendFile() {
    const CPortConfig* config = SelectedConfig();
    if (!config) return;
    QString start = FromUtf8(config->m_send.m_strFolder);
    if (start.isEmpty()) start = m_strLastFolder;
    const QString path = m_services.files->GetOpenFileName(this, start);
    if (path.isEmpty()) return;
    m_strLastFolder = FolderOfPath(path);
    SendFiles({path.toStdString()});
}

void CSendrikDlg::OnSendMultiple() {
    CPortConfig* config = SelectedConfig();
    if (!config) return;
    CSendMultipleDlg dlg(*config, m_services, this);
    if (dlg.exec() != QDialog::Accepted) return;
    const std::vector<std::string> paths = config->m_arrFiles;
    SendFiles(paths);
}

void CSendrikDlg::OnReceive() {
    const CPortConfig* config = SelectedConfig();
    CPort port(m_portMap, this);
    if (!OpenPortForTransfer(port)) return;
    QString start = FromUtf8(config->m_receive.m_strFolder);
    if (start.isEmpty()) start = m_strLastFolder;
    const QString path = m_services.files->GetSaveFileName(this, start);
    if (path.isEmpty()) {
        port.Close();
        SetPortSettingsText({});
        return;
    }
    m_strLastFolder = FolderOfPath(path);
    m_bTransferring = true;
    ReceiveToFile(port, *config, path.toStdString(), *this);
    FinishTransfer();
}

void CSendrikDlg::SetOpenedFiles(const QStringList& paths) {
    m_lstOpened->clear();
    for (const QString& path : paths) {
        auto* item = new QListWidgetItem(path, m_lstOpened);
        item->setData(Qt::UserRole, path);
    }
    m_openedGroup->setVisible(!paths.isEmpty());
    UpdateButtons();
}

QStringList CSendrikDlg::OpenedFiles() const {
    QStringList paths;
    for (int i = 0; i < m_lstOpened->count(); ++i)
        paths << m_lstOpened->item(i)->data(Qt::UserRole).toString();
    return paths;
}

void CSendrikDlg::OnSendOpened() {
    if (!SelectedConfig() || m_bTransferring) return;
    std::vector<std::string> paths;
    for (const QString& path : OpenedFiles()) paths.push_back(path.toStdString());
    if (!paths.empty()) SendFiles(paths);
}

void CSendrikDlg::SendCommandFile() {
    if (m_strCommandFile.isEmpty() || m_bTransferring) return;
    const QString file = m_strCommandFile;
    m_strCommandFile.clear();
    SendFiles({file.toStdString()});
}

void CSendrikDlg::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() &&
        !m_strCommandFile.isEmpty())
        // Let the window finish painting before the transfer takes over.
        QTimer::singleShot(0, this, &CSendrikDlg::SendCommandFile);
}

void CSendrikDlg::keyPressEvent(QKeyEvent* event) {
    // Esc would close the window and end the program by a stray key press; during a
    // transfer the progress window's Cancel stops it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CSendrikDlg::closeEvent(QCloseEvent* event) {
    if (m_bTransferring && !m_bCloseAfterTransfer &&
        !m_services.messages->AskYesNo(this, tr(kMsgStopTransferAndQuit))) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void CSendrikDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_strCommandFile.isEmpty()) activateWindow();
}

void CSendrikDlg::done(int result) {
    if (m_bTransferring) {
        // Stop the transfer first; the window closes when it has ended.
        m_nStopFlag = 1;
        m_bCloseAfterTransfer = true;
        return;
    }
    SaveSettings();
    common::HelpWindow::CloseAll();
    QDialog::done(result);
}

void CSendrikDlg::SaveSettings() {
    if (m_bSaved) return;
    m_bSaved = true;
    m_settings.m_nSelected = m_cboConfig->currentIndex();
    const std::string problem = m_settings.Save();
    if (!problem.empty()) m_services.messages->ShowMessage(this, TranslateCoreText(problem));
}

void CSendrikDlg::OnLine(const std::string& text) {
    if (m_nLineCount >= 1) {
        if (m_pProgress) m_pProgress->SetLineText(DisplayLine(text));
        m_nLineCount = 0;
    } else {
        ++m_nLineCount;
    }
}

void CSendrikDlg::FileSent(const std::string& path, std::uintmax_t bytes, bool complete) {
    const QString name = QFileInfo(QString::fromStdString(path)).fileName();
    m_strSentText = complete ? tr("Sent %1 (%2 bytes)").arg(name).arg(bytes)
                             : tr("Stopped sending %1 after %2 bytes").arg(name).arg(bytes);
}

void CSendrikDlg::SetStatusText(const std::string& text) {
    m_editStatus->setText(TranslateCoreText(text));
}

void CSendrikDlg::SetPortSettingsText(const std::string& text) {
    m_editPortSettings->setText(FromUtf8(text));
}

void CSendrikDlg::ShowProgress(const std::string& title, bool showBar, const std::string& text) {
    m_nLineCount = 0;
    delete m_pProgress;
    m_pProgress = new CCancelDlg(m_nStopFlag, this);
    m_pProgress->setWindowTitle(TranslateCoreText(title));
    m_pProgress->ShowBar(showBar);
    m_pProgress->SetLineText(FromUtf8(text));
    m_pProgress->show();
}

void CSendrikDlg::SetProgressPos(int percent) {
    if (m_pProgress) m_pProgress->SetProgressPos(percent);
}

void CSendrikDlg::HideProgress() {
    delete m_pProgress;
}

void CSendrikDlg::SetMainWindowEnabled(bool enabled) {
    // The body, not the window: a disabled window would disable its progress window too.
    m_body->setEnabled(enabled);
    if (QWidget* bar = layout()->menuBar()) bar->setEnabled(enabled);
    if (enabled) {
        activateWindow();
        setFocus();
    }
}

bool CSendrikDlg::RunTransferDelay(const std::string& path, int seconds) {
    CTransDelayDlg dlg(FromUtf8(path), seconds, this);
    return dlg.exec() == QDialog::Accepted;
}

void CSendrikDlg::ShowMessage(const std::string& text) {
    m_services.messages->ShowMessage(this, TranslateCoreText(text));
}

void CSendrikDlg::ShowHelp() {
    common::HelpWindow::ShowTopic(common::HelpWindow::ProgramHelpFolder(kHelpFolder), kHelpContents,
                                  kHelpTopic);
}

void CSendrikDlg::ShowAbout() {
    CAboutDlg about(this);
    about.exec();
}

}  // namespace sendrik
