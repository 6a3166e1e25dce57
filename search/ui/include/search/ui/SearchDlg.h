#pragma once

#include <QDate>
#include <QDialog>
#include <QWidget>
#include <functional>
#include <vector>

#include "search/Config.h"
#include "search/SearchConfig.h"
#include "search/SearchEngine.h"

class QButtonGroup;
class QCalendarWidget;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimer;
class QToolButton;

namespace scarrow::ui {

class CScarrowDoc;
class IUserPrompts;

// A small painted spinner shown while a search runs.
class CBusyAnimation : public QWidget {
    Q_OBJECT
public:
    explicit CBusyAnimation(QWidget* parent = nullptr);
    void Play();
    void Stop();
    bool IsPlaying() const;
    QSize sizeHint() const override { return {32, 32}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer* m_timer;
    int m_step = 0;
};

// "Add phrase to search criteria": one edit, OK enabled while it holds text.
class CAddPhraseDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAddPhraseDlg(QWidget* parent = nullptr);
    QString Phrase() const;

private:
    QLineEdit* m_edit;
    QPushButton* m_ok;
};

// "Choose Date": a calendar; OK takes its date.
class CCalendarDlg : public QDialog {
    Q_OBJECT
public:
    CCalendarDlg(const QDate& date, QWidget* parent = nullptr);
    QDate Date() const;

private:
    void UpdateOk();
    QCalendarWidget* m_calendar;
    QPushButton* m_ok;
};

// "Search Criteria": edits a working copy of the criteria and runs the search while it
// is open; Search turns into Stop, and the dialog closes when the search ends.
class CSearchDlg : public QDialog {
    Q_OBJECT
public:
    CSearchDlg(CScarrowDoc& doc, CConfig& config, IUserPrompts& prompts, QWidget* parent = nullptr);

    const CSearchConfig& Criteria() const { return m_criteria; }
    bool IsSearching() const { return m_searching; }

    // Loads the controls from the working criteria.
    void LoadControls();
    // Reads the controls into the working criteria; false (after telling the user and
    // focusing the control) when a value is refused.
    bool SaveControls();
    void UpdateControls();

    void OnSearch();
    void OnAdd();
    void OnRemove();
    void OnBrowseFolder();
    void OnFromDate();
    void OnToDate();
    void OnReset();
    void OnFromHistory();
    void OnHelp();

    // How the engine runs (tests ask it to pump at every chance).
    void SetSearchOptions(const SearchOptions& options) { m_searchOptions = options; }

    // The phrase, date and folder dialogs; tests replace them.
    std::function<bool(QString&)> m_askPhrase;
    std::function<bool(QDate&)> m_askDate;
    std::function<bool(QString&)> m_askFolder;

public slots:
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildControls();
    void CreateToolTips();
    void OnDate(bool from);
    QString MostRecentFolder() const;

    CScarrowDoc& m_doc;
    CConfig& m_config;
    std::vector<CSearchConfig>& m_history;
    IUserPrompts& m_prompts;
    CSearchConfig m_criteria;
    SearchOptions m_searchOptions;
    int m_historyCursor = -1;
    bool m_searching = false;

    QLineEdit* m_folder = nullptr;
    QPushButton* m_browse = nullptr;
    QCheckBox* m_subfolders = nullptr;
    QListWidget* m_words = nullptr;
    QRadioButton* m_matchAll = nullptr;
    QRadioButton* m_matchAny = nullptr;
    QCheckBox* m_ignoreCase = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_remove = nullptr;
    QRadioButton* m_wholeFile = nullptr;
    QRadioButton* m_firstLines = nullptr;
    QLineEdit* m_lines = nullptr;
    QWidget* m_spin = nullptr;
    QLabel* m_linesLabel = nullptr;
    QRadioButton* m_anyExt = nullptr;
    QRadioButton* m_extList = nullptr;
    QLineEdit* m_extensions = nullptr;
    QRadioButton* m_dateRadios[5] = {};
    QLabel* m_fromLabel = nullptr;
    QLineEdit* m_from = nullptr;
    QPushButton* m_fromButton = nullptr;
    QLabel* m_toLabel = nullptr;
    QLineEdit* m_to = nullptr;
    QPushButton* m_toButton = nullptr;
    QPushButton* m_reset = nullptr;
    QPushButton* m_fromHistory = nullptr;
    QPushButton* m_help = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_search = nullptr;
    QPushButton* m_ok = nullptr;
    CBusyAnimation* m_animation = nullptr;
    QButtonGroup* m_matchGroup = nullptr;
    QButtonGroup* m_linesGroup = nullptr;
    QButtonGroup* m_extGroup = nullptr;
    QButtonGroup* m_dateGroup = nullptr;
};

}  // namespace scarrow::ui
