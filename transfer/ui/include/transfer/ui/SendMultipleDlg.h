#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include "transfer/PortConfig.h"
#include "transfer/ui/UiServices.h"

class QPushButton;
class QTreeWidget;

namespace sendrik {

// "Send Multiple Files": edits the configuration's list of files; Send checks that every
// file exists, stores the list in the configuration and closes with OK.
class CSendMultipleDlg : public QDialog {
    Q_OBJECT
public:
    CSendMultipleDlg(CPortConfig& config, UiServices services, QWidget* parent = nullptr);

    // Inserts a row for `path` at `position` (-1: at the end); a path without a folder or
    // without a file name adds nothing. Returns whether a row was added.
    bool AddRow(const QString& path, int position = -1);
    // The full paths of the rows, in list order.
    QStringList Paths() const;
    QTreeWidget* List() const { return m_list; }

    void OnAdd();
    void OnUp();
    void OnDown();
    void OnRemove();
    void OnRemoveAll();
    void UpdateButtons();

public slots:
    void accept() override;  // Send

private:
    void MoveSelected(int step);

    CPortConfig& m_config;
    UiServices m_services;
    QString m_strLastFolder;
    QTreeWidget* m_list;
    QPushButton* m_btnSend;
    QPushButton* m_btnRemove;
    QPushButton* m_btnRemoveAll;
    QPushButton* m_btnUp;
    QPushButton* m_btnDown;
};

}  // namespace sendrik
