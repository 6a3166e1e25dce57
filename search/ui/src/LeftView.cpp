#include "search/ui/LeftView.h"

#include <QAction>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QDrag>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QMimeData>
#include <QUrl>
#include <algorithm>

#include "search/ui/ScarrowDoc.h"
#include "search/ui/UiSupport.h"

namespace scarrow::ui {

namespace {

// Splits at the last '/'; the location is empty when that is the first character or
// there is none.
qsizetype LastSlash(const QString& path) {
    return path.lastIndexOf(QLatin1Char('/'));
}

}  // namespace

CResultListModel::CResultListModel(QObject* parent) : QAbstractTableModel(parent) {
    InitUiResources();
    m_icon = QIcon(QStringLiteral(":/scarrow/scarrow.svg"));
}

void CResultListModel::Clear() {
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void CResultListModel::Append(CSearchResult* result) {
    const int row = static_cast<int>(m_rows.size());
    beginInsertRows({}, row, row);
    m_rows.push_back(result);
    endInsertRows();
}

CSearchResult* CResultListModel::ResultAt(int row) const {
    if (row < 0 || row >= static_cast<int>(m_rows.size())) return nullptr;
    return m_rows[static_cast<std::size_t>(row)];
}

QString CResultListModel::FileNameText(const CSearchResult& result) {
    const QString path = PathToQString(result.m_strPath);
    return path.mid(LastSlash(path) + 1);
}

QString CResultListModel::LocationText(const CSearchResult& result) {
    const QString path = PathToQString(result.m_strPath);
    const qsizetype slash = LastSlash(path);
    return slash > 0 ? path.left(slash) : QString();
}

QString CResultListModel::ModifiedText(const CSearchResult& result) {
    const QDateTime dt = ToQDateTime(result.m_date);
    if (!dt.isValid()) return tr("Invalid DateTime");
    return QLocale::system().toString(dt, QLocale::ShortFormat);
}

QString CResultListModel::SizeText(const CSearchResult& result) {
    return QString::number(result.m_dwSize);
}

int CResultListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CResultListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CResultListModel::data(const QModelIndex& index, int role) const {
    const CSearchResult* result = ResultAt(index.row());
    if (!result) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            switch (index.column()) {
                case ColName:
                    return role == Qt::ToolTipRole ? PathToQString(result->m_strPath)
                                                   : FileNameText(*result);
                case ColLocation:
                    return LocationText(*result);
                case ColModified:
                    return ModifiedText(*result);
                case ColSize:
                    return SizeText(*result);
            }
            break;
        case Qt::DecorationRole:
            if (index.column() == ColName) return m_icon;
            break;
        case Qt::TextAlignmentRole:
            return index.column() == ColSize ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                             : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        default:
            break;
    }
    return {};
}

QVariant CResultListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole) {
        switch (section) {
            case ColName:
                return tr("File Name");
            case ColLocation:
                return tr("Location");
            case ColModified:
                return tr("Last Modified");
            case ColSize:
                return tr("Size");
        }
    }
    if (role == Qt::TextAlignmentRole)
        return section == ColSize ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                  : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags CResultListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled |
           Qt::ItemNeverHasChildren;
}

void CResultListModel::sort(int column, Qt::SortOrder) {
    auto less = [column](const CSearchResult* a, const CSearchResult* b) -> bool {
        switch (column) {
            case ColName:
                return FileNameText(*a).compare(FileNameText(*b), Qt::CaseInsensitive) < 0;
            case ColLocation:
                return LocationText(*a).compare(LocationText(*b), Qt::CaseInsensitive) < 0;
            case ColModified:
                // An invalid date goes after every valid one.
                if (a->m_date.IsValid() != b->m_date.IsValid()) return a->m_date.IsValid();
                return a->m_date.IsValid() && a->m_date.GetValue() < b->m_date.GetValue();
            case ColSize:
                return a->m_dwSize < b->m_dwSize;
        }
        return false;
    };
    if (column < 0 || column >= ColumnCount) return;

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<CSearchResult*> persistentRows;
    persistentRows.reserve(static_cast<std::size_t>(before.size()));
    for (const QModelIndex& index : before) persistentRows.push_back(ResultAt(index.row()));

    std::stable_sort(m_rows.begin(), m_rows.end(), less);

    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        const auto it =
            std::find(m_rows.begin(), m_rows.end(), persistentRows[static_cast<std::size_t>(i)]);
        after.push_back(it == m_rows.end()
                            ? QModelIndex()
                            : index(static_cast<int>(it - m_rows.begin()), before[i].column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QStringList CResultListModel::mimeTypes() const {
    return {QStringLiteral("text/uri-list"), QString::fromLatin1(kPrivateMimeType)};
}

QMimeData* CResultListModel::mimeData(const QModelIndexList& indexes) const {
    std::vector<int> rows;
    for (const QModelIndex& index : indexes)
        if (index.isValid()) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());

    QList<QUrl> urls;
    for (int row : rows)
        if (const CSearchResult* result = ResultAt(row))
            urls.push_back(QUrl::fromLocalFile(PathToQString(result->m_strPath)));
    if (urls.isEmpty()) return nullptr;

    auto* mime = new QMimeData;
    mime->setUrls(urls);
    // One byte: marks the drag as coming from this program.
    mime->setData(QString::fromLatin1(kPrivateMimeType), QByteArray(1, '\1'));
    return mime;
}

CLeftView::CLeftView(CScarrowDoc& doc, IUserPrompts* prompts, QWidget* parent)
    : QTreeView(parent),
      m_openUrl([](const QUrl& url) { return QDesktopServices::openUrl(url); }),
      m_doc(doc),
      m_prompts(prompts),
      m_model(new CResultListModel(this)),
      m_open(new QAction(tr("Open"), this)),
      m_openFolder(new QAction(tr("Open Containing Folder"), this)),
      m_copyPath(new QAction(tr("Copy Full Path"), this)) {
    setObjectName(QStringLiteral("leftView"));
    setModel(m_model);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(16, 16));
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);

    QHeaderView* head = header();
    head->setStretchLastSection(false);
    head->setSectionsClickable(true);
    head->setSortIndicatorShown(false);
    head->resizeSection(CResultListModel::ColName, 200);
    head->resizeSection(CResultListModel::ColLocation, 200);
    head->resizeSection(CResultListModel::ColModified, 200);
    head->resizeSection(CResultListModel::ColSize, 96);
    connect(head, &QHeaderView::sectionClicked, this, &CLeftView::OnHeaderClicked);

    connect(&doc, &CScarrowDoc::Updated, this, &CLeftView::OnDocUpdated);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { OnCurrentRowChanged(current); });

    m_open->setObjectName(QStringLiteral("actionOpen"));
    m_open->setShortcut(QKeySequence(Qt::Key_Return));
    m_open->setShortcutVisibleInContextMenu(true);
    // Enter itself is handled in keyPressEvent: as a shortcut it would also fire in
    // the rest of the window.
    m_open->setShortcutContext(Qt::WidgetShortcut);
    m_openFolder->setObjectName(QStringLiteral("actionOpenFolder"));
    m_copyPath->setObjectName(QStringLiteral("actionCopyPath"));
    connect(m_open, &QAction::triggered, this, &CLeftView::OnOpen);
    connect(m_openFolder, &QAction::triggered, this, &CLeftView::OnOpenFolder);
    connect(m_copyPath, &QAction::triggered, this, &CLeftView::OnCopyPath);
    addActions({m_open, m_openFolder, m_copyPath});
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CLeftView::UpdateActions);
    connect(m_model, &QAbstractItemModel::modelReset, this, &CLeftView::UpdateActions);
    UpdateActions();
}

QStringList CLeftView::SelectedPaths() const {
    QModelIndexList rows = selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QStringList paths;
    for (const QModelIndex& index : rows)
        if (const CSearchResult* result = m_model->ResultAt(index.row()))
            paths << PathToQString(result->m_strPath);
    return paths;
}

void CLeftView::UpdateActions() {
    const bool any = selectionModel()->hasSelection();
    m_open->setEnabled(any);
    m_openFolder->setEnabled(any);
    m_copyPath->setEnabled(any);
}

void CLeftView::OpenUrls(const QList<QUrl>& urls) {
    if (urls.size() > kMaxOpenAtOnce) {
        if (m_prompts)
            m_prompts->ShowMessage(
                window(),
                tr("%1 files are selected. Select at most %2 to open them at once.")
                    .arg(urls.size())
                    .arg(kMaxOpenAtOnce),
                IUserPrompts::Icon::Information);
        return;
    }
    QStringList failed;
    for (const QUrl& url : urls)
        if (!m_openUrl(url)) failed << url.toLocalFile();
    if (!failed.isEmpty() && m_prompts)
        m_prompts->ShowMessage(
            window(),
            tr("No program could open:\n%1\n\nSet a default application for this type of file "
               "in the desktop's settings (or in the file manager: Open With, then make the "
               "program the default), then open it again.")
                .arg(failed.join(QLatin1Char('\n'))),
            IUserPrompts::Icon::Warning);
}

void CLeftView::OnOpen() {
    QList<QUrl> urls;
    for (const QString& path : SelectedPaths()) urls << QUrl::fromLocalFile(path);
    OpenUrls(urls);
}

void CLeftView::OnOpenFolder() {
    QList<QUrl> urls;
    for (const QString& path : SelectedPaths()) {
        const QUrl folder = QUrl::fromLocalFile(QFileInfo(path).absolutePath());
        if (!urls.contains(folder)) urls << folder;
    }
    OpenUrls(urls);
}

void CLeftView::OnCopyPath() {
    const QStringList paths = SelectedPaths();
    if (!paths.isEmpty()) QGuiApplication::clipboard()->setText(paths.join(QLatin1Char('\n')));
}

void CLeftView::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (m_open->isEnabled()) m_open->trigger();
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void CLeftView::OnDocUpdated(QObject* sender, int hint, CSearchResult* result) {
    if (sender == this) return;
    if (hint == CScarrowDoc::HintCleared) {
        m_model->Clear();
        header()->setSortIndicatorShown(false);
    } else if (hint == CScarrowDoc::HintAdded && result) {
        m_model->Append(result);
    }
}

void CLeftView::OnCurrentRowChanged(const QModelIndex& current) {
    if (CSearchResult* result = m_model->ResultAt(current.row())) m_doc.ShowResult(result, this);
}

void CLeftView::OnHeaderClicked(int section) {
    m_model->sort(section, Qt::AscendingOrder);
    header()->setSortIndicatorShown(true);
    header()->setSortIndicator(section, Qt::AscendingOrder);
    if (currentIndex().isValid()) scrollTo(currentIndex());
}

QMimeData* CLeftView::MimeDataForSelection() const {
    return m_model->mimeData(selectionModel()->selectedRows());
}

void CLeftView::startDrag(Qt::DropActions) {
    QMimeData* mime = MimeDataForSelection();
    if (!mime) return;
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->setPixmap(QIcon(QStringLiteral(":/scarrow/scarrow.svg")).pixmap(32, 32));
    // Copy or move is the receiver's business: the list itself stays as it is.
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
}

}  // namespace scarrow::ui
