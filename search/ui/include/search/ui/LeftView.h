#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QTreeView>
#include <vector>

#include "search/SearchResult.h"

class QMimeData;

namespace scarrow::ui {

class CScarrowDoc;

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

// The result list on the left of the window.
class CLeftView : public QTreeView {
    Q_OBJECT
public:
    explicit CLeftView(CScarrowDoc& doc, QWidget* parent = nullptr);

    CResultListModel* Model() const { return m_model; }
    // What a drag of the selected rows offers; the caller owns it.
    QMimeData* MimeDataForSelection() const;

protected:
    void startDrag(Qt::DropActions supportedActions) override;

private:
    void OnDocUpdated(QObject* sender, int hint, CSearchResult* result);
    void OnCurrentRowChanged(const QModelIndex& current);
    void OnHeaderClicked(int section);

    CScarrowDoc& m_doc;
    CResultListModel* m_model;
};

}  // namespace scarrow::ui
