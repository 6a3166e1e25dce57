// Runs a search as the window runs it (main window, search dialog, result list) and
// prints what it found and the memory the process needed. Run it under
// `/usr/bin/time -v` for the maximum resident set size as well:
//   scarrow_search_memory FOLDER WORD...          (offscreen is fine)

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <string>

#include "search/Config.h"
#include "search/ui/LeftView.h"
#include "search/ui/MainFrame.h"
#include "search/ui/ScarrowDoc.h"
#include "search/ui/SearchDlg.h"
#include "search/ui/UiSupport.h"

using namespace scarrow;
using namespace scarrow::ui;

namespace {

class PrintingPrompts : public IUserPrompts {
public:
    void ShowMessage(QWidget*, const QString& text, Icon) override {
        std::printf("message: %s\n", qPrintable(text));
    }
    void Beep() override {}
};

// The peak and the current resident set size of this process, in MB.
std::string Memory() {
    std::ifstream status("/proc/self/status");
    std::string line, peak = "?", now = "?";
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) peak = line.substr(6);
        if (line.rfind("VmRSS:", 0) == 0) now = line.substr(6);
    }
    return "peak" + peak + ", now" + now;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: scarrow_search_memory FOLDER WORD...\n");
        return 2;
    }
    QTemporaryDir dir;
    CConfig config(std::filesystem::path(dir.filePath("history.cfg").toStdString()));
    PrintingPrompts prompts;
    CMainFrame frame(config, prompts);
    frame.show();
    app.processEvents();
    std::printf("before the search: %s\n", Memory().c_str());

    const QString folder = QString::fromLocal8Bit(argv[1]);
    QStringList words;
    for (int i = 2; i < argc; ++i) words << QString::fromLocal8Bit(argv[i]);
    frame.m_beforeSearchDialog = [&](CSearchDlg& dlg) {
        QTimer::singleShot(0, &dlg, [&] {
            dlg.findChild<QLineEdit*>(QStringLiteral("editFolder"))->setText(folder);
            dlg.findChild<QListWidget*>(QStringLiteral("listWords"))->addItems(words);
            dlg.UpdateControls();
            dlg.findChild<QPushButton*>(QStringLiteral("btnSearch"))->click();
        });
    };
    QElapsedTimer clock;
    clock.start();
    frame.OnSearchDialog();
    const qint64 searched = clock.elapsed();

    std::uint64_t occurrences = 0, kept = 0;
    for (const auto& r : frame.Document().Results()) {
        occurrences += r->m_nOccurrences;
        kept += r->m_foundWords.size();
    }
    std::printf("%zu files, %llu occurrences (%llu kept) in %lld ms; list rows %d\n",
                frame.Document().Results().size(), static_cast<unsigned long long>(occurrences),
                static_cast<unsigned long long>(kept), searched,
                frame.LeftView()->model()->rowCount());
    std::printf("after the search: %s\n", Memory().c_str());
    return 0;
}
