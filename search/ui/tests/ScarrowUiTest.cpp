// The Scarrow windows on the offscreen platform, over real files in a temporary folder.

#include <sys/resource.h>

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWheelEvent>
#include <fstream>
#include <memory>

#include "search/Config.h"
#include "search/SearchEngine.h"
#include "search/ui/LeftView.h"
#include "search/ui/MainFrame.h"
#include "search/ui/RightView.h"
#include "search/ui/ScarrowApp.h"
#include "search/ui/ScarrowDoc.h"
#include "search/ui/SearchDlg.h"
#include "search/ui/UiSupport.h"

using namespace scarrow;
using namespace scarrow::ui;

namespace {

class RecordingPrompts : public IUserPrompts {
public:
    void ShowMessage(QWidget*, const QString& text, Icon) override { messages << text; }
    void Beep() override { ++beeps; }
    QStringList messages;
    int beeps = 0;
};

class CollectingSink : public ISearchSink {
public:
    void ResultFound(std::unique_ptr<CSearchResult> result) override {
        results.push_back(std::move(result));
    }
    bool GoOn() override { return true; }
    std::vector<std::unique_ptr<CSearchResult>> results;
};

void WriteBytes(const QString& path, const std::string& bytes) {
    std::ofstream out(path.toStdString(), std::ios::binary);
    out << bytes;
}

// This process's address space in bytes.
std::uint64_t VirtualSize() {
    std::ifstream status("/proc/self/status");
    std::string key;
    std::uint64_t kb = 0;
    while (status >> key) {
        if (key == "VmSize:") {
            status >> kb;
            break;
        }
    }
    return kb << 10;
}

template <class T>
T* Child(QObject* parent, const char* name) {
    T* child = parent->findChild<T*>(QLatin1String(name));
    if (!child) qFatal("no child %s", name);
    return child;
}

CSearchConfig CriteriaFor(const QString& folder, std::vector<std::string> words) {
    CSearchConfig c;
    c.m_strFolder = folder.toStdString();
    c.m_words = std::move(words);
    return c;
}

// The file at `path` as a result with `words`, in a text pane of its own (not shown yet).
struct PaneWithFile {
    PaneWithFile(IUserPrompts& prompts, const QString& path, std::vector<std::string> words)
        : pane(doc, prompts) {
        auto result = std::make_unique<CSearchResult>();
        result->m_strPath = path.toStdString();
        auto pattern = std::make_shared<CSearchPattern>();
        pattern->words = std::move(words);
        result->m_pattern = pattern;
        doc.AddResult(std::move(result));
        pane.resize(400, 300);
        pane.show();
    }
    void ShowFile() { doc.ShowResult(doc.Results()[0].get(), nullptr); }
    CScarrowDoc doc;
    CSplitFrame pane;
    CRightView* view = pane.View();
};

}  // namespace

class ScarrowUiTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_config = std::make_unique<CConfig>(
            std::filesystem::path(m_dir->filePath("history.cfg").toStdString()));
        m_prompts = RecordingPrompts();
    }

    void searchNeedsWords() {
        CScarrowDoc doc;
        CSearchDlg dlg(doc, *m_config, m_prompts);
        auto* search = Child<QPushButton>(&dlg, "btnSearch");
        auto* remove = Child<QPushButton>(&dlg, "btnRemove");
        QVERIFY(!search->isEnabled());
        QVERIFY(!remove->isEnabled());

        dlg.m_askPhrase = [](QString& phrase) {
            phrase = QStringLiteral("TOOL CHANGE");
            return true;
        };
        Child<QPushButton>(&dlg, "btnAdd")->click();
        QVERIFY(search->isEnabled());
        QVERIFY(remove->isEnabled());
        QCOMPARE(Child<QListWidget>(&dlg, "listWords")->item(0)->text(),
                 QStringLiteral("TOOL CHANGE"));

        Child<QListWidget>(&dlg, "listWords")->setCurrentRow(0);
        remove->click();
        QVERIFY(!search->isEnabled());
        QVERIFY(!remove->isEnabled());
    }

    void phraseDialogOkNeedsText() {
        CAddPhraseDlg dlg;
        auto* ok = Child<QPushButton>(&dlg, "btnOK");
        QVERIFY(!ok->isEnabled());
        QTest::keyClicks(Child<QLineEdit>(&dlg, "editPhrase"), "G43");
        QVERIFY(ok->isEnabled());
        Child<QLineEdit>(&dlg, "editPhrase")->clear();
        QVERIFY(!ok->isEnabled());
    }

    void enablingFollowsTheRadios() {
        CScarrowDoc doc;
        CSearchDlg dlg(doc, *m_config, m_prompts);
        auto* from = Child<QLineEdit>(&dlg, "editFrom");
        auto* ext = Child<QLineEdit>(&dlg, "editExtensions");
        auto* spin = Child<QWidget>(&dlg, "spinLines");
        QVERIFY(!from->isEnabled() && !ext->isEnabled() && !spin->isEnabled());
        QVERIFY(!Child<QPushButton>(&dlg, "btnFromHistory")->isEnabled());  // no history
        Child<QRadioButton>(&dlg, "radioSpecifyDates")->click();
        Child<QRadioButton>(&dlg, "radioExtensionList")->click();
        Child<QRadioButton>(&dlg, "radioFirstLines")->click();
        QVERIFY(from->isEnabled() && ext->isEnabled() && spin->isEnabled());
        QVERIFY(Child<QPushButton>(&dlg, "btnToDate")->isEnabled());
        QVERIFY(!Child<QWidget>(&dlg, "animation")->isVisibleTo(&dlg));
    }

    void cancelAtStartLeavesAnEmptyList() {
        CMainFrame frame(*m_config, m_prompts);
        bool ran = false;
        frame.m_beforeSearchDialog = [&ran](CSearchDlg& dlg) {
            ran = true;
            QTimer::singleShot(0, &dlg, [&dlg] { Child<QPushButton>(&dlg, "btnCancel")->click(); });
        };
        frame.ActivateFrame();
        QTRY_VERIFY(ran);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(frame.LeftView()->model()->rowCount(), 0);
        QVERIFY(m_config->m_history.empty());
    }

    void fromHistoryCyclesAndWraps() {
        for (int i = 0; i < 5; ++i)  // most recent first
            m_config->m_history.push_back(
                CriteriaFor(QStringLiteral("/cnc/f%1").arg(i), {"W" + std::to_string(i)}));
        CScarrowDoc doc;
        CSearchDlg dlg(doc, *m_config, m_prompts);
        auto* folder = Child<QLineEdit>(&dlg, "editFolder");
        auto* words = Child<QListWidget>(&dlg, "listWords");
        QCOMPARE(folder->text(), QStringLiteral("/cnc/f0"));  // the most recent folder, no words
        QCOMPARE(words->count(), 0);
        auto* history = Child<QPushButton>(&dlg, "btnFromHistory");
        QVERIFY(history->isEnabled());
        const int expected[] = {0, 1, 2, 3, 4, 0, 1};
        for (int i : expected) {
            history->click();
            QCOMPARE(folder->text(), QStringLiteral("/cnc/f%1").arg(i));
            QCOMPARE(words->item(0)->text(), QStringLiteral("W%1").arg(i));
        }

        Child<QPushButton>(&dlg, "btnReset")->click();
        QCOMPARE(words->count(), 0);
        QCOMPARE(folder->text(), QStringLiteral("/cnc/f0"));
    }

    void refusedEntriesStartNoSearch_data() {
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("message");
        QTest::newRow("0 lines") << "0"
                                 << ""
                                 << "Please enter an integer between 1 and 4294967295.";
        QTest::newRow("too many lines") << "4294967296"
                                        << ""
                                        << "Please enter an integer between 1 and 4294967295.";
        QTest::newRow("no folder") << "10"
                                   << "-"
                                   << "Initial folder is not specified!";
        QTest::newRow("missing folder") << "10"
                                        << "missing"
                                        << "%1 folder has not been found";
    }

    void refusedEntriesStartNoSearch() {
        QFETCH(QString, lines);
        QFETCH(QString, folder);
        QFETCH(QString, message);
        WriteBytes(m_dir->filePath("a.nc"), "G01 X1\n");
        CScarrowDoc doc;
        CSearchDlg dlg(doc, *m_config, m_prompts);
        QString folderText = m_dir->path();
        if (folder == "-")
            folderText.clear();
        else if (!folder.isEmpty())
            folderText = m_dir->filePath(folder);
        Child<QLineEdit>(&dlg, "editFolder")->setText(folderText);
        Child<QLineEdit>(&dlg, "editLines")->setText(lines);
        Child<QListWidget>(&dlg, "listWords")->addItem(QStringLiteral("G01"));
        dlg.UpdateControls();
        Child<QPushButton>(&dlg, "btnSearch")->click();
        QCOMPARE(m_prompts.messages,
                 QStringList{message.contains("%1") ? message.arg(folderText) : message});
        QVERIFY(doc.Results().empty());
        QVERIFY(m_config->m_history.empty());
        QVERIFY(dlg.result() != QDialog::Accepted);
    }

    void searchFillsTheListAndTheHistory() {
        // Apart from the history file, which holds the words too.
        const QString folder = m_dir->filePath("programs");
        QVERIFY(QDir().mkpath(folder));
        WriteBytes(folder + "/a.nc", "O1000\nT1 M6\nG01 X1\n");
        WriteBytes(folder + "/b.nc", "O2000\nG00 X0\n");
        CMainFrame frame(*m_config, m_prompts);
        frame.m_beforeSearchDialog = [&folder](CSearchDlg& dlg) {
            QTimer::singleShot(0, &dlg, [&folder, &dlg] {
                Child<QLineEdit>(&dlg, "editFolder")->setText(folder + "/");
                Child<QListWidget>(&dlg, "listWords")->addItem(QStringLiteral("t1 m6"));
                dlg.UpdateControls();
                Child<QPushButton>(&dlg, "btnSearch")->click();
            });
        };
        QCOMPARE(frame.OnSearchDialog(), int(QDialog::Accepted));
        QVERIFY(m_prompts.messages.isEmpty());
        QCOMPARE(frame.LeftView()->model()->rowCount(), 1);
        auto* model = frame.LeftView()->Model();
        QCOMPARE(model->data(model->index(0, 0), Qt::DisplayRole).toString(),
                 QStringLiteral("a.nc"));
        QCOMPARE(model->data(model->index(0, 1), Qt::DisplayRole).toString(), folder);
        QCOMPARE(m_config->m_history.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(m_config->m_history[0].m_strFolder),
                 folder);  // slash removed
        // On disk already, should the program never reach its end.
        CConfig onDisk(m_config->m_strPath);
        QCOMPARE(onDisk.Load().status, HistoryFileStatus::Loaded);
        QCOMPARE(onDisk.m_history.size(), std::size_t(1));
        QVERIFY(onDisk.m_history[0].IsEqual(m_config->m_history[0]));
    }

    void enterInTheDialogSearches_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("effect");
        QTest::newRow("Enter in the folder") << "editFolder" << int(Qt::Key_Return) << "search";
        QTest::newRow("keypad Enter in the extensions")
            << "editExtensions" << int(Qt::Key_Enter) << "search";
        QTest::newRow("Enter on a check box") << "chkIgnoreCase" << int(Qt::Key_Return) << "search";
        QTest::newRow("Enter in the phrase list")
            << "listWords" << int(Qt::Key_Return) << "phrase added";
        QTest::newRow("Esc") << "editFolder" << int(Qt::Key_Escape) << "cancelled";
    }

    void enterInTheDialogSearches() {
        QFETCH(QString, field);
        QFETCH(int, key);
        QFETCH(QString, effect);
        const QString folder = m_dir->filePath("programs");
        QVERIFY(QDir().mkpath(folder));
        WriteBytes(folder + "/a.nc", "O1000\nT1 M6\n");
        WriteBytes(folder + "/b.nc", "O2000\nT1 M6\n");
        CMainFrame frame(*m_config, m_prompts);
        // An earlier search left a result that the new one must replace.
        auto old = std::make_unique<CSearchResult>();
        old->m_strPath = "/old/result.nc";
        frame.Document().AddResult(std::move(old));
        QString phraseAdded;
        frame.m_beforeSearchDialog = [&](CSearchDlg& dlg) {
            QTimer::singleShot(0, &dlg, [&] {
                Child<QLineEdit>(&dlg, "editFolder")->setText(folder);
                Child<QListWidget>(&dlg, "listWords")->addItem(QStringLiteral("T1 M6"));
                dlg.UpdateControls();
                auto* target = Child<QWidget>(&dlg, field.toLatin1().constData());
                target->setFocus(Qt::TabFocusReason);
                if (effect == "phrase added")
                    QTimer::singleShot(0, [&] {
                        QWidget* phrase = QApplication::activeModalWidget();
                        QTest::keyClicks(Child<QLineEdit>(phrase, "editPhrase"), "G01");
                        QTest::keyClick(Child<QLineEdit>(phrase, "editPhrase"), Qt::Key_Return);
                        QTimer::singleShot(0, &dlg, [&] {
                            auto* words = Child<QListWidget>(&dlg, "listWords");
                            phraseAdded = words->item(words->count() - 1)->text();
                            Child<QPushButton>(&dlg, "btnCancel")->click();
                        });
                    });
                QTest::keyClick(target, Qt::Key(key));
            });
        };
        const int result = frame.OnSearchDialog();
        const auto* found = Child<QLabel>(&frame, "lblFilesFound");
        if (effect == "search") {
            QCOMPARE(result, int(QDialog::Accepted));
            QCOMPARE(frame.Document().Results().size(), std::size_t(2));
            QCOMPARE(found->text(), QStringLiteral("2 files found"));
        } else {
            QCOMPARE(result, int(QDialog::Rejected));
            QCOMPARE(frame.Document().Results().size(), std::size_t(1));
            QCOMPARE(found->text(), QString());
            QCOMPARE(phraseAdded, effect == "phrase added" ? QStringLiteral("G01") : QString());
        }
    }

    void keysOfTheWindow() {
        const QString path = m_dir->filePath("a.nc");
        WriteBytes(path, "O1000\nT1 M6\n");
        CMainFrame frame(*m_config, m_prompts);
        int dialogs = 0;
        frame.m_beforeSearchDialog = [&dialogs](CSearchDlg& dlg) {
            ++dialogs;
            QTimer::singleShot(0, &dlg, [&dlg] { dlg.reject(); });
        };
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QTest::keyClick(&frame, Qt::Key_F, Qt::ControlModifier);
        QTRY_COMPARE(dialogs, 1);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QTest::keyClick(&frame, Qt::Key_F2);
        QTRY_COMPARE(dialogs, 2);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));

        auto result = std::make_unique<CSearchResult>();
        result->m_strPath = path.toStdString();
        result->m_pattern = std::make_shared<CSearchPattern>();
        CSearchResult* shown = result.get();
        frame.Document().AddResult(std::move(result));
        frame.Document().ShowResult(shown, nullptr);
        QTRY_VERIFY(frame.RightView()->File());
        QTest::keyClick(&frame, Qt::Key_W, Qt::ControlModifier);
        QVERIFY(!frame.RightView()->File());

        QTest::keyClick(&frame, Qt::Key_Q, Qt::ControlModifier);
        QTRY_VERIFY(!frame.isVisible());
    }

    void stopEndsTheSearchAndClosesTheDialog() {
        for (int i = 0; i < 60; ++i)
            WriteBytes(m_dir->filePath(QStringLiteral("f%1.nc").arg(i)), "WORD\n");
        CScarrowDoc doc;
        CSearchDlg dlg(doc, *m_config, m_prompts);
        SearchOptions everyChance;
        everyChance.pollInterval = std::chrono::milliseconds(0);
        dlg.SetSearchOptions(everyChance);
        Child<QLineEdit>(&dlg, "editFolder")->setText(m_dir->path());
        Child<QListWidget>(&dlg, "listWords")->addItem(QStringLiteral("WORD"));
        dlg.UpdateControls();
        auto* search = Child<QPushButton>(&dlg, "btnSearch");
        bool sawStop = false;
        QTimer::singleShot(0, &dlg, [&] {
            if (!dlg.IsSearching()) return;
            sawStop = search->text() == QStringLiteral("Stop") && search->isEnabled() &&
                      !Child<QPushButton>(&dlg, "btnCancel")->isEnabled() &&
                      !Child<QLineEdit>(&dlg, "editFolder")->isEnabled() &&
                      Child<QWidget>(&dlg, "animation")->isVisibleTo(&dlg);
            search->click();
        });
        search->click();
        QVERIFY2(sawStop, "the search ended before the events were pumped");
        QVERIFY(!dlg.IsSearching());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(doc.Results().size() < 60);
        QVERIFY(!QGuiApplication::overrideCursor());
        // What was listed is where a whole search starts.
        CollectingSink all;
        SearchOptions oneThread;
        oneThread.threads = 1;
        RunSearch(CriteriaFor(m_dir->path(), {"WORD"}), all, oneThread);
        for (std::size_t i = 0; i < doc.Results().size(); ++i)
            QCOMPARE(doc.Results()[i]->m_strPath, all.results[i]->m_strPath);
    }

    void theListAndTheHistoryAreThoseOfOneThread() {
        // Apart from the history files, which hold the words too.
        const QString folder = m_dir->filePath("programs");
        QVERIFY(QDir().mkpath(folder + "/A") && QDir().mkpath(folder + "/b"));
        for (int i = 0; i < 300; ++i)
            WriteBytes(QStringLiteral("%1/%2/p%3.nc").arg(folder, i % 3 ? "b" : "A").arg(i),
                       i % 4 ? "G01\n" : "G00\n");
        // The same two searches in a window searching on one thread and on four.
        const auto searchTwice = [&](unsigned threads, const QString& historyFile) {
            CConfig config(std::filesystem::path(m_dir->filePath(historyFile).toStdString()));
            CMainFrame frame(config, m_prompts);
            QStringList listed;
            for (const char* word : {"G01", "G00"}) {
                frame.m_beforeSearchDialog = [&](CSearchDlg& dlg) {
                    QTimer::singleShot(0, &dlg, [&] {
                        Child<QLineEdit>(&dlg, "editFolder")->setText(folder);
                        auto* words = Child<QListWidget>(&dlg, "listWords");
                        words->clear();
                        words->addItem(QString::fromLatin1(word));
                        SearchOptions options;
                        options.threads = threads;
                        dlg.SetSearchOptions(options);
                        dlg.UpdateControls();
                        Child<QPushButton>(&dlg, "btnSearch")->click();
                    });
                };
                if (frame.OnSearchDialog() != QDialog::Accepted) listed << "not accepted";
                auto* model = frame.LeftView()->Model();
                for (int row = 0; row < model->rowCount(); ++row)
                    listed << PathToQString(model->ResultAt(row)->m_strPath);
            }
            QFile history(m_dir->filePath(historyFile));
            if (!history.open(QIODevice::ReadOnly)) listed << "no history";
            return std::pair{listed, history.readAll()};
        };
        const auto one = searchTwice(1, "one.cfg");
        QCOMPARE(one.first.size(), 300);
        const auto four = searchTwice(4, "four.cfg");
        QCOMPARE(four.first, one.first);
        QCOMPARE(four.second, one.second);
        QVERIFY(!one.second.isEmpty());
    }

    void dateDialogSetsTheDate() {
        CScarrowDoc doc;
        CSearchDlg dlg(doc, *m_config, m_prompts);
        Child<QRadioButton>(&dlg, "radioSpecifyDates")->click();
        QDate offered;
        dlg.m_askDate = [&offered](QDate& date) {
            offered = date;
            date = QDate(2024, 3, 15);
            return true;
        };
        Child<QPushButton>(&dlg, "btnFromDate")->click();
        QCOMPARE(offered, QDate(1980, 1, 1));
        QVERIFY(dlg.SaveControls());
        QCOMPARE(ToQDateTime(dlg.Criteria().m_dateFrom),
                 QDateTime(QDate(2024, 3, 15), QTime(0, 0)));
        CDateTime parsed;
        QVERIFY(ParseDateFromEdit(Child<QLineEdit>(&dlg, "editFrom")->text(), parsed));
        QVERIFY(parsed.IsEqual(dlg.Criteria().m_dateFrom));

        Child<QLineEdit>(&dlg, "editTo")->setText(QStringLiteral("not a date"));
        QVERIFY(!dlg.SaveControls());
        QCOMPARE(m_prompts.messages.last(), QStringLiteral("Please enter a date and/or time."));
    }

    void calendarDialogReturnsItsDate() {
        CCalendarDlg dlg(QDate(2023, 7, 4));
        QCOMPARE(dlg.Date(), QDate(2023, 7, 4));
        QVERIFY(Child<QPushButton>(&dlg, "btnOK")->isEnabled());
    }

    void deletedFileGivesAMessage() {
        const QString path = m_dir->filePath("gone.nc");
        WriteBytes(path, "G01\n");
        CSearchConfig c = CriteriaFor(m_dir->path(), {"G01"});
        CollectingSink sink;
        RunSearch(c, sink);
        QCOMPARE(sink.results.size(), std::size_t(1));
        QFile::remove(path);

        CScarrowDoc doc;
        CSplitFrame pane(doc, m_prompts);
        doc.AddResult(std::move(sink.results[0]));
        doc.ShowResult(doc.Results()[0].get(), nullptr);
        QCOMPARE(m_prompts.messages,
                 QStringList{QStringLiteral("Unable to open file %1").arg(path)});
        QVERIFY(!pane.View()->File());
        QVERIFY(!pane.View()->Result());
        QVERIFY(!pane.NextAction()->isEnabled());
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void sizeSortsAscendingEveryClick() {
        CScarrowDoc doc;
        CLeftView view(doc);
        view.resize(800, 300);
        view.show();
        const std::uint64_t sizes[] = {5'000'000'000ull, 10, 300};
        for (std::uint64_t s : sizes) {
            auto r = std::make_unique<CSearchResult>();
            r->m_strPath = "/cnc/p" + std::to_string(s) + ".nc";
            r->m_dwSize = s;
            doc.AddResult(std::move(r));
        }
        QHeaderView* header = view.header();
        const QPoint sizeHeading(header->sectionViewportPosition(3) + header->sectionSize(3) / 2,
                                 header->height() / 2);
        for (int click = 0; click < 2; ++click) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, sizeHeading);
            QStringList shown;
            for (int row = 0; row < 3; ++row)
                shown << view.model()->index(row, 3).data().toString();
            QCOMPARE(shown, (QStringList{"10", "300", "5000000000"}));
            QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
        }
    }

    void listTextsAndOtherSorts() {
        CScarrowDoc doc;
        CLeftView view(doc);
        auto add = [&doc](std::string path, CDateTime date) {
            auto r = std::make_unique<CSearchResult>();
            r->m_strPath = std::move(path);
            r->m_date = date;
            doc.AddResult(std::move(r));
        };
        add("/b/Zeta.nc", CDateTime(0.0, CDateTime::Status::Invalid));
        add("/a/alpha.nc", CDateTime::FromDate(2024, 5, 1));
        add("/Beta.nc", CDateTime::FromDate(2020, 1, 1));
        auto* model = view.Model();
        QCOMPARE(model->index(0, 2).data().toString(), QStringLiteral("Invalid DateTime"));
        QCOMPARE(model->index(2, 1).data().toString(), QString());  // slash is the first character

        model->sort(0);
        QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("alpha.nc"));
        QCOMPARE(model->index(1, 0).data().toString(), QStringLiteral("Beta.nc"));
        model->sort(2);  // oldest first, the invalid date last
        QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("Beta.nc"));
        QCOMPARE(model->index(2, 0).data().toString(), QStringLiteral("Zeta.nc"));
        model->sort(1);
        QCOMPARE(model->index(0, 1).data().toString(), QString());
        QCOMPARE(model->index(2, 1).data().toString(), QStringLiteral("/b"));

        doc.ClearResults();
        QCOMPARE(model->rowCount(), 0);
    }

    void dragOffersTheFiles() {
        CScarrowDoc doc;
        CLeftView view(doc);
        for (const char* name : {"/cnc/one.nc", "/cnc/two.nc", "/cnc/three.nc"}) {
            auto r = std::make_unique<CSearchResult>();
            r->m_strPath = name;
            doc.AddResult(std::move(r));
        }
        view.selectionModel()->select(view.model()->index(0, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
        view.selectionModel()->select(view.model()->index(2, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
        std::unique_ptr<QMimeData> mime(view.MimeDataForSelection());
        QVERIFY(mime);
        QCOMPARE(mime->urls(), (QList<QUrl>{QUrl::fromLocalFile("/cnc/one.nc"),
                                            QUrl::fromLocalFile("/cnc/three.nc")}));
        QCOMPARE(mime->data(CResultListModel::kPrivateMimeType).size(), 1);
        QCOMPARE(view.model()->rowCount(), 3);
    }

    void resultActionsOpenFoldersAndCopyPaths() {
        CScarrowDoc doc;
        CLeftView view(doc, &m_prompts);
        for (const char* name : {"/cnc/a/one.nc", "/cnc/b/two.nc", "/cnc/a/three.nc"}) {
            auto r = std::make_unique<CSearchResult>();
            r->m_strPath = name;
            doc.AddResult(std::move(r));
        }
        QList<QUrl> opened;
        bool succeed = true;
        view.m_openUrl = [&](const QUrl& url) {
            opened << url;
            return succeed;
        };
        QCOMPARE(view.contextMenuPolicy(), Qt::ActionsContextMenu);
        QStringList menu;
        for (QAction* a : view.actions()) menu << a->text();
        QCOMPARE(menu, (QStringList{"Open", "Open Containing Folder", "Copy Full Path"}));
        QVERIFY(!view.OpenAction()->isEnabled());  // nothing selected

        const auto select = [&view](int row) {
            view.selectionModel()->select(view.model()->index(row, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
        };
        select(2);
        select(0);
        QVERIFY(view.OpenAction()->isEnabled());
        view.OpenAction()->trigger();
        QCOMPARE(opened, (QList<QUrl>{QUrl::fromLocalFile("/cnc/a/one.nc"),
                                      QUrl::fromLocalFile("/cnc/a/three.nc")}));
        opened.clear();
        select(1);
        view.OpenFolderAction()->trigger();  // each folder once
        QCOMPARE(opened,
                 (QList<QUrl>{QUrl::fromLocalFile("/cnc/a"), QUrl::fromLocalFile("/cnc/b")}));
        view.CopyPathAction()->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("/cnc/a/one.nc\n/cnc/b/two.nc\n/cnc/a/three.nc"));

        // Enter opens; a file no program takes is told.
        opened.clear();
        succeed = false;
        view.selectionModel()->clearSelection();
        select(1);
        QTest::keyClick(&view, Qt::Key_Return);
        QCOMPARE(opened, (QList<QUrl>{QUrl::fromLocalFile("/cnc/b/two.nc")}));
        QCOMPARE(m_prompts.messages.size(), 1);
        QVERIFY(m_prompts.messages[0].startsWith("No program could open:\n/cnc/b/two.nc\n\n"));
        QVERIFY(m_prompts.messages[0].contains("default application"));

        // Too many at once: nothing is started.
        for (int i = 0; i < CLeftView::kMaxOpenAtOnce; ++i) {
            auto r = std::make_unique<CSearchResult>();
            r->m_strPath = "/cnc/many/p" + std::to_string(i) + ".nc";
            doc.AddResult(std::move(r));
        }
        opened.clear();
        view.selectAll();
        QTest::keyClick(&view, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(opened.isEmpty());
        QVERIFY(m_prompts.messages.last().startsWith("23 files are selected."));
        QCOMPARE(view.model()->rowCount(), 23);  // the list stays as it is
    }

    void occurrencesMarkedAndVisited_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("firstLine");
        const QString plain = QStringLiteral("G01 X1");
        QTest::newRow("LF") << QByteArray("G01 X1\nY2 G01\nG01 Z3\n") << plain;
        QTest::newRow("CR LF") << QByteArray("G01 X1\r\nY2 G01\r\nG01 Z3\r\n") << plain;
        QTest::newRow("lone CR") << QByteArray("G01 X1\rY2 G01\r\nG01 Z3\r") << plain;
        // Two-, three- and four-byte characters before the words (the last one is two
        // UTF-16 units in the view).
        QTest::newRow("UTF-8")
            << QByteArray(
                   "(\xC3\x98"
                   "12 fr\xC3\xA4sen \xE2\x80\x93 \xF0\x9F\x94\xA7) G01 X1\nY2 G01\n"
                   "\xC2\xB5G01 Z3\n")
            << QStringLiteral("(\u00D812 fr\u00E4sen \u2013 \U0001F527) G01 X1");
        QTest::newRow("Windows-1252")
            << QByteArray(
                   "(\xD8"
                   "12 fr\xE4sen \x96 90\xB0) G01 X1\r\nY2 G01\r\n\xB5G01 Z3\r\n")
            << QStringLiteral("(\u00D812 fr\u00E4sen \u2013 90\u00B0) G01 X1");
        QTest::newRow("binary after the words")
            << QByteArray("G01 X1\nY2 G01\nG01 Z3\n\0 G01\n", 28) << plain;
    }

    void occurrencesMarkedAndVisited() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, firstLine);
        const QString path = m_dir->filePath("prog.nc");
        WriteBytes(path, bytes.toStdString());
        CSearchConfig c = CriteriaFor(m_dir->path(), {"g01"});
        CollectingSink sink;
        RunSearch(c, sink);
        QCOMPARE(sink.results.size(), std::size_t(1));
        QCOMPARE(sink.results[0]->m_foundWords.size(), std::size_t(3));
        // The window keeps no occurrences: the view finds them again.
        sink.results[0]->m_foundWords.clear();

        CScarrowDoc doc;
        CSplitFrame pane(doc, m_prompts);
        pane.resize(400, 300);
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        CRightView* view = pane.View();
        doc.AddResult(std::move(sink.results[0]));
        doc.ShowResult(doc.Results()[0].get(), nullptr);
        QVERIFY(m_prompts.messages.isEmpty());
        QTRY_VERIFY(view->File()->Indexed());

        QCOMPARE(view->RowText(0), firstLine);
        QCOMPARE(view->RowText(1), QStringLiteral("Y2 G01"));
        const auto marks = view->VisibleMarks();
        QCOMPARE(marks.size(), std::size_t(3));
        for (const CRightView::ShownMark& mark : marks)
            QCOMPARE(view->RowText(mark.row).mid(mark.start, mark.length), QStringLiteral("G01"));
        QCOMPARE(view->Caret(), std::uint64_t(0));
        const auto pixels = [view](QRgb colour) {
            const QImage image =
                view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
            int n = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
            return n;
        };
        QVERIFY(pixels(qRgb(255, 0, 0)) > 0);  // white on red
        QVERIFY(pixels(qRgb(255, 255, 255)) > 0);

        QVERIFY(pane.NextAction()->isEnabled());
        QVERIFY(!pane.PreviousAction()->isEnabled());
        std::vector<std::uint64_t> visited;
        for (int i = 0; i < 3; ++i) {
            pane.NextAction()->trigger();
            QCOMPARE(view->SelectedText(), QStringLiteral("G01"));
            QCOMPARE(view->File()->RowOf(view->SelectionStart()), marks[i].row);
            visited.push_back(view->SelectionStart());
        }
        QVERIFY(pixels(qRgb(128, 0, 0)) > 0);  // the one reached shows darker
        QCOMPARE(m_prompts.beeps, 0);
        QVERIFY(!pane.NextAction()->isEnabled());
        view->NextOccurrence();
        QCOMPARE(m_prompts.beeps, 1);

        QVERIFY(pane.PreviousAction()->isEnabled());
        pane.PreviousAction()->trigger();
        QCOMPARE(view->SelectionStart(), visited[1]);
        pane.PreviousAction()->trigger();
        QVERIFY(!pane.PreviousAction()->isEnabled());
        view->PreviousOccurrence();
        QCOMPARE(m_prompts.beeps, 2);

        doc.ClearResults();
        QVERIFY(!view->File());
        QVERIFY(view->VisibleMarks().empty());
        QVERIFY(!pane.NextAction()->isEnabled());
    }

    // A long line is cut into rows; the marks stay on their words, also one broken over
    // two rows.
    void hugeLinesAreBrokenAndTheMarksFollow() {
        const std::string line = std::string(8190, 'x') + "G01" + std::string(20000, 'y') + "G01";
        WriteBytes(m_dir->filePath("one-line.nc"), line + "\r\nG01\r\n");
        CollectingSink sink;
        RunSearch(CriteriaFor(m_dir->path(), {"G01"}), sink);
        QCOMPARE(sink.results.size(), std::size_t(1));
        CScarrowDoc doc;
        CSplitFrame pane(doc, m_prompts);
        pane.resize(400, 400);
        pane.show();
        doc.AddResult(std::move(sink.results[0]));
        doc.ShowResult(doc.Results()[0].get(), nullptr);
        CRightView* view = pane.View();
        for (const CTextFile::Row& row : view->File()->Rows(0, 100))
            QVERIFY(row.end - row.start <= CTextFile::kLongestRowBytes);
        QStringList marked;
        for (const CRightView::ShownMark& mark : view->VisibleMarks())
            marked << view->RowText(mark.row).mid(mark.start, mark.length);
        QCOMPARE(marked, (QStringList{"G0", "1", "G01", "G01"}));
        // Painted: the "1" at the start of the fourth row, and the "G0" at the end of the
        // third once scrolled to it (of long rows only what can be seen is laid out).
        const int h = view->fontMetrics().lineSpacing();
        const qreal advance = QFontMetricsF(view->font()).horizontalAdvance(QLatin1Char('x'));
        const auto markedAt = [&](int column, int row) {
            const QImage image = view->viewport()->grab().toImage();
            const int x =
                static_cast<int>(4 + column * advance) - view->horizontalScrollBar()->value();
            int red = 0;
            for (int dx = 2; dx < advance - 2; ++dx)
                for (int dy = 1; dy < h - 1; ++dy)
                    red += image.pixelColor(x + dx, 2 + row * h + dy) == QColor(255, 0, 0);
            return red > 0;
        };
        QVERIFY(markedAt(0, 3));
        QVERIFY(!markedAt(1, 3));
        QTRY_VERIFY(view->horizontalScrollBar()->maximum() > 2046 * advance);
        view->horizontalScrollBar()->setValue(static_cast<int>(2040 * advance));
        QVERIFY(markedAt(2046, 2));
        QVERIFY(!markedAt(2045, 2));
        view->horizontalScrollBar()->setValue(0);
        view->NextOccurrence();
        QCOMPARE(view->SelectedText(), QStringLiteral("G01"));
        view->selectAll();
        QCOMPARE(view->SelectedText(), QString::fromStdString(line + "\nG01\n"));
    }

    void scrollingAndKeysReachTheEnd() {
        std::string text;
        for (int i = 0; i < 5000; ++i) text += "G01 X" + std::to_string(i) + "\n";
        WriteBytes(m_dir->filePath("long.nc"), text + "M30");
        CollectingSink sink;
        RunSearch(CriteriaFor(m_dir->path(), {"G01"}), sink);
        QCOMPARE(sink.results.size(), std::size_t(1));
        CScarrowDoc doc;
        CSplitFrame pane(doc, m_prompts);
        pane.resize(400, 300);
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        doc.AddResult(std::move(sink.results[0]));
        doc.ShowResult(doc.Results()[0].get(), nullptr);
        CRightView* view = pane.View();
        QTRY_VERIFY(view->File()->Indexed());
        QTRY_COMPARE(view->verticalScrollBar()->maximum(), 5001 - view->VisibleRowCount());
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
        QCOMPARE(view->VisibleMarks().back().row, std::uint64_t(4999));

        view->setFocus();
        QTest::keyClick(view, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(view->FirstVisibleRow(), std::uint64_t(0));
        QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Right);
        QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(view->SelectedText(), QStringLiteral("01"));
        QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(view->Caret(), std::uint64_t(text.size() + 3));
        QCOMPARE(view->FirstVisibleRow() + view->VisibleRowCount(), std::uint64_t(5001));
        view->PreviousOccurrence();
        QCOMPARE(view->File()->RowOf(view->SelectionStart()), std::uint64_t(4999));

        // A click puts the caret there; Shift+click selects up to it.
        view->verticalScrollBar()->setValue(0);
        const int h = view->fontMetrics().lineSpacing();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(2, h / 2));
        QCOMPARE(view->Caret(), std::uint64_t(0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          QPoint(1000, h + h / 2));
        QCOMPARE(view->SelectedText(), QStringLiteral("G01 X0\nG01 X1"));
        view->copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("G01 X0\nG01 X1"));
    }

    // A file of several gigabytes, larger than the address space this test allows
    // itself: it shows at once, its end is reached with the keyboard and the last
    // occurrence (before the NUL bytes of the sparse hole) with Previous.
    void filesLargerThanTheMemoryOpen() {
        const QString path = m_dir->filePath("huge.nc");
        std::string head = "O1000\n";
        for (int i = 0; i < 1000; ++i) head += "G01 X" + std::to_string(i) + "\n";
        head += "M30\n";
        WriteBytes(path, head);
        const std::uint64_t size = 2ull << 30;
        const std::string tail = "G01 TAIL\nM30\n";
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.resize(static_cast<qint64>(size)));
            QVERIFY(file.seek(static_cast<qint64>(size - tail.size())));
            QCOMPARE(file.write(tail.data(), static_cast<qint64>(tail.size())),
                     static_cast<qint64>(tail.size()));
        }
        PaneWithFile shown(m_prompts, path, {"G01", "M30"});
        QVERIFY(QTest::qWaitForWindowExposed(&shown.pane));
        CRightView* view = shown.view;

        // Room for 384 MB more than the test has now: far less than the file.
        rlimit saved{};
        QCOMPARE(::getrlimit(RLIMIT_AS, &saved), 0);
        rlimit limited = saved;
        limited.rlim_cur = static_cast<rlim_t>(VirtualSize() + (384ull << 20));
        if (saved.rlim_max != RLIM_INFINITY && saved.rlim_max < limited.rlim_cur)
            limited.rlim_cur = saved.rlim_max;
        QCOMPARE(::setrlimit(RLIMIT_AS, &limited), 0);
        shown.ShowFile();
        QVERIFY(m_prompts.messages.isEmpty());
        QCOMPARE(view->RowText(0), QStringLiteral("O1000"));
        QCOMPARE(view->VisibleMarks().front().row, std::uint64_t(1));
        view->setFocus();
        QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(view->Caret(), size);
        const std::uint64_t lastRow = view->File()->RowOf(size);
        QCOMPARE(view->RowText(lastRow - 1), QStringLiteral("M30"));
        const QString tailRow = view->RowText(lastRow - 2);
        QVERIFY(tailRow.endsWith(QStringLiteral("G01 TAIL")));
        QVERIFY(!tailRow.contains(QChar(0)));   // the NUL bytes show as symbols
        QVERIFY(view->VisibleMarks().empty());  // after the NUL bytes nothing is marked
        view->PreviousOccurrence();
        QCOMPARE(view->SelectedText(), QStringLiteral("M30"));
        QCOMPARE(view->File()->RowOf(view->SelectionStart()), std::uint64_t(1001));
        QCOMPARE(view->FirstVisibleRow(), std::uint64_t(1001));  // scrolled up to it
        shown.doc.ClearResults();                                // stops the worker
        QCOMPARE(::setrlimit(RLIMIT_AS, &saved), 0);
        QVERIFY(m_prompts.messages.isEmpty());
    }

    // Right after a big program opens, before its index is complete: the end and the
    // middle are shown at once from byte positions, steps and the wheel go by rows, and
    // when the index arrives the same rows stay on screen while the scroll bar turns to
    // counting rows.
    void farJumpsBeforeTheIndexSettleInPlace() {
        constexpr int kLines = 4'000'000;
        std::string text;
        text.reserve(static_cast<std::size_t>(kLines) * 14);
        for (int i = 0; i < kLines; ++i) text += "G01 X" + std::to_string(i) + "\n";
        text += "M30";
        const QString path = m_dir->filePath("surface.nc");
        WriteBytes(path, text);
        PaneWithFile shown(m_prompts, path, {"G01", "M30"});
        QVERIFY(QTest::qWaitForWindowExposed(&shown.pane));
        CRightView* view = shown.view;
        shown.ShowFile();
        const int visible = view->VisibleRowCount();
        const auto lineAtTop = [&] {
            const QString top = view->VisibleRowTexts().value(0);
            return top.startsWith(QStringLiteral("G01 X")) ? top.mid(5).toInt() : -1;
        };

        view->setFocus();
        QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(view->Caret(), std::uint64_t(text.size()));
        QStringList last = view->VisibleRowTexts();
        QCOMPARE(last.size(), visible);
        QCOMPARE(last.back(), QStringLiteral("M30"));
        QCOMPARE(lineAtTop(), kLines - visible + 1);
        view->PreviousOccurrence();
        QCOMPARE(view->SelectedText(), QStringLiteral("M30"));
        view->PreviousOccurrence();
        QCOMPARE(view->SelectionStart(), std::uint64_t(text.size() - 3 - 1 - (5 + 7)));

        QScrollBar* bar = view->verticalScrollBar();
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(lineAtTop(), kLines - visible);
        QWheelEvent up(QPointF(10, 10), view->mapToGlobal(QPointF(10, 10)), QPoint(),
                       QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view->viewport(), &up);
        QCOMPARE(lineAtTop(), kLines - visible - QApplication::wheelScrollLines());
        // The wheel over the scroll bar goes about as far (down: in bytes a step would stay
        // in the top row).
        const int beforeBarWheel = lineAtTop();
        QWheelEvent onBar(QPointF(2, 20), bar->mapToGlobal(QPointF(2, 20)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &onBar);
        QVERIFY(lineAtTop() > beforeBarWheel);
        QVERIFY(lineAtTop() <= beforeBarWheel + 2 * QApplication::wheelScrollLines());
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(lineAtTop(), kLines - visible + 1);  // no further than the last screen

        // Dragged to the middle: a whole line at the top, about half way down.
        bar->setValue(bar->maximum() / 2);
        // (Half the bytes before the index, half the rows after: 4 % apart in this file.)
        QVERIFY(std::abs(lineAtTop() - kLines / 2) < kLines / 20);
        const QStringList middle = view->VisibleRowTexts();
        const std::uint64_t top = view->TopOffset();

        QTRY_VERIFY_WITH_TIMEOUT(view->File()->Indexed(), 30000);
        QTRY_COMPARE(bar->maximum(), kLines + 1 - visible);
        QCOMPARE(view->TopOffset(), top);
        QCOMPARE(view->VisibleRowTexts(), middle);
        QCOMPARE(std::uint64_t(bar->value()), view->FirstVisibleRow());
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(view->VisibleRowTexts().value(0), middle.value(1));
        QVERIFY(m_prompts.messages.isEmpty());
    }

    void historyProblemsAreTold_data() {
        QTest::addColumn<int>("damage");  // 0 no file, 1 sound, 2 last record cut, 3 foreign
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("entries");
        QTest::newRow("first start") << 0 << QString() << 0;
        QTest::newRow("sound file") << 1 << QString() << 2;
        QTest::newRow("damaged file") << 2 << QStringLiteral("is damaged: 1 of its 2 entries") << 1;
        QTest::newRow("foreign file") << 3 << QStringLiteral("is not a search history file") << 0;
    }

    void historyProblemsAreTold() {
        QFETCH(int, damage);
        QFETCH(QString, message);
        QFETCH(int, entries);
        const QString path = m_dir->filePath("history.cfg");
        CConfig saved(path.toStdString());
        saved.AddToHistory(CriteriaFor("/a", {"x"}));
        saved.AddToHistory(CriteriaFor("/b", {"y"}));
        const std::string bytes = saved.Serialize();
        if (damage == 1) WriteBytes(path, bytes);
        if (damage == 2) WriteBytes(path, bytes.substr(0, bytes.size() - 3));
        if (damage == 3) WriteBytes(path, "not a history file");

        CScarrowApp app(m_prompts, path.toStdString());
        bool opened = false;
        app.InitInstance();
        app.MainFrame()->m_beforeSearchDialog = [&](CSearchDlg& dlg) {
            opened = true;
            QTimer::singleShot(0, &dlg, [&dlg] { dlg.reject(); });
        };
        QTRY_VERIFY(opened);  // the message does not keep the dialog from opening
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(app.Config().m_history.size(), std::size_t(entries));
        if (message.isEmpty()) {
            QVERIFY(m_prompts.messages.isEmpty());
        } else {
            QCOMPARE(m_prompts.messages.size(), 1);
            QVERIFY(m_prompts.messages[0].contains(message));
            QVERIFY(m_prompts.messages[0].contains(path));
        }
    }

    void programLoadsAndSavesTheHistory() {
        const QString path = m_dir->filePath("history.cfg");
        WriteBytes(path, "broken");
        {
            CScarrowApp app(m_prompts, path.toStdString());
            app.InitInstance();
            QCOMPARE(m_prompts.messages.size(), 1);
            QVERIFY(m_prompts.messages[0].contains(QStringLiteral("is not a search history file")));
            bool opened = false;
            app.MainFrame()->m_beforeSearchDialog = [&](CSearchDlg& dlg) {
                opened = true;
                QTimer::singleShot(0, &dlg, [&dlg] { dlg.reject(); });
            };
            QTRY_VERIFY(opened);  // the dialog opens at once
            QTRY_VERIFY(!QApplication::activeModalWidget());
            app.Config().AddToHistory(CriteriaFor("/cnc", {"G43"}));
            QVERIFY(app.ExitInstance());
        }
        CConfig reread(path.toStdString());
        reread.Load();
        QCOMPARE(reread.m_history.size(), std::size_t(1));
        QCOMPARE(reread.m_history[0].m_strFolder, std::string("/cnc"));
    }

    void recentFilesKeepFourMostRecentFirst() {
        CRecentFileList list;
        list.Load();
        for (const char* p : {"/p/a", "/p/b", "/p/c", "/p/d", "/p/e", "/p/c"})
            list.Add(QString::fromLatin1(p));
        CRecentFileList reread;
        reread.Load();
        QCOMPARE(reread.Entries(), (QStringList{"/p/c", "/p/e", "/p/d", "/p/b"}));
        const QString base =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        QSettings settings(base + "/tarvik/Scarrow.conf", QSettings::IniFormat);
        QCOMPARE(settings.value(QStringLiteral("Recent File List/File1")).toString(),
                 QStringLiteral("/p/c"));
        for (const QString& p : reread.Entries()) list.Remove(p);
    }

    void oldRecentListMovesOnce() {
        QTemporaryDir base;
        const QString oldFolder = base.path() + "/Local AppWizard-Generated Applications";
        {
            QSettings old(oldFolder + "/Scarrow.conf", QSettings::IniFormat);
            old.setValue("Recent File List/File1", "/p/new.nc");
            old.setValue("Recent File List/File2", "/p/older.nc");
            old.setValue("Settings/PreviewPages", 3);  // not the list's: not carried over
        }
        CRecentFileList::MoveOldList(base.path());
        const QString moved = CRecentFileList::FilePath(base.path());
        QCOMPARE(moved, base.path() + "/tarvik/Scarrow.conf");
        {
            const QSettings now(moved, QSettings::IniFormat);
            QCOMPARE(now.allKeys(),
                     (QStringList{"Recent File List/File1", "Recent File List/File2"}));
            QCOMPARE(now.value("Recent File List/File1").toString(), QString("/p/new.nc"));
        }
        QVERIFY(!QFileInfo::exists(oldFolder));

        // An old list that turns up again later does not replace the new one.
        {
            QSettings old(oldFolder + "/Scarrow.conf", QSettings::IniFormat);
            old.setValue("Recent File List/File1", "/p/stale.nc");
        }
        CRecentFileList::MoveOldList(base.path());
        const QSettings now(moved, QSettings::IniFormat);
        QCOMPARE(now.value("Recent File List/File1").toString(), QString("/p/new.nc"));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CConfig> m_config;
    RecordingPrompts m_prompts;
};

QTEST_MAIN(ScarrowUiTest)
#include "ScarrowUiTest.moc"
