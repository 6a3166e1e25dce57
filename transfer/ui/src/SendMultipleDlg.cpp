#include "transfer/ui/SendMultipleDlg.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace sendrik {

namespace {

constexpr int kPathRole = Qt::UserRole;

}  // namespace

CSendMultipleDlg::CSendMultipleDlg(CPortConfig& config, UiServices services, QWidget* parent)
    : QDialog(parent), m_config(config), m_services(services) {
    if (!m_services.messages) m_services.messages = UiServices::Default().messages;
    if (!m_services.files) m_services.files = UiServices::Default().files;
    setObjectName("CSendMultipleDlg");
    setWindowTitle(tr("Send Multiple Files"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    m_list = new QTreeWidget(this);
    m_list->setObjectName("fileList");
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({tr("File name"), tr("File Location")});
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setAllColumnsShowFocus(true);
    m_list->header()->setStretchLastSection(true);
    m_list->setColumnWidth(0, 200);
    m_list->setColumnWidth(1, 500);
    m_list->setMinimumWidth(720);

    m_btnSend = MakeButton(tr("Send"), "sendButton", this);
    m_btnSend->setDefault(true);
    m_btnSend->setAutoDefault(true);
    auto* cancel = MakeButton(tr("Cancel"), "cancelButton", this);
    auto* add = MakeButton(tr("Add..."), "addButton", this);
    m_btnUp = MakeButton(tr("Up"), "upButton", this);
    m_btnDown = MakeButton(tr("Down"), "downButton", this);
    m_btnRemove = MakeButton(tr("Remove"), "removeButton", this);
    m_btnRemoveAll = MakeButton(tr("Remove All"), "removeAllButton", this);

    auto* side = new QVBoxLayout;
    side->addWidget(m_btnSend);
    side->addWidget(cancel);
    side->addSpacing(16);
    side->addWidget(add);
    side->addWidget(m_btnUp);
    side->addWidget(m_btnDown);
    side->addWidget(m_btnRemove);
    side->addWidget(m_btnRemoveAll);
    side->addStretch();

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(tr("Files to send:"), this));
    left->addWidget(m_list, 1);
    left->addWidget(
        new QLabel(tr("Files will be sent in the order that they appear in the list."), this));
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(side);
    resize(760, 360);

    connect(m_btnSend, &QPushButton::clicked, this, &CSendMultipleDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CSendMultipleDlg::reject);
    connect(add, &QPushButton::clicked, this, &CSendMultipleDlg::OnAdd);
    connect(m_btnUp, &QPushButton::clicked, this, &CSendMultipleDlg::OnUp);
    connect(m_btnDown, &QPushButton::clicked, this, &CSendMultipleDlg::OnDown);
    connect(m_btnRemove, &QPushButton::clicked, this, &CSendMultipleDlg::OnRemove);
    connect(m_btnRemoveAll, &QPushButton::clicked, this, &CSendMultipleDlg::OnRemoveAll);

    for (const std::string& path : m_config.m_arrFiles) AddRow(QString::fromStdString(path));
    UpdateButtons();
}

bool CSendMultipleDlg::AddRow(const QString& path, int position) {
    const QString folder = FolderOfPath(path);
    const QString name =
        folder.isEmpty() ? QString() : path.mid(folder.size() == 1 ? 1 : folder.size() + 1);
    if (folder.isEmpty() || name.isEmpty()) return false;
    auto* item = new QTreeWidgetItem({name, folder});
    item->setData(0, kPathRole, path);
    item->setToolTip(0, path);
    item->setToolTip(1, path);
    if (position < 0 || position > m_list->topLevelItemCount())
        position = m_list->topLevelItemCount();
    m_list->insertTopLevelItem(position, item);
    return true;
}

QStringList CSendMultipleDlg::Paths() const {
    QStringList paths;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        paths << m_list->topLevelItem(i)->data(0, kPathRole).toString();
    return paths;
}

void CSendMultipleDlg::UpdateButtons() {
    const bool rows = m_list->topLevelItemCount() > 0;
    for (QPushButton* b : {m_btnSend, m_btnRemove, m_btnRemoveAll, m_btnDown, m_btnUp})
        b->setEnabled(rows);
}

void CSendMultipleDlg::OnAdd() {
    QString start = QString::fromStdString(m_config.m_send.m_strFolder);
    if (start.isEmpty()) start = m_strLastFolder;
    const QStringList paths = m_services.files->GetOpenFileNames(this, start);
    if (!paths.isEmpty()) {
        m_strLastFolder = FolderOfPath(paths.front());
        for (auto it = paths.crbegin(); it != paths.crend(); ++it) AddRow(*it);
    }
    UpdateButtons();
}

void CSendMultipleDlg::MoveSelected(int step) {
    QTreeWidgetItem* item = m_list->currentItem();
    if (!item || !item->isSelected()) return;
    const int row = m_list->indexOfTopLevelItem(item);
    const int target = row + step;
    if (target < 0 || target >= m_list->topLevelItemCount()) return;
    m_list->takeTopLevelItem(row);
    m_list->insertTopLevelItem(target, item);
    m_list->setCurrentItem(item);
    item->setSelected(true);
}

void CSendMultipleDlg::OnUp() {
    MoveSelected(-1);
    UpdateButtons();
}

void CSendMultipleDlg::OnDown() {
    MoveSelected(1);
    UpdateButtons();
}

void CSendMultipleDlg::OnRemove() {
    QTreeWidgetItem* item = m_list->currentItem();
    if (item && item->isSelected()) delete item;
    UpdateButtons();
}

void CSendMultipleDlg::OnRemoveAll() {
    m_list->clear();
    UpdateButtons();
}

void CSendMultipleDlg::accept() {
    const QStringList paths = Paths();
    for (const QString& path : paths) {
        if (!QFileInfo(path).isFile()) {
            m_services.messages->ShowMessage(this, tr("File %1 not found").arg(path));
            return;
        }
    }
    m_config.m_arrFiles.clear();
    for (const QString& path : paths) m_config.m_arrFiles.push_back(path.toStdString());
    QDialog::accept();
}

}  // namespace sendrik
