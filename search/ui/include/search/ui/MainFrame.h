#pragma once

#include <QDialog>
#include <QMainWindow>
#include <QStringList>
#include <functional>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QSplitter;
class QToolBar;

namespace scarrow {
class CConfig;
}

namespace scarrow::ui {

class CLeftView;
class CRightView;
class CScarrowDoc;
class CSearchDlg;
class CSplitFrame;
class IUserPrompts;

// The recent-file list of the File menu, kept with the suite's other files in
// ~/.config/tarvik/Scarrow.conf (group "Recent File List"). A list that earlier versions
// kept in ~/.config/Local AppWizard-Generated Applications/Scarrow.conf moves there the
// first time the list is read.
class CRecentFileList {
public:
    static constexpr int kMaxEntries = 4;
    // The list's file below a configuration folder (~/.config).
    static QString FilePath(const QString& configBase);
    // Moves the old list below `configBase` into the new file, unless that exists already.
    static void MoveOldList(const QString& configBase);
    void Load();
    void Save() const;
    void Add(const QString& path);
    void Remove(const QString& path);
    const QStringList& Entries() const { return m_entries; }

private:
    QStringList m_entries;
};

// "About Scarrow": the icon, the name and OK.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

// The main window: the "Search" toolbar with its "Search..." button, the result list
// on the left and the text of the chosen file on the right.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CConfig& config, IUserPrompts& prompts, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CScarrowDoc& Document() const { return *m_doc; }
    CLeftView* LeftView() const { return m_leftView; }
    CRightView* RightView() const;

    // Shows the window and then runs the search dialog (at start and after New/Open).
    void ActivateFrame();
    // The search dialog, modal; returns its result.
    int OnSearchDialog();
    // Called with the dialog before it runs (tests drive it from here).
    std::function<void(CSearchDlg&)> m_beforeSearchDialog;

    void OnFileNew();
    void OnFileOpen();
    void OpenDocument(const QString& path);
    bool OnFileSave();
    bool OnFileSaveAs();
    void OnAbout();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
    void CreateToolBar();
    void UpdateRecentMenu();
    bool SaveDocumentAs(const QString& path);

    CConfig& m_config;
    IUserPrompts& m_prompts;
    CScarrowDoc* m_doc;
    QSplitter* m_splitter = nullptr;
    CLeftView* m_leftView = nullptr;
    CSplitFrame* m_splitFrame = nullptr;
    QToolBar* m_toolBar = nullptr;
    QPushButton* m_searchButton = nullptr;
    QLabel* m_found = nullptr;
    QMenu* m_fileMenu = nullptr;
    QAction* m_recentSeparator = nullptr;
    QAction* m_exitAction = nullptr;
    QList<QAction*> m_recentActions;
    QAction* m_copyAction = nullptr;
    CRecentFileList m_recent;
    QString m_documentPath;
    bool m_inDialog = false;
};

}  // namespace scarrow::ui
