// The main window through its controls, with recorded message boxes, scripted file
// dialogs and pseudo-terminals as serial ports.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "TestSupport.h"
#include "transfer/ui/ConfigPS.h"
#include "transfer/ui/SendMultipleDlg.h"
#include "transfer/ui/SendrikDlg.h"
#include "transfer/ui/TransferDialogs.h"

using namespace sendrik;
using namespace sendrik::test;

// Records a failed comparison where QCOMPARE cannot return (inside a handler).
#define LAMBDA_COMPARE(a, b) QTest::qCompare(a, b, #a, #b, __FILE__, __LINE__)

namespace {

// Handles every modal window that opens until the handler returns false for "done":
// tests use it to press the buttons of the editor, the send list and the delay window.
class ModalDriver : public QObject {
public:
    explicit ModalDriver(std::function<bool(QWidget*)> handler) : m_handler(std::move(handler)) {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal == m_last || !modal->isVisible()) return;
            m_last = modal;
            // Let the window finish opening before pressing its buttons.
            QTimer::singleShot(0, modal, [this, modal] {
                if (!m_handler(modal)) m_timer.stop();
            });
        });
        m_timer.start(10);
    }

private:
    std::function<bool(QWidget*)> m_handler;
    QTimer m_timer;
    QWidget* m_last = nullptr;
};

QPushButton* Button(QWidget* w, const char* name) {
    auto* b = w->findChild<QPushButton*>(name);
    if (!b) qFatal("no button %s", name);
    return b;
}

QComboBox* Combo(QWidget* w, const char* name) {
    return w->findChild<QComboBox*>(name);
}
QLineEdit* Edit(QWidget* w, const char* name) {
    return w->findChild<QLineEdit*>(name);
}

void Choose(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
}

int FindText(QComboBox* box, const QString& text) {
    return box->findText(text);
}

}  // namespace

class SendrikDlgTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    RecordingMessageBoxes m_messages;
    ScriptedFileDialogs m_files;

    std::string ConfigPath() const { return (m_dir.path() + "/port.cfg").toStdString(); }
    std::string MapPath() const { return (m_dir.path() + "/ports.cfg").toStdString(); }
    UiServices Services() { return UiServices{&m_messages, &m_files}; }
    std::string TempFile(const char* name, const std::string& bytes) {
        const std::string path = (m_dir.path() + "/" + name).toStdString();
        WriteFile(path, bytes);
        return path;
    }

private slots:
    void init() {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        m_messages = RecordingMessageBoxes();
        m_files = ScriptedFileDialogs();
    }

    void deleteRenumbersTheRemainingEntries() {
        WriteConfigFile(ConfigPath(), {"A", "B", "C"});
        CSendrikDlg dlg(ConfigPath(), {}, Services());
        QComboBox* configs = Combo(&dlg, "configBox");
        QCOMPARE(configs->count(), 3);
        QCOMPARE(configs->currentText(), QString("A"));

        m_messages.answers = {false};
        Button(&dlg, "deleteButton")->click();
        QCOMPARE(m_messages.questions.value(0),
                 QString("You are about to delete \"A\" configuration, continue?"));
        QCOMPARE(configs->count(), 3);

        Button(&dlg, "deleteButton")->click();
        QCOMPARE(configs->count(), 2);
        QCOMPARE(dlg.Settings().GetCount(), 2);
        QCOMPARE(configs->currentText(), QString("B"));

        Choose(configs, FindText(configs, "C"));
        QCOMPARE(QString::fromStdString(dlg.SelectedConfig()->m_strName), QString("C"));

        // Editing C changes C, not the configuration that now holds C's old index.
        ModalDriver driver([](QWidget* modal) -> bool {
            auto* sheet = qobject_cast<CConfigPS*>(modal);
            if (!sheet) return true;
            LAMBDA_COMPARE(Edit(sheet, "nameEdit")->text(), QString("C"));
            Edit(sheet, "nameEdit")->setText("C2");
            Button(sheet, "okButton")->click();
            return false;
        });
        Button(&dlg, "editButton")->click();
        QCOMPARE(dlg.Settings().GetAt(0)->m_strName, std::string("B"));
        QCOMPARE(dlg.Settings().GetAt(1)->m_strName, std::string("C2"));
        QCOMPARE(configs->currentText(), QString("C2"));

        // Deleting everything leaves the buttons off.
        Button(&dlg, "deleteButton")->click();
        Button(&dlg, "deleteButton")->click();
        QCOMPARE(configs->count(), 0);
        QVERIFY(!Button(&dlg, "editButton")->isEnabled());
        QVERIFY(!Button(&dlg, "sendFileButton")->isEnabled());
        QVERIFY(!configs->isEnabled());
    }

    void newAddsASortedCopyAndClosingSaves() {
        WriteConfigFile(ConfigPath(), {"Mill", "Lathe"});
        {
            CSendrikDlg dlg(ConfigPath(), {}, Services());
            QComboBox* configs = Combo(&dlg, "configBox");
            QCOMPARE(configs->itemText(0), QString("Lathe"));
            QCOMPARE(configs->itemText(1), QString("Mill"));
            QCOMPARE(configs->itemData(0).toInt(), 1);
            QString startName;
            ModalDriver driver([&](QWidget* modal) -> bool {
                auto* sheet = qobject_cast<CConfigPS*>(modal);
                if (!sheet) return true;
                startName = Edit(sheet, "nameEdit")->text();
                LAMBDA_COMPARE(sheet->windowTitle(), QString("Add New Port Config"));
                // The name has the keys and what is typed replaces the proposal.
                LAMBDA_COMPARE(QApplication::focusWidget(),
                               static_cast<QWidget*>(Edit(sheet, "nameEdit")));
                QTest::keyClicks(QApplication::focusWidget(), "Grinder");
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                return false;
            });
            dlg.show();
            QVERIFY(QTest::qWaitForWindowActive(&dlg));
            Button(&dlg, "newButton")->click();
            QCOMPARE(startName, QString("New Config"));
            QCOMPARE(configs->currentText(), QString("Grinder"));
            QCOMPARE(configs->currentIndex(), 0);
            QCOMPARE(configs->currentData().toInt(), 2);
            dlg.close();
        }
        CSettings saved(ConfigPath());
        QVERIFY(saved.Load().empty());
        QCOMPARE(saved.GetCount(), 3);
        QCOMPARE(saved.GetAt(2)->m_strName, std::string("Grinder"));
        QCOMPARE(saved.m_nSelected, 0);
    }

    void loadProblemIsShown() {
        WriteFile(ConfigPath(), std::string("\x07\0\0\0", 4));
        CSendrikDlg dlg(ConfigPath(), {}, Services());
        QCOMPARE(m_messages.messages.size(), 1);
        QVERIFY(m_messages.messages[0].contains("Wrong config file format."));
    }

    void configurationPortSelectsThePortBox() {
        PtyPair five, six;
        QVERIFY(five.Ok() && six.Ok());
        WriteFile(MapPath(), "5=" + five.SlaveName() + "\n6=" + six.SlaveName() + "\n");
        CSettings settings(ConfigPath());
        for (auto [name, port] : {std::pair{"Any", 0}, {"Five", 5}, {"Gone", 9}}) {
            auto c = std::make_unique<CPortConfig>();
            c->m_strName = name;
            c->m_port.m_nPort = port;
            settings.Add(std::move(c));
        }
        settings.Save();
        CSendrikDlg dlg(ConfigPath(), {}, Services());
        QComboBox* ports = Combo(&dlg, "portBox");
        QComboBox* configs = Combo(&dlg, "configBox");
        QVERIFY(ports->count() >= 2);
        const int five5 = ports->findData(5);
        const int six6 = ports->findData(6);
        QVERIFY(five5 >= 0 && six6 >= 0);
        QVERIFY(ports->itemText(five5).startsWith("COM5 ("));

        ports->setCurrentIndex(six6);
        Choose(configs, FindText(configs, "Any"));  // port 0: the box stays
        QCOMPARE(ports->currentIndex(), six6);
        Choose(configs, FindText(configs, "Gone"));  // a port not present: the box stays
        QCOMPARE(ports->currentIndex(), six6);
        Choose(configs, FindText(configs, "Five"));
        QCOMPARE(ports->currentIndex(), five5);
        Choose(configs, FindText(configs, "Any"));
        QCOMPARE(ports->currentIndex(), five5);
    }

    void noPortMeansUnableToInitialize() {
        WriteConfigFile(ConfigPath(), {"Mill"});
        // Every number names a device that is not there.
        std::string map;
        for (int n = 1; n <= 30; ++n)
            map += std::to_string(n) + "=/nonexistent/tty" + std::to_string(n) + "\n";
        WriteFile(MapPath(), map);
        CSendrikDlg dlg(ConfigPath(), {}, Services());
        QCOMPARE(Combo(&dlg, "portBox")->count(), 0);
        QVERIFY(!Combo(&dlg, "portBox")->isEnabled());
        m_files.openFile = QString::fromStdString(TempFile("a.nc", "G00\n"));
        Button(&dlg, "sendFileButton")->click();
        QCOMPARE(m_messages.messages.size(), 1);
        QVERIFY(m_messages.messages[0].startsWith("Unable to initialize port Mill"));
    }

    void lineDisplayShowsEverySecondLine() {
        WriteConfigFile(ConfigPath(), {"Mill"});
        CSendrikDlg dlg(ConfigPath(), {}, Services());
        dlg.ShowProgress("Storing data to file x", false, "Waiting for data...");
        QLineEdit* text = dlg.ProgressWindow()->LineEdit();
        const char* expected[] = {"Waiting for data...", "L2", "L2", "L4", "L4"};
        const char* lines[] = {"L1\r\n", "L2\r\n", "L3\r\n", "L4\n\r", "L5"};
        for (int i = 0; i < 5; ++i) {
            dlg.OnLine(lines[i]);
            QCOMPARE(text->text(), QString(expected[i]));
        }
        // A new transfer counts afresh.
        dlg.ShowProgress("again", false, "");
        dlg.OnLine("M1\n");
        QCOMPARE(dlg.ProgressWindow()->LineEdit()->text(), QString());
        // Cancel sets the stop flag and leaves the window to the transfer.
        dlg.StopFlag() = 0;
        dlg.ProgressWindow()->findChild<QPushButton*>("cancelButton")->click();
        QCOMPARE(dlg.StopFlag(), 1);
        QVERIFY(dlg.ProgressWindow() != nullptr);
        dlg.HideProgress();
        QVERIFY(dlg.ProgressWindow() == nullptr);
    }

    void delayCountdown() {
        QCOMPARE(CTransDelayDlg::FormatCountdown(65), QString("1 : 5"));
        QCOMPARE(CTransDelayDlg::FormatCountdown(59), QString("0 : 59"));
        QCOMPARE(CTransDelayDlg::FormatCountdown(480 * 60 + 59), QString("480 : 59"));
        CTransDelayDlg dlg("/x/O1000.nc", 65);
        QCOMPARE(dlg.windowTitle(), QString("File Transfer Delay"));
        QCOMPARE(dlg.findChild<QLabel*>("fileText")->text(),
                 QString("File /x/O1000.nc will be sent in:"));
        QCOMPARE(dlg.findChild<QLabel*>("countdown")->text(), QString("1 : 5"));
        // When the time has run out the window closes as with "Send Immediately".
        CTransDelayDlg shortDelay("/x/a.nc", 1);
        QCOMPARE(shortDelay.exec(), int(QDialog::Accepted));
    }

    void sendFileFromTheWindow() {
        PtyPair machine;
        QVERIFY(machine.Ok());
        WriteFile(MapPath(), "5=" + machine.SlaveName() + "\n");
        CSettings settings(ConfigPath());
        auto c = std::make_unique<CPortConfig>();
        c->m_strName = "Mill";
        c->m_port.m_nPort = 5;
        c->m_send.m_nDelaySeconds = 30;
        settings.Add(std::move(c));
        settings.Save();

        std::string program = "%\r\nO1000 (PART)\r\n";
        for (int i = 0; i < 300; ++i) program += "N" + std::to_string(i * 10) + " G01 X1.5 Y2\r\n";
        program += "M30\r\n%\r\n";
        const std::string path = TempFile("O1000.nc", program);
        m_files.openFile = QString::fromStdString(path);

        CSendrikDlg dlg(ConfigPath(), {}, Services());
        QLineEdit* portSettings = Edit(&dlg, "portSettingsBox");
        QString settingsDuringDelay;
        machine.StartCollecting();
        ModalDriver driver([&](QWidget* modal) -> bool {
            auto* delay = qobject_cast<CTransDelayDlg*>(modal);
            if (!delay) return true;
            settingsDuringDelay = portSettings->text();
            LAMBDA_COMPARE(delay->findChild<QLabel*>("countdown")->text(), QString("0 : 30"));
            Button(delay, "sendImmediatelyButton")->click();
            return false;
        });
        Button(&dlg, "sendFileButton")->click();
        QTRY_COMPARE_WITH_TIMEOUT(machine.Received().size(), program.size(), 5000);
        machine.StopCollecting();
        QCOMPARE(machine.Received(), program);
        QCOMPARE(settingsDuringDelay, QString("9600 8-N-1"));
        QCOMPARE(portSettings->text(), QString());
        QCOMPARE(dlg.LastFolder(), m_dir.path());
        QVERIFY(m_messages.messages.isEmpty());
        QVERIFY(Button(&dlg, "sendFileButton")->isEnabled());
        QCOMPARE(Edit(&dlg, "statusBox")->text(),
                 QString("Sent O1000.nc (%1 bytes)").arg(program.size()));
    }

    void keysNeverQuitBySurprise_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("effect");
        QTest::newRow("Esc") << "configBox" << int(Qt::Key_Escape) << int(Qt::NoModifier)
                             << "nothing";
        QTest::newRow("Esc on a button")
            << "sendFileButton" << int(Qt::Key_Escape) << int(Qt::NoModifier) << "nothing";
        QTest::newRow("Enter on Send File")
            << "sendFileButton" << int(Qt::Key_Return) << int(Qt::NoModifier) << "asks for a file";
        QTest::newRow("Enter in the list sends")
            << "configBox" << int(Qt::Key_Return) << int(Qt::NoModifier) << "asks for a file";
        QTest::newRow("Enter on Refresh")
            << "refreshButton" << int(Qt::Key_Return) << int(Qt::NoModifier) << "nothing";
        QTest::newRow("Ctrl+O") << "configBox" << int(Qt::Key_O) << int(Qt::ControlModifier)
                                << "asks for a file";
        QTest::newRow("Alt+S") << "configBox" << int(Qt::Key_S) << int(Qt::AltModifier)
                               << "asks for a file";
        QTest::newRow("Ctrl+Q") << "configBox" << int(Qt::Key_Q) << int(Qt::ControlModifier)
                                << "quits";
        QTest::newRow("Enter on Close")
            << "closeButton" << int(Qt::Key_Return) << int(Qt::NoModifier) << "quits";
    }

    void keysNeverQuitBySurprise() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, effect);
        WriteConfigFile(ConfigPath(), {"Mill"});
        CSendrikDlg dlg(ConfigPath(), {}, Services());
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        auto* target = dlg.findChild<QWidget*>(focus);
        QVERIFY(target);
        target->setFocus(Qt::TabFocusReason);
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTest::qWait(150);  // a mnemonic clicks after the button's animation
        QCOMPARE(dlg.isVisible(), effect != "quits");
        QCOMPARE(m_files.starts.size(), effect == "asks for a file" ? 1 : 0);
        QVERIFY(m_messages.questions.isEmpty());
    }

    void cancellingTheDelayStopsSendMultiple() {
        PtyPair machine;
        QVERIFY(machine.Ok());
        WriteFile(MapPath(), "5=" + machine.SlaveName() + "\n");
        CSettings settings(ConfigPath());
        auto c = std::make_unique<CPortConfig>();
        c->m_strName = "Mill";
        c->m_port.m_nPort = 5;
        c->m_send.m_nDelaySeconds = 65;
        c->m_arrFiles = {TempFile("a.nc", "G00\r\n"), TempFile("b.nc", "G01\r\n")};
        settings.Add(std::move(c));
        settings.Save();

        CSendrikDlg dlg(ConfigPath(), {}, Services());
        machine.StartCollecting();
        int delays = 0;
        QString firstCountdown;
        ModalDriver driver([&](QWidget* modal) -> bool {
            if (auto* list = qobject_cast<CSendMultipleDlg*>(modal)) {
                LAMBDA_COMPARE(list->Paths().size(), 2);
                Button(list, "sendButton")->click();
                return true;
            }
            if (auto* delay = qobject_cast<CTransDelayDlg*>(modal)) {
                if (++delays == 1) firstCountdown = delay->findChild<QLabel*>("countdown")->text();
                Button(delay, "cancelButton")->click();
            }
            return true;
        });
        Button(&dlg, "sendMultipleButton")->click();
        QTest::qWait(200);
        machine.StopCollecting();
        QCOMPARE(delays, 1);
        QCOMPARE(firstCountdown, QString("1 : 5"));
        QCOMPARE(machine.Received(), std::string());
        QCOMPARE(Edit(&dlg, "portSettingsBox")->text(), QString());
    }

    void sendMultipleSendsEveryFileInOrder() {
        PtyPair machine;
        QVERIFY(machine.Ok());
        WriteFile(MapPath(), "5=" + machine.SlaveName() + "\n");
        CSettings settings(ConfigPath());
        auto c = std::make_unique<CPortConfig>();
        c->m_strName = "Mill";
        c->m_port.m_nPort = 5;
        c->m_arrFiles = {TempFile("a.nc", "%\nO1\nG00\n%\n"), TempFile("b.nc", "%\nO2\nG01\n%\n")};
        settings.Add(std::move(c));
        settings.Save();

        CSendrikDlg dlg(ConfigPath(), {}, Services());
        machine.StartCollecting();
        ModalDriver driver([&](QWidget* modal) -> bool {
            if (auto* list = qobject_cast<CSendMultipleDlg*>(modal)) {
                Button(list, "sendButton")->click();
                return false;
            }
            return true;
        });
        Button(&dlg, "sendMultipleButton")->click();
        const std::string expected = "%\nO1\nG00\n%\n%\nO2\nG01\n%\n";
        QTRY_COMPARE_WITH_TIMEOUT(machine.Received().size(), expected.size(), 5000);
        machine.StopCollecting();
        QCOMPARE(machine.Received(), expected);
    }

    void cancellingOneFileGoesOnWithTheNext() {
        PtyPair machine;
        QVERIFY(machine.Ok());
        WriteFile(MapPath(), "5=" + machine.SlaveName() + "\n");
        std::string first;
        for (int i = 0; i < 2000; ++i) first += "G01 X" + std::to_string(i) + "\n";
        const std::string second = "%\nO2\nM30\n%\n";
        CSettings settings(ConfigPath());
        auto c = std::make_unique<CPortConfig>();
        c->m_strName = "Mill";
        c->m_port.m_nPort = 5;
        c->m_arrFiles = {TempFile("long.nc", first), TempFile("short.nc", second)};
        settings.Add(std::move(c));
        settings.Save();

        CSendrikDlg dlg(ConfigPath(), {}, Services());
        machine.StartCollecting();
        ModalDriver driver([&](QWidget* modal) -> bool {
            if (auto* list = qobject_cast<CSendMultipleDlg*>(modal)) {
                Button(list, "sendButton")->click();
                return false;
            }
            return true;
        });
        // Cancel the first file as soon as its progress window is up.
        QStringList titles;
        QTimer cancel;
        connect(&cancel, &QTimer::timeout, [&] {
            CCancelDlg* progress = dlg.ProgressWindow();
            if (!progress || titles.contains(progress->windowTitle())) return;
            titles << progress->windowTitle();
            if (titles.size() == 1) progress->findChild<QPushButton*>("cancelButton")->click();
        });
        cancel.start(0);
        Button(&dlg, "sendMultipleButton")->click();
        cancel.stop();
        const auto endsWithSecond = [&] {
            const std::string r = machine.Received();
            return r.size() >= second.size() &&
                   r.compare(r.size() - second.size(), second.size(), second) == 0;
        };
        QTRY_VERIFY_WITH_TIMEOUT(endsWithSecond(), 5000);
        machine.StopCollecting();
        const std::string received = machine.Received();
        QCOMPARE(titles.size(), 2);
        QVERIFY(received.size() < first.size());
        QVERIFY(received.size() >= second.size());
        QCOMPARE(received.substr(received.size() - second.size()), second);
    }

    void receiveFromTheWindow() {
        PtyPair machine;
        QVERIFY(machine.Ok());
        WriteFile(MapPath(), "5=" + machine.SlaveName() + "\n");
        CSettings settings(ConfigPath());
        auto c = std::make_unique<CPortConfig>();
        c->m_strName = "Lathe";
        c->m_port.m_nPort = 5;
        c->m_receive.m_bCheckPercent = 1;
        settings.Add(std::move(c));
        settings.Save();
        const QString target = m_dir.path() + "/in.nc";
        m_files.saveFile = target;

        CSendrikDlg dlg(ConfigPath(), {}, Services());
        QString statusWhileWaiting;
        int stopAfterEsc = -1;
        QTimer::singleShot(150, [&] {
            QTest::keyClick(&dlg, Qt::Key_Escape);  // a stray key stops nothing
            stopAfterEsc = dlg.StopFlag();
        });
        QTimer::singleShot(300, [&] {
            statusWhileWaiting = Edit(&dlg, "statusBox")->text();
            machine.Write("%\r\nO2000\r\nG00 X0\r\n%\r\nM30\r\n");
        });
        QTimer::singleShot(10000, &dlg, [&] { dlg.StopFlag() = 1; });  // never hang
        Button(&dlg, "receiveButton")->click();                        // returns at the second "%"
        QCOMPARE(statusWhileWaiting, QString("Waiting for data..."));
        QCOMPARE(stopAfterEsc, 0);
        QCOMPARE(ReadFile(target.toStdString()), std::string("%\n\rO2000\n\rG00 X0\n\r%"));
        QCOMPARE(Edit(&dlg, "statusBox")->text(), QString());
        QCOMPARE(Edit(&dlg, "portSettingsBox")->text(), QString());
        QVERIFY(Button(&dlg, "receiveButton")->isEnabled());
    }

    void closingDuringAReceiveStopsItAndSaves() {
        PtyPair machine;
        QVERIFY(machine.Ok());
        WriteFile(MapPath(), "5=" + machine.SlaveName() + "\n");
        CSettings settings(ConfigPath());
        auto c = std::make_unique<CPortConfig>();
        c->m_strName = "Lathe";
        c->m_port.m_nPort = 5;
        settings.Add(std::move(c));
        settings.Save();
        m_files.saveFile = m_dir.path() + "/in.nc";

        CSendrikDlg dlg(ConfigPath(), {}, Services());
        QFile::remove(QString::fromStdString(ConfigPath()));
        dlg.show();
        QTimer::singleShot(200, [&] { machine.Write("G00\r\n"); });
        // Ctrl+Q from the progress window asks: No goes on receiving, Yes stops and quits.
        int stopAfterNo = -1;
        QTimer::singleShot(300, [&] {
            QTest::keyClick(dlg.ProgressWindow(), Qt::Key_Q, Qt::ControlModifier);
            stopAfterNo = dlg.StopFlag();
        });
        QTimer::singleShot(400, [&] {
            QTest::keyClick(dlg.ProgressWindow(), Qt::Key_Q, Qt::ControlModifier);
            QVERIFY(dlg.isVisible());  // stays until the transfer has stopped
        });
        m_messages.answers = {false, true};
        QTimer::singleShot(10000, &dlg, [&] { dlg.StopFlag() = 1; });  // never hang
        Button(&dlg, "receiveButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!dlg.isVisible(), 2000);
        QCOMPARE(stopAfterNo, 0);
        QCOMPARE(m_messages.questions,
                 QStringList({kMsgStopTransferAndQuit, kMsgStopTransferAndQuit}));
        QCOMPARE(ReadFile(m_dir.path().toStdString() + "/in.nc"), std::string("G00\n\r"));
        // The configurations were written on closing.
        CSettings saved(ConfigPath());
        QVERIFY(saved.Load().empty());
        QCOMPARE(saved.GetCount(), 1);
    }

    // Files opened from the desktop: listed at once, on the line only when Send is pressed.
    void openedFilesWaitForSend() {
        {
            // Without a configuration there is nothing to send them with.
            WriteConfigFile(ConfigPath(), {});
            CSendrikDlg empty(ConfigPath(), {}, Services());
            empty.SetOpenedFiles({"/p/a.nc"});
            QVERIFY(!Button(&empty, "sendOpenedButton")->isEnabled());
        }
        PtyPair machine;
        QVERIFY(machine.Ok());
        WriteFile(MapPath(), "5=" + machine.SlaveName() + "\n");
        CSettings settings(ConfigPath());
        auto c = std::make_unique<CPortConfig>();
        c->m_strName = "Mill";
        c->m_port.m_nPort = 5;
        settings.Add(std::move(c));
        settings.Save();
        const QString a = QString::fromStdString(TempFile("O1000.nc", "%\nO1000\nG00 X1\n%\n"));
        const QString b = QString::fromStdString(TempFile("my prog-2.nc", "%\nO2\nG01 Y2\n%\n"));

        CSendrikDlg dlg(ConfigPath(), {}, Services());
        QVERIFY(!dlg.findChild<QWidget*>("openedFilesGroup")->isVisibleTo(&dlg));
        dlg.SetOpenedFiles({a, b});
        machine.StartCollecting();
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        auto* list = dlg.findChild<QListWidget*>("openedFilesList");
        QVERIFY(list->isVisible());
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), a);
        QCOMPARE(list->item(1)->text(), b);
        QCOMPARE(dlg.OpenedFiles(), (QStringList{a, b}));
        QTest::qWait(300);
        QCOMPARE(machine.Received(), std::string());

        Button(&dlg, "sendOpenedButton")->click();
        const std::string expected = "%\nO1000\nG00 X1\n%\n%\nO2\nG01 Y2\n%\n";
        QTRY_COMPARE_WITH_TIMEOUT(machine.Received().size(), expected.size(), 5000);
        machine.StopCollecting();
        QCOMPARE(machine.Received(), expected);
        QVERIFY(m_messages.messages.isEmpty());
        QCOMPARE(list->count(), 2);  // still listed, for the next machine
    }

    void commandLineFileIsSentOnceAtActivation() {
        PtyPair machine;
        QVERIFY(machine.Ok());
        WriteFile(MapPath(), "5=" + machine.SlaveName() + "\n");
        CSettings settings(ConfigPath());
        auto c = std::make_unique<CPortConfig>();
        c->m_strName = "Mill";
        c->m_port.m_nPort = 5;
        settings.Add(std::move(c));
        settings.Save();
        // A path with blanks and minus signs is taken whole.
        const std::string path = TempFile("my prog-2 final.nc", "G00 X-1\r\nM30\r\n");

        CSendrikDlg dlg(ConfigPath(), QString::fromStdString(path), Services());
        machine.StartCollecting();
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QTRY_COMPARE_WITH_TIMEOUT(machine.Received(), std::string("G00 X-1\r\nM30\r\n"), 5000);
        QVERIFY(dlg.CommandFile().isEmpty());
        // A later activation sends nothing more.
        dlg.hide();
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QTest::qWait(200);
        machine.StopCollecting();
        QCOMPARE(machine.Received(), std::string("G00 X-1\r\nM30\r\n"));
        QVERIFY(m_messages.messages.isEmpty());
    }
};

QTEST_MAIN(SendrikDlgTest)
#include "SendrikDlgTest.moc"
