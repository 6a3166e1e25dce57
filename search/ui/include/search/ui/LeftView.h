#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QTreeView>
#include <QUrl>
#include <functional>
#include <vector>

#include "search/SearchResult.h"

class QAction;
class QMimeData;

namespace scarrow::ui {

class CScarrowDoc;
class IUserPrompts;

// The rows of the result list; texts are made when the view asks for them.
class CResultListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ColName = 0, ColLocation = 1, ColModified = 2, ColSize = 3, ColumnCount = 4 };
    static constexpr const char* kPrivateMimeType = "application/x-scarrow-file-list";

    explicit CResultListModel(QObject* parent = nullptr);

    void Clear();
    void Append(CSearchResult* result);
    CSearchResult* ResultAt(int row) const;

    // The texts of the four columns.
    static QString FileNameText(const CSearchResult& result);
    static QString LocationText(const CSearchResult& result);
    static QString ModifiedText(const CSearchResult& result);
    static QString SizeText(const CSearchResult& result);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Always ascending, whatever `order` says: the list has no descending order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    QStringList mimeTypes() const override;
    // The files as URLs (a file list other programs accept) plus our private type.
    QMimeData* mimeData(const QModelIndexList& indexes) const override;

private:
    std::vector<CSearchResult*> m_rows;
    QIcon m_icon;
};

// The result list on the left of the window. Its context menu opens the selected files
// with the desktop's default application ("Open", also Enter), opens their folders and
// copies their paths.
class CLeftView : public QTreeView {
    Q_OBJECT
public:
    // More files than this are not opened at once: a slip of Ctrl+A and Enter would start
    // an editor for every program found.
    static constexpr int kMaxOpenAtOnce = 20;

    explicit CLeftView(CScarrowDoc& doc, IUserPrompts* prompts = nullptr,
                       QWidget* parent = nullptr);

    CResultListModel* Model() const { return m_model; }
    // What a drag of the selected rows offers; the caller owns it.
    QMimeData* MimeDataForSelection() const;
    // The full paths of the selected rows, in list order.
    QStringList SelectedPaths() const;

    QAction* OpenAction() const { return m_open; }
    QAction* OpenFolderAction() const { return m_openFolder; }
    QAction* CopyPathAction() const { return m_copyPath; }

    void OnOpen();
    void OnOpenFolder();
    void OnCopyPath();

    // Hands a file or folder to the desktop (QDesktopServices::openUrl); tests replace it.
    std::function<bool(const QUrl&)> m_openUrl;

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void UpdateActions();
    void OpenUrls(const QList<QUrl>& urls);

    void OnDocUpdated(QObject* sender, int hint, CSearchResult* result);
    void OnCurrentRowChanged(const QModelIndex& current);
    void OnHeaderClicked(int section);

    CScarrowDoc& m_doc;
    IUserPrompts* m_prompts;
    CResultListModel* m_model;
    QAction* m_open;
    QAction* m_openFolder;
    QAction* m_copyPath;
};

}  // namespace scarrow::ui
