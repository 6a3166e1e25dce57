// The configuration editor and the send list through their controls.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "TestSupport.h"
#include "transfer/ui/ConfigPS.h"
#include "transfer/ui/SendMultipleDlg.h"

using namespace sendrik;
using namespace sendrik::test;

namespace {

template <typename T>
T* Child(QWidget* w, const char* name) {
    T* child = w->findChild<T*>(name);
    if (!child) qFatal("no control %s", name);
    return child;
}

QLineEdit* Edit(QWidget* w, const char* name) {
    return Child<QLineEdit>(w, name);
}
QCheckBox* Check(QWidget* w, const char* name) {
    return Child<QCheckBox>(w, name);
}
QComboBox* Combo(QWidget* w, const char* name) {
    return Child<QComboBox>(w, name);
}
QPushButton* Button(QWidget* w, const char* name) {
    return Child<QPushButton>(w, name);
}

}  // namespace

class EditorTest : public QObject {
    Q_OBJECT

private:
    RecordingMessageBoxes m_messages;
    ScriptedFileDialogs m_files;
    CSettings m_settings;
    PortMap m_map;  // no devices: the editor's port list holds "Use Current Port" alone
    QTemporaryDir m_dir;

    UiServices Services() { return UiServices{&m_messages, &m_files}; }

    // An edit sheet over `config`, shown so that the focus can be checked.
    std::unique_ptr<CConfigPS> Sheet(const CPortConfig& config, bool adding = false) {
        auto sheet = std::make_unique<CConfigPS>(config, adding, m_settings, m_map, Services());
        sheet->show();
        QApplication::setActiveWindow(sheet.get());
        return sheet;
    }

    void ShowPage(CConfigPS& sheet, int index) { sheet.Tabs()->setCurrentIndex(index); }

private slots:
    void init() {
        m_messages = RecordingMessageBoxes();
        m_files = ScriptedFileDialogs();
        m_settings.RemoveAll();
        for (const char* name : {"Lathe", "Mill"}) {
            auto c = std::make_unique<CPortConfig>();
            c->m_strName = name;
            m_settings.Add(std::move(c));
        }
        for (int n = 1; n <= 30; ++n) m_map.Set(n, "/nonexistent/tty" + std::to_string(n));
    }

    void commonPageLoadsAndSaves() {
        CPortConfig config;
        config.m_strName = "Mill";
        config.m_port.m_dwBaudRate = 4800;
        config.m_port.m_byParity = 2;
        config.m_port.m_byStopBits = 1;
        config.m_port.m_nFlowControl = kFlowHardwareNoDtr;
        config.m_port.m_nPort = 7;  // not on this machine
        auto sheet = Sheet(config);
        QCOMPARE(sheet->windowTitle(), QString("Edit Port Config"));
        QCOMPARE(Combo(sheet.get(), "baudRateBox")->currentText(), QString("4800"));
        QCOMPARE(Combo(sheet.get(), "parityBox")->currentText(), QString("Even"));
        QCOMPARE(Combo(sheet.get(), "parityBox")->itemText(0), QString("Even"));
        QCOMPARE(Combo(sheet.get(), "stopBitsBox")->currentText(), QString("1.5"));
        QCOMPARE(Combo(sheet.get(), "flowControlBox")->currentText(), QString("Hardware no DTR"));
        QCOMPARE(Combo(sheet.get(), "portBox")->currentText(), QString("Use Current Port"));
        QCOMPARE(Edit(sheet.get(), "xonEdit")->text(), QString("17"));

        Combo(sheet.get(), "baudRateBox")->setCurrentIndex(0);
        Combo(sheet.get(), "dataBitsBox")->setCurrentText("7");
        Edit(sheet.get(), "xoffEdit")->setText("20");
        Button(sheet.get(), "okButton")->click();
        QCOMPARE(sheet->result(), int(QDialog::Accepted));
        const PORT_CONFIG& p = sheet->Config().m_port;
        QCOMPARE(p.m_dwBaudRate, 110u);
        QCOMPARE(int(p.m_byDataBits), 7);
        QCOMPARE(int(p.m_chXoff), 20);
        QCOMPARE(int(p.m_byParity), 2);
        QCOMPARE(p.m_nPort, 0);
    }

    void unlistedBaudRateIsKept() {
        CPortConfig config;
        config.m_port.m_dwBaudRate = 31250;
        config.m_strName = "Mill";
        auto sheet = Sheet(config);
        QCOMPARE(Combo(sheet.get(), "baudRateBox")->currentIndex(), -1);
        Button(sheet.get(), "okButton")->click();
        QCOMPARE(sheet->Config().m_port.m_dwBaudRate, 31250u);
    }

    void commonPageRefusals_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("adding");
        QTest::addColumn<QString>("message");
        QTest::newRow("XON 300") << "xonEdit"
                                 << "300" << false << "Enter an integer between 0 and 255.";
        QTest::newRow("XOFF empty") << "xoffEdit"
                                    << "" << false << "Enter an integer between 0 and 255.";
        QTest::newRow("no name") << "nameEdit"
                                 << "  " << false << "Configuration name must be specified.";
        QTest::newRow("taken")
            << "nameEdit"
            << "LATHE" << false
            << "Configuration with this name already exist.\nEnter another name.";
        QTest::newRow("taken, adding")
            << "nameEdit"
            << "mill" << true << "Configuration with this name already exist.\nEnter another name.";
    }

    void commonPageRefusals() {
        QFETCH(QString, edit);
        QFETCH(QString, text);
        QFETCH(bool, adding);
        QFETCH(QString, message);
        CPortConfig config;
        config.m_strName = "Mill";
        auto sheet = Sheet(config, adding);
        Edit(sheet.get(), edit.toLatin1())->setText(text);
        Button(sheet.get(), "okButton")->click();
        QCOMPARE(m_messages.messages, QStringList{message});
        QVERIFY(sheet->isVisible());
        QCOMPARE(sheet->result(), int(QDialog::Rejected));
        QVERIFY(Edit(sheet.get(), edit.toLatin1())->hasFocus());
        // Leaving the page is refused the same way.
        ShowPage(*sheet, 1);
        QCOMPARE(sheet->Tabs()->currentIndex(), 0);
        QCOMPARE(m_messages.messages.size(), 2);
    }

    void renamingInCaseOnlyPasses() {
        CPortConfig config;
        config.m_strName = "Mill";
        auto sheet = Sheet(config);
        Edit(sheet.get(), "nameEdit")->setText("MILL");
        Button(sheet.get(), "okButton")->click();
        QVERIFY(m_messages.messages.isEmpty());
        QCOMPARE(sheet->Config().m_strName, std::string("MILL"));
    }

    void restoreDefaultKeepsTheName() {
        CPortConfig config;
        config.m_strName = "Mill";
        config.m_port.m_dwBaudRate = 2400;
        config.m_port.m_chXon = 1;
        auto sheet = Sheet(config);
        Edit(sheet.get(), "nameEdit")->setText("Mill 2");
        sheet->CommonPage()->findChild<QPushButton*>("restoreDefaultButton")->click();
        QCOMPARE(Combo(sheet.get(), "baudRateBox")->currentText(), QString("9600"));
        QCOMPARE(Edit(sheet.get(), "xonEdit")->text(), QString("17"));
        QCOMPARE(Edit(sheet.get(), "nameEdit")->text(), QString("Mill"));
    }

    void sendPageDelay_data() {
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<QString>("seconds");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("stored");
        QTest::newRow("481 min") << "481"
                                 << "0"
                                 << "Enter an integer between 0 and 480." << 0;
        QTest::newRow("-1 min") << "-1"
                                << "0"
                                << "Enter an integer between 0 and 480." << 0;
        QTest::newRow("letters") << "1a"
                                 << "0"
                                 << "Enter an integer." << 0;
        QTest::newRow("60 s") << "1"
                              << "60"
                              << "Enter an integer between 0 and 59." << 0;
        QTest::newRow("empty s") << "1"
                                 << ""
                                 << "Enter an integer." << 0;
        QTest::newRow("1:05") << "1"
                              << "5"
                              << "" << 65;
        QTest::newRow("most") << "480"
                              << "59"
                              << "" << 480 * 60 + 59;
    }

    void sendPageDelay() {
        QFETCH(QString, minutes);
        QFETCH(QString, seconds);
        QFETCH(QString, message);
        QFETCH(int, stored);
        CPortConfig config;
        config.m_strName = "Mill";
        config.m_send.m_nDelaySeconds = 125;
        auto sheet = Sheet(config);
        ShowPage(*sheet, 1);
        QCOMPARE(Edit(sheet->SendPage(), "delayMinutesEdit")->text(), QString("2"));
        QCOMPARE(Edit(sheet->SendPage(), "delaySecondsEdit")->text(), QString("5"));
        Edit(sheet->SendPage(), "delayMinutesEdit")->setText(minutes);
        Edit(sheet->SendPage(), "delaySecondsEdit")->setText(seconds);
        Button(sheet.get(), "okButton")->click();
        if (message.isEmpty()) {
            QVERIFY(m_messages.messages.isEmpty());
            QCOMPARE(sheet->Config().m_send.m_nDelaySeconds, stored);
        } else {
            QCOMPARE(m_messages.messages, QStringList{message});
            QVERIFY(sheet->isVisible());
        }
    }

    void sequenceChecks_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("header") << 1 << "headerEdit"
                                << "0x0D"
                                << "Wrong start of program special sequence";
        QTest::newRow("trailer") << 2 << "trailerEdit"
                                 << "256"
                                 << "Wrong end of program special sequence";
        QTest::newRow("eol missing") << 1 << "eolRecognizeEdit"
                                     << ""
                                     << "Expected end of line sequence is not specified";
        QTest::newRow("eol") << 2 << "eolRecognizeEdit"
                             << "13,A"
                             << "Wrong end of line sequence";
        QTest::newRow("replace") << 1 << "eolReplaceEdit"
                                 << "-1"
                                 << "Wrong end of line sequence";
    }

    void sequenceChecks() {
        QFETCH(int, page);
        QFETCH(QString, edit);
        QFETCH(QString, text);
        QFETCH(QString, message);
        CPortConfig config;
        config.m_strName = "Mill";
        auto sheet = Sheet(config);
        ShowPage(*sheet, page);
        QWidget* p = sheet->Tabs()->widget(page);
        Check(p, "recognizeEolCheck")->click();
        Check(p, "replaceEolCheck")->setChecked(false);
        Check(p, "replaceEolCheck")->click();
        Edit(p, "eolRecognizeEdit")->setText("13,10");
        Edit(p, edit.toLatin1())->setText(text);
        Button(sheet.get(), "okButton")->click();
        QCOMPARE(m_messages.messages, QStringList{message});
        QVERIFY(Edit(p, edit.toLatin1())->hasFocus());
        QCOMPARE(sheet->result(), int(QDialog::Rejected));
    }

    void sequencesAndFlagsAreStored() {
        CPortConfig config;
        config.m_strName = "Mill";
        auto sheet = Sheet(config);
        ShowPage(*sheet, 1);
        QWidget* p = sheet->SendPage();
        Edit(p, "headerEdit")->setText("18 & 0");
        Edit(p, "trailerEdit")->setText(",20,");
        Check(p, "recognizeEolCheck")->click();
        Edit(p, "eolRecognizeEdit")->setText("13;10");
        Check(p, "checkPercentCheck")->click();
        Check(p, "skipLineNumbersCheck")->click();
        Check(p, "skipParenCheck")->click();
        Check(p, "skipSemicolonCheck")->click();
        Edit(p, "folderEdit")->setText("/home/cnc/programs");
        Button(sheet.get(), "okButton")->click();
        QVERIFY(m_messages.messages.isEmpty());
        const TRANSFER_CONFIG& s = sheet->Config().m_send;
        QCOMPARE(FormatCodes(s.m_header), std::string("18,0"));
        QCOMPARE(FormatCodes(s.m_trailer), std::string("20"));
        QCOMPARE(FormatCodes(s.m_eolRecognize), std::string("13,10"));
        QCOMPARE(s.m_bRecognizeEol, 1);
        QCOMPARE(s.m_bCheckPercent, 1);
        QCOMPARE(s.m_bSkipLineNumbers, 1);
        QCOMPARE(s.m_nSkipComments, kCommentParen | kCommentSemicolon);
        QCOMPARE(s.m_strFolder, std::string("/home/cnc/programs"));
    }

    void uncheckedReplacementIsRememberedWithinTheVisit() {
        CPortConfig config;
        config.m_strName = "Mill";
        auto sheet = Sheet(config);
        ShowPage(*sheet, 2);
        QWidget* p = sheet->ReceivePage();
        QLineEdit* replace = Edit(p, "eolReplaceEdit");
        QCOMPARE(replace->text(), QString("10,13"));
        QVERIFY(!Edit(p, "eolRecognizeEdit")->isEnabled());
        Check(p, "replaceEolCheck")->click();
        QVERIFY(!replace->isEnabled());
        QCOMPARE(replace->text(), QString());
        Check(p, "replaceEolCheck")->click();
        QVERIFY(replace->isEnabled());
        QCOMPARE(replace->text(), QString("10,13"));
        Check(p, "replaceEolCheck")->click();
        Button(sheet.get(), "okButton")->click();
        QVERIFY(m_messages.messages.isEmpty());
        QCOMPARE(sheet->Config().m_receive.m_bReplaceEol, 0);
        QVERIFY(sheet->Config().m_receive.m_eolReplace.empty());
    }

    void transferPageRestoreDefaultAndBrowse() {
        CPortConfig config;
        config.m_strName = "Mill";
        config.m_receive.m_bSkipNonPrintable = 0;
        config.m_receive.m_strFolder = "/old";
        auto sheet = Sheet(config);
        ShowPage(*sheet, 2);
        QWidget* p = sheet->ReceivePage();
        m_files.directory = "/home/cnc/in";
        Button(p, "browseButton")->click();
        QCOMPARE(m_files.titles.value(0),
                 QString("Select Default Directory to save received files"));
        QCOMPARE(m_files.starts.value(0), QString("/old"));
        QCOMPARE(Edit(p, "folderEdit")->text(), QString("/home/cnc/in"));
        Button(p, "restoreDefaultButton")->click();
        QVERIFY(Check(p, "skipNonPrintableCheck")->isChecked());
        QVERIFY(Check(p, "replaceEolCheck")->isChecked());
        QCOMPARE(Edit(p, "folderEdit")->text(), QString());
        ShowPage(*sheet, 1);
        Button(sheet->SendPage(), "browseButton")->click();
        QCOMPARE(m_files.titles.value(1), QString("Select Default Directory to send from"));
    }

    void sendListEditing() {
        CPortConfig config;
        config.m_arrFiles = {"/cnc/a.nc", "noslash.nc", "/cnc/sub/b.nc", "/cnc/"};
        CSendMultipleDlg dlg(config, Services());
        QCOMPARE(dlg.windowTitle(), QString("Send Multiple Files"));
        QTreeWidget* list = dlg.List();
        QCOMPARE(dlg.Paths(), (QStringList{"/cnc/a.nc", "/cnc/sub/b.nc"}));
        QCOMPARE(list->topLevelItem(1)->text(0), QString("b.nc"));
        QCOMPARE(list->topLevelItem(1)->text(1), QString("/cnc/sub"));
        QCOMPARE(list->headerItem()->text(1), QString("File Location"));

        // Nothing selected, first up, last down: no change.
        Button(&dlg, "upButton")->click();
        list->setCurrentItem(list->topLevelItem(0));
        Button(&dlg, "upButton")->click();
        QCOMPARE(dlg.Paths(), (QStringList{"/cnc/a.nc", "/cnc/sub/b.nc"}));
        Button(&dlg, "downButton")->click();
        QCOMPARE(dlg.Paths(), (QStringList{"/cnc/sub/b.nc", "/cnc/a.nc"}));
        QVERIFY(list->topLevelItem(1)->isSelected());
        Button(&dlg, "downButton")->click();
        QCOMPARE(dlg.Paths(), (QStringList{"/cnc/sub/b.nc", "/cnc/a.nc"}));
        Button(&dlg, "upButton")->click();
        QCOMPARE(dlg.Paths(), (QStringList{"/cnc/a.nc", "/cnc/sub/b.nc"}));

        // Add appends the chosen files in the reverse of the dialog's order.
        m_files.openFiles = {"/x/1.nc", "/x/2.nc", "nofolder"};
        Button(&dlg, "addButton")->click();
        QCOMPARE(dlg.Paths(), (QStringList{"/cnc/a.nc", "/cnc/sub/b.nc", "/x/2.nc", "/x/1.nc"}));
        Button(&dlg, "addButton")->click();
        QCOMPARE(m_files.starts.value(1), QString("/x"));

        list->setCurrentItem(list->topLevelItem(0));
        Button(&dlg, "removeButton")->click();
        QCOMPARE(dlg.Paths().size(), 5);
        QVERIFY(Button(&dlg, "sendButton")->isEnabled());
        Button(&dlg, "removeAllButton")->click();
        QCOMPARE(list->topLevelItemCount(), 0);
        for (const char* name :
             {"sendButton", "removeButton", "removeAllButton", "upButton", "downButton"})
            QVERIFY2(!Button(&dlg, name)->isEnabled(), name);
        QCOMPARE(config.m_arrFiles.size(), std::size_t(4));  // only Send changes the list
    }

    void sendChecksThatEveryFileExists() {
        const std::string a = (m_dir.path() + "/a.nc").toStdString();
        const std::string b = (m_dir.path() + "/b.nc").toStdString();
        WriteFile(a, "G00\n");
        CPortConfig config;
        config.m_arrFiles = {a, b, m_dir.path().toStdString() + "/"};
        config.m_send.m_strFolder = "/cnc/send";
        CSendMultipleDlg dlg(config, Services());
        Button(&dlg, "sendButton")->click();
        QCOMPARE(m_messages.messages,
                 QStringList{"File " + QString::fromStdString(b) + " not found"});
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QCOMPARE(config.m_arrFiles.size(), std::size_t(3));

        // A folder is not a file either.
        m_files.openFiles = {m_dir.path() + "/sub/x"};
        QDir(m_dir.path()).mkpath("sub/x");
        dlg.List()->setCurrentItem(dlg.List()->topLevelItem(1));
        Button(&dlg, "removeButton")->click();
        Button(&dlg, "addButton")->click();
        QCOMPARE(m_files.starts.value(0), QString("/cnc/send"));
        Button(&dlg, "sendButton")->click();
        QCOMPARE(m_messages.messages.size(), 2);

        dlg.List()->setCurrentItem(dlg.List()->topLevelItem(1));
        Button(&dlg, "removeButton")->click();
        Button(&dlg, "sendButton")->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(config.m_arrFiles, std::vector<std::string>{a});
    }
};

QTEST_MAIN(EditorTest)
#include "EditorTest.moc"
