// The window's search against the command line's on the same folder and words: the real
// main window on the offscreen platform, its search dialog filled in and Search clicked,
// timed from the click to the list painted with every result; between two of them
// `scarrow search` runs as a process of its own, timed from start to exit. The runs
// alternate, so a busy machine slows both alike; the ratios are taken pair by pair.
// Then the parts of the window's time: the engine alone in this process, and the
// engine feeding the list without pumping events. Last, how long Stop takes to end a
// search under way.
//
//   scarrow-window-bench [--any] [--runs N] [--threads N] [--scarrow PROGRAM] FOLDER WORD...
//
// PROGRAM is `scarrow` beside this benchmark unless given; --threads N is `-j N` for
// both (default: one for each processor).

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "search/Config.h"
#include "search/Criteria.h"
#include "search/SearchEngine.h"
#include "search/ui/LeftView.h"
#include "search/ui/MainFrame.h"
#include "search/ui/ScarrowDoc.h"
#include "search/ui/SearchDlg.h"
#include "search/ui/UiSupport.h"

extern char** environ;

using namespace scarrow;
using namespace scarrow::ui;

namespace {

class SilentPrompts : public IUserPrompts {
public:
    void ShowMessage(QWidget*, const QString& text, Icon) override {
        std::printf("message: %s\n", qPrintable(text));
    }
    void Beep() override {}
};

double Ms(const QElapsedTimer& t) {
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double Min(const std::vector<double>& v) {
    return *std::min_element(v.begin(), v.end());
}

struct Timing {
    double wall = 0;  // ms
    double cpu = 0;   // ms of user and system time, of every thread
};

double ProcessCpuMs() {
    timespec ts{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// The command line as a process of its own, its output thrown away.
Timing RunCommandLine(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[0]);
        std::exit(2);
    }
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    Timing t;
    t.wall = Ms(clock);
    posix_spawn_file_actions_destroy(&actions);
    const auto ms = [](const timeval& v) {
        return static_cast<double>(v.tv_sec) * 1e3 + static_cast<double>(v.tv_usec) / 1e3;
    };
    t.cpu = ms(usage.ru_utime) + ms(usage.ru_stime);
    return t;
}

struct WindowRun {
    double closed = 0;  // the click to the dialog closed
    double ms = 0;      // the click to the painted list
    double cpu = 0;     // ms of processor time meanwhile
    int rows = 0;
    bool stopped = false;
};

// One search in the main window's dialog; `stopAfterMs` >= 0 clicks Stop that long
// after Search and then times the click of Stop to the dialog closed.
unsigned g_threads = 0;

WindowRun RunWindow(CMainFrame& frame, const QString& folder, const QStringList& words, bool any,
                    int stopAfterMs = -1) {
    WindowRun run;
    QElapsedTimer clock;
    double cpu = 0;
    frame.m_beforeSearchDialog = [&](CSearchDlg& dlg) {
        QTimer::singleShot(0, &dlg, [&] {
            dlg.findChild<QLineEdit*>(QStringLiteral("editFolder"))->setText(folder);
            auto* list = dlg.findChild<QListWidget*>(QStringLiteral("listWords"));
            list->clear();
            list->addItems(words);
            dlg.findChild<QRadioButton*>(any ? QStringLiteral("radioAnyMatch")
                                             : QStringLiteral("radioAllMatch"))
                ->setChecked(true);
            dlg.UpdateControls();
            SearchOptions options;
            options.threads = g_threads;
            dlg.SetSearchOptions(options);
            auto* search = dlg.findChild<QPushButton*>(QStringLiteral("btnSearch"));
            if (stopAfterMs >= 0) {
                QTimer::singleShot(stopAfterMs, &dlg, [&clock, &cpu, &run, search] {
                    clock.start();
                    cpu = ProcessCpuMs();
                    run.stopped = true;
                    search->click();
                });
            } else {
                clock.start();
                cpu = ProcessCpuMs();
            }
            search->click();
        });
    };
    frame.OnSearchDialog();
    run.closed = Ms(clock);
    QCoreApplication::processEvents();
    frame.LeftView()->viewport()->repaint();
    run.ms = Ms(clock);
    run.cpu = ProcessCpuMs() - cpu;
    run.rows = frame.LeftView()->model()->rowCount();
    return run;
}

class NullSink : public ISearchSink {
public:
    void ResultFound(std::unique_ptr<CSearchResult>) override { ++found; }
    bool GoOn() override { return true; }
    int found = 0;
};

class DocSink : public ISearchSink {
public:
    explicit DocSink(CScarrowDoc& doc) : m_doc(doc) {}
    void ResultFound(std::unique_ptr<CSearchResult> r) override { m_doc.AddResult(std::move(r)); }
    bool GoOn() override { return true; }

private:
    CScarrowDoc& m_doc;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    bool any = false;
    int runs = 7;
    std::string scarrow = (std::filesystem::path(argv[0]).parent_path() / "scarrow").string();
    std::vector<std::string> rest;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--any") {
            any = true;
        } else if (a == "--runs" && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else if (a == "--threads" && i + 1 < argc) {
            g_threads = static_cast<unsigned>(std::max(0, std::atoi(argv[++i])));
        } else if (a == "--scarrow" && i + 1 < argc) {
            scarrow = argv[++i];
        } else {
            rest.push_back(a);
        }
    }
    if (rest.size() < 2) {
        std::fprintf(
            stderr,
            "usage: scarrow-window-bench [--any] [--runs N] [--threads N] [--scarrow PROGRAM] "
            "FOLDER WORD...\n");
        return 2;
    }
    const QString folder = QString::fromStdString(rest[0]);
    QStringList words;
    std::vector<std::string> cli{scarrow, "search"};
    if (any) cli.push_back("--any");
    if (g_threads != 0) cli.insert(cli.end(), {"-j", std::to_string(g_threads)});
    cli.push_back(rest[0]);
    for (std::size_t i = 1; i < rest.size(); ++i) {
        words << QString::fromStdString(rest[i]);
        cli.push_back(rest[i]);
    }

    QTemporaryDir dir;
    CConfig config(std::filesystem::path(dir.filePath("history.cfg").toStdString()));
    SilentPrompts prompts;
    CMainFrame frame(config, prompts);
    frame.show();
    QCoreApplication::processEvents();

    CSearchConfig criteria;
    criteria.m_strFolder = rest[0];
    criteria.m_words.assign(rest.begin() + 1, rest.end());
    criteria.m_nMatchMode = any ? CSearchConfig::MatchAny : CSearchConfig::MatchAll;
    ValidateCriteria(criteria);
    SearchOptions options;
    options.maxOccurrencesPerFile = 0;
    options.threads = g_threads;

    // Warm-up: the file cache, and the window's first dialog and first rows.
    RunCommandLine(cli);
    const int rows = RunWindow(frame, folder, words, any).rows;

    std::vector<double> window, windowCpu, closed, commandLine, commandLineCpu, ratio, cpuRatio;
    std::vector<double> engine, engineCpu, list, listCpu;
    for (int r = 0; r < runs; ++r) {
        const Timing c = RunCommandLine(cli);
        const WindowRun w = RunWindow(frame, folder, words, any);
        if (w.rows != rows) std::printf("run %d: %d rows, not %d\n", r, w.rows, rows);
        commandLine.push_back(c.wall);
        commandLineCpu.push_back(c.cpu);
        window.push_back(w.ms);
        closed.push_back(w.closed);
        windowCpu.push_back(w.cpu);
        ratio.push_back(w.ms / c.wall);
        cpuRatio.push_back(w.cpu / c.cpu);

        // The parts: the engine alone, then feeding the list without the dialog's pumping.
        QElapsedTimer clock;
        clock.start();
        double cpu = ProcessCpuMs();
        NullSink null;
        RunSearch(criteria, null, options);
        engine.push_back(Ms(clock));
        engineCpu.push_back(ProcessCpuMs() - cpu);

        frame.Document().ClearResults();
        QCoreApplication::processEvents();
        clock.start();
        cpu = ProcessCpuMs();
        DocSink docSink(frame.Document());
        RunSearch(criteria, docSink, options);
        QCoreApplication::processEvents();
        frame.LeftView()->viewport()->repaint();
        list.push_back(Ms(clock));
        listCpu.push_back(ProcessCpuMs() - cpu);
    }

    std::vector<double> stops;
    for (int r = 0; r < runs; ++r) {
        const WindowRun w = RunWindow(frame, folder, words, any, 15);
        if (w.stopped) stops.push_back(w.closed);
    }
    if (stops.empty()) stops.push_back(0);  // every search ended before Stop

    std::printf("folder %s, words", rest[0].c_str());
    for (std::size_t i = 1; i < rest.size(); ++i) std::printf(" %s", rest[i].c_str());
    std::printf(" (%s), %d files listed, %d runs, %u threads\n", any ? "any word" : "all words",
                rows, runs, g_threads ? g_threads : DefaultSearchThreads());
    std::printf("%-46s %9s %9s %9s %9s\n", "", "wall min", "median", "cpu min", "median");
    const auto row = [](const char* name, const std::vector<double>& wall,
                        const std::vector<double>& cpu) {
        std::printf("%-46s %9.1f %9.1f", name, Min(wall), Median(wall));
        if (!cpu.empty()) std::printf(" %9.1f %9.1f", Min(cpu), Median(cpu));
        std::printf("\n");
    };
    row("command line (process, start to exit), ms", commandLine, commandLineCpu);
    row("window (click Search to the list painted), ms", window, windowCpu);
    row("  of which to the dialog closed", closed, {});
    row("  engine alone, in this process", engine, engineCpu);
    row("  engine into the list, no event pumping", list, listCpu);
    row("Stop (click to the dialog closed)", stops, {});
    std::printf("%-46s %9.2f %9.2f %9.2f %9.2f\n", "window / command line, pair by pair",
                Min(ratio), Median(ratio), Min(cpuRatio), Median(cpuRatio));
    return 0;
}
