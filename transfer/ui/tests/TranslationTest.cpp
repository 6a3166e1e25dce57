// Sendrik in German and in French: every window shows no English text, and the texts of
// the transfer procedures, the port and the configuration file reach the user translated.

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

#include "TestSupport.h"
#include "common/testing/Mnemonics.h"
#include "common/testing/VisibleTexts.h"
#include "transfer/Settings.h"
#include "transfer/Transfer.h"
#include "transfer/ui/ConfigPS.h"
#include "transfer/ui/SendMultipleDlg.h"
#include "transfer/ui/SendrikDlg.h"
#include "transfer/ui/TransferDialogs.h"

using namespace sendrik;
using namespace sendrik::test;
using common::testing::TextMap;

namespace {

// Names and codes that read the same in all three languages.
const QStringList kSame = {"OK", "Sendrik", "Version", "Xon/Xoff", ";...EOL", "Port", "Name"};
// Lists of ports and of the shop's configurations.
const QStringList kData = {"portBox", "configBox"};

}  // namespace

class TranslationTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    RecordingMessageBoxes m_messages;
    ScriptedFileDialogs m_files;
    CSettings m_settings;
    PortMap m_map;

    std::string ConfigPath() const { return (m_dir.path() + "/port.cfg").toStdString(); }
    UiServices Services() { return UiServices{&m_messages, &m_files}; }

    QStringList m_keyProblems;  // of the windows AllWindows built

    // The texts of every window, built anew in `language`.
    TextMap AllWindows(const QString& language) {
        if (!common::testing::UseLanguage("sendrik", language, SUITE_BUILD_TRANSLATIONS))
            qWarning("no catalogue for %s", qPrintable(language));
        TextMap all;
        const auto add = [this, &all, &language](const QString& window, QWidget& w) {
            for (const QString& problem : common::testing::MnemonicProblems(&w))
                m_keyProblems << language + " " + window + ": " + problem;
            const TextMap texts = common::testing::VisibleTexts(&w);
            for (auto it = texts.begin(); it != texts.end(); ++it)
                all.insert(window + "/" + it.key(), it.value());
        };
        CSendrikDlg main(ConfigPath(), {}, Services());
        add("main", main);
        CPortConfig config;
        config.m_strName = "Mill";
        CConfigPS sheet(config, true, m_settings, m_map, Services());
        add("editor", sheet);
        CConfigPS edit(config, false, m_settings, m_map, Services());
        add("edit", edit);
        CSendMultipleDlg list(config, Services());
        add("list", list);
        int stop = 0;
        CCancelDlg progress(stop);
        add("progress", progress);
        CTransDelayDlg delay("/tmp/O1000.nc", 75);
        add("delay", delay);
        CAboutDlg about;
        add("about", about);
        return all;
    }

private slots:
    void init() {
        m_messages = RecordingMessageBoxes();
        WriteConfigFile(ConfigPath(), {"Mill", "Lathe"});
    }
    void cleanup() { common::testing::UseLanguage("sendrik", {}, {}); }

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
        QVERIFY(english.size() > 80);
        QVERIFY(english.values().contains("Send Multiple Files"));
        for (const QString language : {"de", "fr"}) {
            const TextMap translated = AllWindows(language);
            QCOMPARE(translated.size(), english.size());
            const QStringList left =
                common::testing::UntranslatedTexts(english, translated, kSame, kData);
            for (const QString& text : left)
                qWarning("%s: %s", qPrintable(language), qPrintable(text));
            QVERIFY2(left.isEmpty(), qPrintable(language + ": texts left in English"));
        }
        QCOMPARE(AllWindows("de").value("main/sendrik::CSendrikDlg/body#1/closeButton#6:text"),
                 QString::fromUtf8("&Schließen"));
    }

    // The procedures and the file speak English (the command line prints them so); the
    // window shows them in the language in force, with the inserted parts kept.
    void coreTextsAreTranslatedWithTheirValues() {
        QVERIFY(common::testing::UseLanguage("sendrik", "de", SUITE_BUILD_TRANSLATIONS));
        const std::string path = "/home/cnc/O1000.nc";
        struct Case {
            std::string english;
            const char* german;
        };
        const Case cases[] = {
            {kStatusSending, "Senden..."},
            {kStatusWaitingForData, "Warten auf Daten..."},
            {"Sending file " + path, "Datei /home/cnc/O1000.nc wird gesendet"},
            {"Unable to open file " + path,
             "Die Datei /home/cnc/O1000.nc kann nicht geöffnet werden."},
            {"Failed to read file " + path + ".\nThe program was not sent completely.",
             "Die Datei /home/cnc/O1000.nc kann nicht gelesen werden.\nDas Programm wurde "
             "nicht vollständig gesendet."},
            {"Port Writing Error: 5\nInput/output error",
             "Schreibfehler an der Schnittstelle: 5\nInput/output error"},
            {kMsgNameMissing, "Geben Sie einen Namen für die Konfiguration ein."},
            {"The pseudo-terminal /dev/pts/3 cannot take 9600 7-E-2; it runs 9600 8-N-1.",
             "Das Pseudoterminal /dev/pts/3 kann 9600 7-E-2 nicht einstellen; es läuft mit "
             "9600 8-N-1."},
            // An inserted part that looks like a placeholder stays as it is.
            {"Unable to open file /tmp/%s.nc", "Die Datei /tmp/%s.nc kann nicht geöffnet werden."},
            {"Something no one has translated", "Something no one has translated"},
        };
        for (const Case& c : cases)
            QCOMPARE(TranslateCoreText(c.english), QString::fromUtf8(c.german));
        QVERIFY(common::testing::UseLanguage("sendrik", "fr", SUITE_BUILD_TRANSLATIONS));
        QCOMPARE(TranslateCoreText(kStatusReceiving), QString::fromUtf8("Réception..."));
        QVERIFY(common::testing::UseLanguage("sendrik", {}, {}));
        QCOMPARE(TranslateCoreText(kStatusReceiving), QString("Receiving..."));
    }

    // A message of the window itself, and Qt's own buttons.
    void messagesAndStandardButtons() {
        QVERIFY(common::testing::UseLanguage("sendrik", "fr", SUITE_BUILD_TRANSLATIONS));
        CSendrikDlg dlg(ConfigPath(), {}, Services());
        m_messages.answers = {false};
        dlg.findChild<QPushButton*>("deleteButton")->click();
        QCOMPARE(m_messages.questions.value(0),
                 QString::fromUtf8("La configuration « Lathe » va être supprimée. Continuer ?"));
        CPortConfig config;
        CConfigPS sheet(config, true, m_settings, m_map, Services());
        QCOMPARE(sheet.findChild<QPushButton*>("cancelButton")->text(), QString("Annuler"));
    }
};

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
