#include "common/HelpWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPointer>
#include <QShortcut>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include "common/InstallLayout.h"
#include "common/ScreenFit.h"

namespace common {

namespace {

QList<QPointer<HelpWindow>>& Registry() {
    static QList<QPointer<HelpWindow>> windows;
    return windows;
}

QString CleanFolder(const QString& folder) {
    return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

HelpWindow* FindWindow(const QString& folder) {
    for (const auto& w : Registry()) {
        if (w && w->Folder() == folder) return w;
    }
    return nullptr;
}

QString ReadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

}  // namespace

HelpWindow::HelpWindow(const QString& folder, const QString& contentsPage)
    : QWidget(nullptr, Qt::Window), folder_(folder), contentsPage_(contentsPage) {
    setObjectName("HelpWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    resize(860, 600);

    auto* splitter = new QSplitter(this);
    contents_ = new QListWidget(splitter);
    contents_->setObjectName("lstContents");
    browser_ = new QTextBrowser(splitter);
    browser_->setObjectName("txtTopic");
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({folder_});
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 560});

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::OnSourceChanged);
    connect(contents_, &QListWidget::itemActivated, this, &HelpWindow::OnContentsItem);
    connect(contents_, &QListWidget::itemClicked, this, &HelpWindow::OnContentsItem);

    auto* closeKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(closeKey, &QShortcut::activated, this, &QWidget::close);

    BuildContents();
    Registry().append(this);
}

QString HelpWindow::NormaliseTopic(const QString& topic) {
    QString t = topic.trimmed();
    t.replace('\\', '/');
    if (t.startsWith("::")) t.remove(0, 2);
    while (t.startsWith('/')) t.remove(0, 1);
    return t;
}

QString HelpWindow::ResolveInside(const QString& relative) const {
    QString path = relative;
    const int hash = path.indexOf('#');
    if (hash >= 0) path.truncate(hash);
    if (path.isEmpty()) return {};
    const QString full = QDir::cleanPath(folder_ + "/" + path);
    // Topics never reach outside their help folder.
    if (!full.startsWith(folder_ + "/")) return {};
    if (!QFileInfo(full).isFile()) return {};
    return full;
}

bool HelpWindow::ShowRelative(const QString& relative) {
    const QString normal = NormaliseTopic(relative);
    const QString full = ResolveInside(normal);
    if (full.isEmpty()) return false;
    QUrl url = QUrl::fromLocalFile(full);
    const int hash = normal.indexOf('#');
    if (hash >= 0) url.setFragment(normal.mid(hash + 1));
    browser_->setSource(url);
    return true;
}

void HelpWindow::BuildContents() {
    contents_->clear();
    const QString contentsFile = ResolveInside(NormaliseTopic(contentsPage_));
    if (contentsFile.isEmpty()) return;
    const QString html = ReadText(contentsFile);
    QTextDocument doc;
    doc.setHtml(html);
    const QString title = doc.metaInformation(QTextDocument::DocumentTitle);
    setWindowTitle(title.isEmpty() ? tr("Help") : title);

    auto* top = new QListWidgetItem(tr("Contents"), contents_);
    top->setData(Qt::UserRole, QFileInfo(contentsFile).absoluteFilePath());

    const QDir base = QFileInfo(contentsFile).absoluteDir();
    QString lastHref;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || !fragment.charFormat().isAnchor()) continue;
            const QString href = fragment.charFormat().anchorHref();
            const QUrl url(href);
            if (href.isEmpty() || href.startsWith('#') ||
                (!url.scheme().isEmpty() && url.scheme() != "file"))
                continue;
            const QString target = QDir::cleanPath(base.absoluteFilePath(url.path()));
            const QString text = fragment.text().simplified();
            if (href == lastHref && contents_->count() > 0) {
                // One link split over several fragments (bold inside a link, say).
                auto* last = contents_->item(contents_->count() - 1);
                last->setText((last->text() + " " + text).simplified());
                continue;
            }
            lastHref = href;
            if (!target.startsWith(folder_ + "/") || text.isEmpty()) continue;
            auto* item = new QListWidgetItem(text, contents_);
            item->setData(Qt::UserRole, target);
        }
    }
}

void HelpWindow::OnContentsItem(QListWidgetItem* item) {
    if (!item) return;
    const QString target = item->data(Qt::UserRole).toString();
    if (QFileInfo(target).isFile()) browser_->setSource(QUrl::fromLocalFile(target));
}

void HelpWindow::OnSourceChanged(const QUrl& url) {
    const QString path = QDir::cleanPath(url.toLocalFile());
    for (int i = 0; i < contents_->count(); ++i) {
        if (contents_->item(i)->data(Qt::UserRole).toString() == path) {
            QSignalBlocker block(contents_);
            contents_->setCurrentRow(i);
            return;
        }
    }
    contents_->clearSelection();
}

QString HelpWindow::CurrentTopic() const {
    const QString path = QDir::cleanPath(browser_->source().toLocalFile());
    if (!path.startsWith(folder_ + "/")) return {};
    return path.mid(folder_.size() + 1);
}

QStringList HelpWindow::ContentsTitles() const {
    QStringList titles;
    for (int i = 0; i < contents_->count(); ++i) titles << contents_->item(i)->text();
    return titles;
}

HelpWindow* HelpWindow::ShowTopic(const QString& folder, const QString& contentsPage,
                                  const QString& topic) {
    const QString clean = CleanFolder(folder);
    if (!QFileInfo(clean).isDir()) return nullptr;
    HelpWindow* window = FindWindow(clean);
    const bool created = window == nullptr;
    if (created) window = new HelpWindow(clean, contentsPage);
    if (!window->ShowRelative(topic)) {
        if (created) {
            Registry().removeAll(window);
            delete window;
        }
        return nullptr;
    }
    if (created) FitWindowToScreen(window);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

HelpWindow* HelpWindow::ShowContents(const QString& folder, const QString& contentsPage) {
    return ShowTopic(folder, contentsPage, contentsPage);
}

void HelpWindow::CloseAll() {
    const auto windows = Registry();
    Registry().clear();
    for (const auto& w : windows) {
        if (w) {
            w->close();
            delete w.data();
        }
    }
}

QList<HelpWindow*> HelpWindow::OpenWindows() {
    QList<HelpWindow*> open;
    Registry().removeAll(QPointer<HelpWindow>());
    for (const auto& w : Registry()) {
        if (w && w->isVisible()) open << w.data();
    }
    return open;
}

QString HelpWindow::ProgramHelpFolder(const QString& name) {
    // A build tree or a portable copy keeps the help beside the program; an installed
    // program finds it in the suite's data folder of its prefix.
    const QString programDir = QCoreApplication::applicationDirPath();
    const QString beside = programDir + "/help/" + name;
    if (QFileInfo(beside).isDir()) return beside;
    const std::filesystem::path data =
        InstalledDataFolder(QFile::encodeName(programDir).toStdString());
    const QString installed = QFile::decodeName(data.c_str()) + "/help/" + name;
    if (QFileInfo(installed).isDir()) return installed;
    return beside;
}

}  // namespace common
