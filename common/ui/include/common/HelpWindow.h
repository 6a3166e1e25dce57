#pragma once

// The help viewer shared by the three programs.
//
// Help is a folder of HTML topics beside the program or installed with it (see
// ProgramHelpFolder) with one contents page that links every topic. A help window shows
// the contents as a list on the left and the topic on the right. One window is kept per
// help folder: asking again for a topic of the same folder reuses it.
//
// Topics are relative file names inside the folder. Windows-style names are accepted:
// "html\\RATriangle.htm" opens html/RATriangle.htm and "::/conn4oof.htm" opens
// conn4oof.htm; an anchor ("page.htm#part") scrolls to it. A missing folder, contents
// page or topic is silent: nothing opens and nullptr is returned.
//
// Typical use:
//   const QString folder = common::HelpWindow::ProgramHelpFolder("sendrik");
//   common::HelpWindow::ShowTopic(folder, "index.htm", "::/conn4oof.htm");
//   ...
//   common::HelpWindow::CloseAll();   // when the program's window closes

#include <QList>
#include <QString>
#include <QUrl>
#include <QWidget>

class QListWidget;
class QTextBrowser;
class QListWidgetItem;

namespace common {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // Opens (or brings forward) the help window of `folder` showing `topic`.
    // `contentsPage` is the relative name of the folder's contents page.
    static HelpWindow* ShowTopic(const QString& folder, const QString& contentsPage,
                                 const QString& topic);
    // Opens (or brings forward) the help window of `folder` showing the contents page.
    static HelpWindow* ShowContents(const QString& folder, const QString& contentsPage);
    // Closes every help window the program has opened.
    static void CloseAll();
    // The help windows now open.
    static QList<HelpWindow*> OpenWindows();

    // <folder of the running program>/help/<name>; for an installed program, where that
    // folder is missing, <prefix>/share/tarvik/help/<name> (see common/InstallLayout.h).
    static QString ProgramHelpFolder(const QString& name);
    // Maps a topic name to a clean relative path ("html\\a.htm" -> "html/a.htm",
    // "::/a.htm" -> "a.htm"); the anchor, if any, is kept after "#".
    static QString NormaliseTopic(const QString& topic);

    // Relative path (inside the help folder) of the topic on show, without anchor.
    QString CurrentTopic() const;
    // Titles of the entries of the contents list, in order.
    QStringList ContentsTitles() const;
    QString Folder() const { return folder_; }

private:
    HelpWindow(const QString& folder, const QString& contentsPage);
    bool ShowRelative(const QString& relative);
    void BuildContents();
    void OnSourceChanged(const QUrl& url);
    void OnContentsItem(QListWidgetItem* item);
    QString ResolveInside(const QString& relative) const;

    QString folder_;
    QString contentsPage_;
    QListWidget* contents_ = nullptr;
    QTextBrowser* browser_ = nullptr;
};

}  // namespace common
