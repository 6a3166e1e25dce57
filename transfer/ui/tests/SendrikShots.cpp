// Saves a picture of every Sendrik window into the folder given as argument, for
// looking at them (run under xvfb-run or with QT_QPA_PLATFORM=offscreen).

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "TestSupport.h"
#include "common/HelpWindow.h"
#include "common/Translations.h"
#include "transfer/ui/ConfigPS.h"
#include "transfer/ui/SendMultipleDlg.h"
#include "transfer/ui/SendrikDlg.h"
#include "transfer/ui/TransferDialogs.h"

using namespace sendrik;

namespace {

void Save(QWidget& w, const QString& folder, const char* name) {
    w.show();
    if (std::string(name) != "help") w.adjustSize();
    QApplication::processEvents();
    w.grab().save(folder + "/" + name + ".png");
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The desktop's language, as the program has it (LANG=de_DE.UTF-8 for German pictures).
    common::InstallTranslations("sendrik", common::DesktopLanguageCode(), SUITE_BUILD_TRANSLATIONS);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(out);
    QTemporaryDir dir;
    test::PtyPair one, two;
    test::WriteFile((dir.path() + "/ports.cfg").toStdString(),
                    "3=" + one.SlaveName() + "\n5=" + two.SlaveName() + "\n");
    CSettings settings((dir.path() + "/port.cfg").toStdString());
    const char* names[] = {"Okuma Lathe", "Haas VF-2 Mill", "Fanuc 0i Router"};
    for (int i = 0; i < 3; ++i) {
        auto c = std::make_unique<CPortConfig>();
        c->m_strName = names[i];
        c->m_port.m_nPort = i == 1 ? 5 : 3;
        c->m_send.m_header = {18};
        c->m_send.m_trailer = {20};
        c->m_send.m_nDelaySeconds = 65;
        c->m_send.m_strFolder = "/home/cnc/programs";
        c->m_arrFiles = {"/home/cnc/programs/O1000.nc", "/home/cnc/programs/O1001 ROUGH.nc",
                         "/home/cnc/programs/fixtures/O2000.nc"};
        settings.Add(std::move(c));
    }
    settings.m_nSelected = 1;
    settings.Save();

    test::RecordingMessageBoxes messages;
    test::ScriptedFileDialogs files;
    const UiServices services{&messages, &files};
    CSendrikDlg main(settings.m_strPath, {}, services);
    main.SetPortSettingsText("9600 8-N-1");
    main.SetStatusText("Sending...");
    Save(main, out, "main");
    main.SetPortSettingsText("");
    main.SetStatusText("");

    CConfigPS sheet(*main.SelectedConfig(), false, main.Settings(), main.GetPortMap(), services);
    for (int page = 0; page < 3; ++page) {
        sheet.Tabs()->setCurrentIndex(page);
        Save(sheet, out,
             page == 0   ? "editor-common"
             : page == 1 ? "editor-send"
                         : "editor-receive");
    }

    CPortConfig list = *main.SelectedConfig();
    CSendMultipleDlg multiple(list, services);
    multiple.List()->setCurrentItem(multiple.List()->topLevelItem(1));
    Save(multiple, out, "send-multiple");

    CTransDelayDlg delay("/home/cnc/programs/O1000.nc", 65);
    Save(delay, out, "delay");

    int stop = 0;
    CCancelDlg progress(stop);
    progress.setWindowTitle("Sending file /home/cnc/programs/O1000.nc");
    progress.SetProgressPos(42);
    Save(progress, out, "progress-send");
    progress.ShowBar(false);
    progress.SetLineText("N120 G01 X25.4 Y-12.7 F250");
    Save(progress, out, "progress-receive");

    CAboutDlg about;
    Save(about, out, "about");

    // The help page, from the folder given as second argument.
    if (argc > 2) {
        if (auto* help = common::HelpWindow::ShowTopic(QString::fromLocal8Bit(argv[2]),
                                                       kHelpContents, kHelpTopic)) {
            help->resize(900, 700);
            Save(*help, out, "help");
        }
    }
    return 0;
}
