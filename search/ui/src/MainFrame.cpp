#include "search/ui/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <string>

#include "common/AtomicFile.h"
#include "common/HelpWindow.h"
#include "common/ScreenFit.h"
#include "search/Config.h"
#include "search/ui/LeftView.h"
#include "search/ui/RightView.h"
#include "search/ui/ScarrowDoc.h"
#include "search/ui/SearchDlg.h"
#include "search/ui/UiSupport.h"

namespace scarrow::ui {

namespace {

const char* const kRecentGroup = "Recent File List";

QString ConfigBase() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QSettings RecentSettings() {
    CRecentFileList::MoveOldList(ConfigBase());
    return QSettings(CRecentFileList::FilePath(ConfigBase()), QSettings::IniFormat);
}

}  // namespace

QString CRecentFileList::FilePath(const QString& configBase) {
    return configBase + QStringLiteral("/tarvik/Scarrow.conf");
}

void CRecentFileList::MoveOldList(const QString& configBase) {
    const QString oldFolder =
        configBase + QStringLiteral("/Local AppWizard-Generated Applications");
    const QString oldPath = oldFolder + QStringLiteral("/Scarrow.conf");
    const QString newPath = FilePath(configBase);
    if (!QFileInfo::exists(oldPath) || QFileInfo::exists(newPath)) return;
    {
        const QSettings from(oldPath, QSettings::IniFormat);
        QSettings to(newPath, QSettings::IniFormat);
        for (const QString& key : from.allKeys()) {
            if (key.startsWith(QLatin1String(kRecentGroup) + QLatin1Char('/')))
                to.setValue(key, from.value(key));
        }
        to.sync();
        if (to.status() != QSettings::NoError) return;  // the old list stays for another try
    }
    QFile::remove(oldPath);
    QDir().rmdir(oldFolder);  // only when nothing else is kept there
}

// ---------------------------------------------------------------------------------------
// CRecentFileList

void CRecentFileList::Load() {
    m_entries.clear();
    QSettings settings = RecentSettings();
    settings.beginGroup(QLatin1String(kRecentGroup));
    for (int i = 1; i <= kMaxEntries; ++i) {
        const QString path = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!path.isEmpty() && !m_entries.contains(path)) m_entries.push_back(path);
    }
}

void CRecentFileList::Save() const {
    QSettings settings = RecentSettings();
    settings.beginGroup(QLatin1String(kRecentGroup));
    for (int i = 1; i <= kMaxEntries; ++i) {
        const QString key = QStringLiteral("File%1").arg(i);
        if (i <= m_entries.size())
            settings.setValue(key, m_entries[i - 1]);
        else
            settings.remove(key);
    }
}

void CRecentFileList::Add(const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
    m_entries.removeAll(full);
    m_entries.prepend(full);
    while (m_entries.size() > kMaxEntries) m_entries.removeLast();
    Save();
}

void CRecentFileList::Remove(const QString& path) {
    m_entries.removeAll(path);
    Save();
}

// ---------------------------------------------------------------------------------------
// CAboutDlg

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutDlg"));
    setWindowTitle(tr("About Scarrow"));
    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/scarrow/scarrow.svg")).pixmap(48, 48));
    auto* text =
        new QLabel(tr("<b>Scarrow</b> Version %1<br>Finds CNC program files by their words, "
                      "extensions and dates.")
                       .arg(QCoreApplication::applicationVersion()),
                   this);
    text->setObjectName(QStringLiteral("lblName"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

// ---------------------------------------------------------------------------------------
// CMainFrame

CMainFrame::CMainFrame(CConfig& config, IUserPrompts& prompts, QWidget* parent)
    : QMainWindow(parent), m_config(config), m_prompts(prompts), m_doc(new CScarrowDoc(this)) {
    InitUiResources();
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(QStringLiteral("Scarrow"));
    setWindowIcon(QIcon(QStringLiteral(":/scarrow/scarrow.svg")));

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("splitter"));
    m_leftView = new CLeftView(*m_doc, &m_prompts, m_splitter);
    m_splitFrame = new CSplitFrame(*m_doc, prompts, m_splitter);
    m_splitter->addWidget(m_leftView);
    m_splitter->addWidget(m_splitFrame);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setChildrenCollapsible(false);
    setCentralWidget(m_splitter);

    CreateToolBar();
    CreateMenus();
    m_recent.Load();
    UpdateRecentMenu();
    m_found = new QLabel(this);
    m_found->setObjectName(QStringLiteral("lblFilesFound"));
    statusBar()->addWidget(m_found, 1);

    // Wide enough on the left for the four columns of the list, where the screen allows.
    resize(1200, 720);
    common::FitWindowToScreen(this);
    m_splitter->setSizes({width() * 710 / 1200, width() * 490 / 1200});
}

CMainFrame::~CMainFrame() = default;

CRightView* CMainFrame::RightView() const {
    return m_splitFrame->View();
}

void CMainFrame::CreateToolBar() {
    m_toolBar = addToolBar(tr("Search"));
    m_toolBar->setObjectName(QStringLiteral("searchToolBar"));
    m_toolBar->setMovable(false);
    m_searchButton = new QPushButton(tr("&Search..."), m_toolBar);
    m_searchButton->setObjectName(QStringLiteral("btnSearchDialog"));
    m_searchButton->setToolTip(tr("Search for files (Ctrl+F, F2)"));
    m_toolBar->addWidget(m_searchButton);
    m_toolBar->setMinimumHeight(m_searchButton->sizeHint().height() + 8);
    connect(m_searchButton, &QPushButton::clicked, this, [this] { OnSearchDialog(); });
}

void CMainFrame::CreateMenus() {
    m_fileMenu = menuBar()->addMenu(tr("&File"));
    QAction* newAction = m_fileMenu->addAction(tr("&New"), this, &CMainFrame::OnFileNew);
    newAction->setShortcut(QKeySequence::New);
    QAction* openAction = m_fileMenu->addAction(tr("&Open..."), this, &CMainFrame::OnFileOpen);
    openAction->setShortcut(QKeySequence::Open);
    QAction* saveAction = m_fileMenu->addAction(tr("&Save"), this, [this] { OnFileSave(); });
    saveAction->setShortcut(QKeySequence::Save);
    m_fileMenu->addAction(tr("Save &As..."), this, [this] { OnFileSaveAs(); });
    m_recentSeparator = m_fileMenu->addSeparator();
    for (int i = 0; i < CRecentFileList::kMaxEntries; ++i) {
        QAction* a = m_fileMenu->addAction(QString());
        a->setObjectName(QStringLiteral("actionRecent%1").arg(i + 1));
        connect(a, &QAction::triggered, this, [this, a] { OpenDocument(a->data().toString()); });
        m_recentActions.push_back(a);
    }
    m_fileMenu->addSeparator();
    m_exitAction = m_fileMenu->addAction(tr("E&xit"), this, &QWidget::close);
    m_exitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    m_exitAction->setObjectName(QStringLiteral("actionExit"));

    QMenu* search = menuBar()->addMenu(tr("Sea&rch"));
    QAction* searchAction = search->addAction(tr("&Search..."), this, [this] { OnSearchDialog(); });
    searchAction->setObjectName(QStringLiteral("actionSearch"));
    searchAction->setShortcuts({QKeySequence::Find, QKeySequence(Qt::Key_F2)});
    QAction* closeFile =
        search->addAction(tr("&Close File"), this, [this] { RightView()->Clear(); });
    closeFile->setObjectName(QStringLiteral("actionCloseFile"));
    closeFile->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    // The text is read-only: only Copy has something to do.
    QAction* undo = edit->addAction(tr("&Undo"));
    undo->setShortcut(QKeySequence::Undo);
    undo->setEnabled(false);
    edit->addSeparator();
    QAction* cut = edit->addAction(tr("Cu&t"));
    cut->setShortcut(QKeySequence::Cut);
    cut->setEnabled(false);
    m_copyAction = edit->addAction(tr("&Copy"), RightView(), &CRightView::copy);
    m_copyAction->setShortcut(QKeySequence::Copy);
    m_copyAction->setEnabled(false);
    connect(RightView(), &CRightView::copyAvailable, m_copyAction, &QAction::setEnabled);
    QAction* paste = edit->addAction(tr("&Paste"));
    paste->setShortcut(QKeySequence::Paste);
    paste->setEnabled(false);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    QAction* topics = help->addAction(tr("Scarrow &Help"), this, [] {
        common::HelpWindow::ShowTopic(
            common::HelpWindow::ProgramHelpFolder(QStringLiteral("scarrow")),
            QStringLiteral("index.htm"), QStringLiteral("ScarrowHelp.htm"));
    });
    topics->setShortcut(QKeySequence::HelpContents);
    help->addSeparator();
    help->addAction(tr("&About Scarrow..."), this, &CMainFrame::OnAbout);
}

void CMainFrame::UpdateRecentMenu() {
    const QStringList& entries = m_recent.Entries();
    for (int i = 0; i < m_recentActions.size(); ++i) {
        QAction* a = m_recentActions[i];
        if (i < entries.size()) {
            a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(entries[i]).fileName()));
            a->setToolTip(entries[i]);
            a->setData(entries[i]);
            a->setVisible(true);
        } else {
            a->setVisible(false);
        }
    }
    m_recentSeparator->setVisible(!entries.isEmpty());
}

void CMainFrame::ActivateFrame() {
    show();
    raise();
    activateWindow();
    QTimer::singleShot(0, this, [this] { OnSearchDialog(); });
}

int CMainFrame::OnSearchDialog() {
    if (m_inDialog) return QDialog::Rejected;
    m_inDialog = true;
    CSearchDlg dlg(*m_doc, m_config, m_prompts, this);
    if (m_beforeSearchDialog) m_beforeSearchDialog(dlg);
    const int result = dlg.exec();
    m_inDialog = false;
    // The dialog closes accepted only after a search; Cancel keeps what was found before.
    if (result == QDialog::Accepted) {
        const auto count = m_doc->Results().size();
        m_found->setText(count == 1 ? tr("1 file found") : tr("%1 files found").arg(count));
    }
    return result;
}

void CMainFrame::OnFileNew() {
    m_documentPath.clear();
    m_doc->ClearResults();
    m_found->clear();
    ActivateFrame();
}

void CMainFrame::OnFileOpen() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Open"));
    if (!path.isEmpty()) OpenDocument(path);
}

void CMainFrame::OpenDocument(const QString& path) {
    if (!QFileInfo::exists(path)) {
        m_prompts.ShowMessage(this, tr("%1\nThis file cannot be found.").arg(path),
                              IUserPrompts::Icon::Warning);
        m_recent.Remove(path);
        UpdateRecentMenu();
        return;
    }
    // The document keeps nothing in its file: opening one starts a fresh result list.
    m_documentPath = QFileInfo(path).absoluteFilePath();
    m_recent.Add(m_documentPath);
    UpdateRecentMenu();
    m_doc->ClearResults();
    ActivateFrame();
}

bool CMainFrame::OnFileSave() {
    if (m_documentPath.isEmpty()) return OnFileSaveAs();
    return SaveDocumentAs(m_documentPath);
}

bool CMainFrame::OnFileSaveAs() {
    const QString path = QFileDialog::getSaveFileName(this, tr("Save As"), m_documentPath);
    if (path.isEmpty()) return false;
    return SaveDocumentAs(path);
}

bool CMainFrame::SaveDocumentAs(const QString& path) {
    std::string error;
    if (!common::WriteFileAtomically(PathFromQString(path), std::string_view(), &error)) {
        m_prompts.ShowMessage(this,
                              tr("Unable to save %1: %2").arg(path, QString::fromStdString(error)),
                              IUserPrompts::Icon::Warning);
        return false;
    }
    m_documentPath = QFileInfo(path).absoluteFilePath();
    m_recent.Add(m_documentPath);
    UpdateRecentMenu();
    return true;
}

void CMainFrame::OnAbout() {
    CAboutDlg dlg(this);
    dlg.exec();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // Ends a file still loading into the text view.
    RightView()->Clear();
    common::HelpWindow::CloseAll();
    QMainWindow::closeEvent(event);
}

}  // namespace scarrow::ui
