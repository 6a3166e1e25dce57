// Scarrow in German and in French: every window shows no English text, and the
// messages of the engine and the history file reach the user translated.

#include <QDate>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "common/testing/Mnemonics.h"
#include "common/testing/VisibleTexts.h"
#include "search/Config.h"
#include "search/Criteria.h"
#include "search/ui/MainFrame.h"
#include "search/ui/ScarrowDoc.h"
#include "search/ui/SearchDlg.h"
#include "search/ui/UiSupport.h"

using namespace scarrow;
using namespace scarrow::ui;
using common::testing::TextMap;

namespace {

class SilentPrompts : public IUserPrompts {
public:
    void ShowMessage(QWidget*, const QString& text, Icon) override { messages << text; }
    void Beep() override {}
    QStringList messages;
};

// Words the three languages share (German month names too).
const QStringList kSame = {"OK", "Scarrow", "Version", "April", "August", "September", "November"};
// The example extensions.
const QStringList kData = {"editExtensions"};

}  // namespace

class TranslationTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    SilentPrompts m_prompts;

    QStringList m_keyProblems;  // of the windows AllWindows built

    TextMap AllWindows(const QString& language) {
        if (!common::testing::UseLanguage("scarrow", language, SUITE_BUILD_TRANSLATIONS))
            qWarning("no catalogue for %s", qPrintable(language));
        TextMap all;
        const auto add = [this, &all, &language](const QString& window, QWidget& w) {
            for (const QString& problem : common::testing::MnemonicProblems(&w))
                m_keyProblems << language + " " + window + ": " + problem;
            const TextMap texts = common::testing::VisibleTexts(&w);
            for (auto it = texts.begin(); it != texts.end(); ++it)
                all.insert(window + "/" + it.key(), it.value());
        };
        CConfig config((m_dir.path() + "/scarrow.cfg").toStdString());
        CMainFrame frame(config, m_prompts);
        add("frame", frame);
        CScarrowDoc doc;
        CSearchDlg search(doc, config, m_prompts);
        add("search", search);
        CAddPhraseDlg phrase;
        add("phrase", phrase);
        CCalendarDlg calendar(QDate(2024, 3, 15));
        add("calendar", calendar);
        CAboutDlg about;
        add("about", about);
        return all;
    }

private slots:
    void cleanup() { common::testing::UseLanguage("scarrow", {}, {}); }

    // Each translation keeps the Alt keys of a window apart and names them in its tool tips.
    void altKeysStayUniqueAndMatchTheirToolTips() {
        for (const QString language : {"", "de", "fr"}) {
            m_keyProblems.clear();
            AllWindows(language);
            for (const QString& problem : m_keyProblems) qWarning("%s", qPrintable(problem));
            QVERIFY2(m_keyProblems.isEmpty(), qPrintable(language + ": Alt keys in conflict"));
        }
    }

    void everyWindowIsTranslated() {
        const TextMap english = AllWindows({});
        QVERIFY(english.values().contains("Search Criteria"));
        for (const QString language : {"de", "fr"}) {
            const TextMap translated = AllWindows(language);
            QCOMPARE(translated.size(), english.size());
            const QStringList left =
                common::testing::UntranslatedTexts(english, translated, kSame, kData);
            for (const QString& text : left)
                qWarning("%s: %s", qPrintable(language), qPrintable(text));
            QVERIFY2(left.isEmpty(), qPrintable(language + ": texts left in English"));
        }
    }

    void engineMessagesAreTranslatedWithTheirNames() {
        QVERIFY(common::testing::UseLanguage("scarrow", "fr", SUITE_BUILD_TRANSLATIONS));
        CSearchConfig criteria;
        criteria.m_strFolder = (m_dir.path() + "/gone").toStdString();
        const CriteriaCheck check = ValidateCriteria(criteria);
        QVERIFY(!check.ok);
        QCOMPARE(TranslateCoreText(check.message),
                 QString::fromUtf8("Le dossier %1/gone est introuvable.").arg(m_dir.path()));
        criteria.m_nExtMode = CSearchConfig::ExtList;
        QCOMPARE(TranslateCoreText(ValidateCriteria(criteria).message),
                 QString::fromUtf8("Aucun filtre d'extensions n'est indiqué."));
        QVERIFY(common::testing::UseLanguage("scarrow", "de", SUITE_BUILD_TRANSLATIONS));
        QCOMPARE(TranslateCoreText("The search history file /h/s.cfg is damaged: 2 of its 5 "
                                   "entries could be read."),
                 QString::fromUtf8("Die Datei für den Suchverlauf /h/s.cfg ist beschädigt: 2 von "
                                   "5 Einträgen konnten gelesen werden."));
    }
};

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
