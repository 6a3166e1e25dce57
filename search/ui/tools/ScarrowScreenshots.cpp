// Takes the screenshots of the Scarrow window for the documentation:
//   scarrow_screenshots OUTPUT_FOLDER   (run under an X server, e.g. xvfb-run)
// Writes search-dialog.png, search-running.png, scarrow.png, help.png, calendar.png
// and phrase.png.

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <fstream>

#include "common/HelpWindow.h"
#include "search/Config.h"
#include "search/ui/LeftView.h"
#include "search/ui/MainFrame.h"
#include "search/ui/RightView.h"
#include "search/ui/ScarrowDoc.h"
#include "search/ui/SearchDlg.h"
#include "search/ui/UiSupport.h"

using namespace scarrow;
using namespace scarrow::ui;

namespace {

void Write(const QString& path, const QString& text) {
    QDir().mkpath(QFileInfo(path).path());
    std::ofstream out(path.toStdString(), std::ios::binary);
    out << text.toStdString();
}

QString Program(int number, int tool, bool coolant) {
    QString p = QStringLiteral(
                    "%\r\nO%1 (BRACKET OP%2)\r\n(T%3 - \u00D810 SCHAFTFR\u00C4SER, 90\u00B0)\r\n"
                    "G90 G17 G40 G80\r\n")
                    .arg(number)
                    .arg(number % 3 + 1)
                    .arg(tool);
    p += QStringLiteral("T%1 M6\r\nG54 G0 X0. Y0. S2400 M3\r\nG43 H%1 Z25.%2\r\n")
             .arg(tool)
             .arg(coolant ? " M8" : "");
    for (int i = 0; i < 14; ++i)
        p += QStringLiteral("G1 X%1 Y%2 F350.\r\n")
                 .arg(10.0 + i * 2.5, 0, 'f', 3)
                 .arg(5.0 + (i % 4) * 3.25, 0, 'f', 3);
    p += QStringLiteral("G0 Z25.\r\nM9\r\nG91 G28 Z0.\r\nM30\r\n%\r\n");
    return p;
}

// The screen where the main window is, so a dialog over it shows too.
void Shoot(const QWidget& frame, const QString& file) {
    QApplication::processEvents();
    const QRect r = frame.frameGeometry();
    QPixmap shot =
        QGuiApplication::primaryScreen()->grabWindow(0, r.x(), r.y(), r.width(), r.height());
    shot.save(file);
    std::printf("wrote %s\n", qPrintable(file));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: scarrow_screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    QTemporaryDir temp(QDir::tempPath() + QStringLiteral("/cnc-XXXXXX"));
    const QString shop = temp.filePath(QStringLiteral("shop"));
    for (int i = 0; i < 240; ++i) {
        const QString folder = shop + (i % 3 == 0   ? "/mill"
                                       : i % 3 == 1 ? "/lathe"
                                                    : "/mill/fixtures");
        Write(QStringLiteral("%1/O%2.nc").arg(folder).arg(1000 + i),
              Program(1000 + i, i % 5 + 1, i % 4 == 0));
    }
    Write(shop + "/readme.txt", QStringLiteral("Programs of the bracket job.\n"));

    CDefaultPrompts prompts;
    CConfig config(std::filesystem::path(temp.filePath("history.cfg").toStdString()));
    CSearchConfig earlier;
    earlier.m_strFolder = shop.toStdString();
    earlier.m_words = {"G43 H2"};
    config.m_history.push_back(earlier);

    CMainFrame frame(config, prompts);
    frame.move(20, 20);
    frame.show();

    int step = 0;
    frame.m_beforeSearchDialog = [&](CSearchDlg& dlg) {
        SearchOptions often;
        often.pollInterval = std::chrono::milliseconds(1);
        dlg.SetSearchOptions(often);
        dlg.move(frame.geometry().center() -
                 QPoint(dlg.sizeHint().width() / 2, dlg.sizeHint().height() / 2));
        QTimer::singleShot(300, &dlg, [&] {
            dlg.findChild<QLineEdit*>("editFolder")->setText(shop);
            auto* words = dlg.findChild<QListWidget*>("listWords");
            words->addItem(QStringLiteral("T2 M6"));
            words->addItem(QStringLiteral("M8"));
            dlg.findChild<QRadioButton*>("radioExtensionList")->click();
            dlg.findChild<QLineEdit*>("editExtensions")->setText(QStringLiteral("nc, tap"));
            words->setCurrentRow(1);
            dlg.UpdateControls();
            Shoot(frame, out + "/search-dialog.png");
            // Shoot while the search runs, once some results are in.
            QObject::connect(&frame.Document(), &CScarrowDoc::Updated, &dlg,
                             [&](QObject*, int hint, CSearchResult*) {
                                 if (hint == CScarrowDoc::HintAdded &&
                                     frame.Document().Results().size() == 12 && step == 0) {
                                     step = 1;
                                     // The rows come a batch at a time: this one
                                     // is not laid out yet.
                                     frame.LeftView()->doItemsLayout();
                                     frame.LeftView()->viewport()->repaint();
                                     Shoot(frame, out + "/search-running.png");
                                 }
                             });
            dlg.findChild<QPushButton*>("btnSearch")->click();
        });
    };
    QTimer::singleShot(200, &frame, [&] {
        frame.OnSearchDialog();
        QHeaderView* header = frame.LeftView()->header();
        emit header->sectionClicked(0);  // sorted by name, as after a click on the heading
        frame.LeftView()->setCurrentIndex(frame.LeftView()->model()->index(3, 0));
        frame.RightView()->NextOccurrence();
        QTimer::singleShot(300, &frame, [&] {
            Shoot(frame, out + "/scarrow.png");
            auto* help = common::HelpWindow::ShowTopic(
                common::HelpWindow::ProgramHelpFolder("scarrow"), "index.htm", "ScarrowHelp.htm");
            if (help) {
                help->move(20, 20);
                help->resize(1000, 700);
            }
            QTimer::singleShot(300, &frame, [&] {
                Shoot(frame, out + "/help.png");
                common::HelpWindow::CloseAll();
                CCalendarDlg calendar(QDate(2024, 3, 15), &frame);
                calendar.show();
                QApplication::processEvents();
                calendar.grab().save(out + "/calendar.png");
                CAddPhraseDlg phrase(&frame);
                phrase.show();
                QApplication::processEvents();
                phrase.grab().save(out + "/phrase.png");
                app.quit();
            });
        });
    });
    return QApplication::exec();
}
