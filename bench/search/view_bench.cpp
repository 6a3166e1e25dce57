// How fast the Scarrow text view shows a large program: generated G-code programs of
// short lines (50 MB and 1 GB by default), opened in the real view on the offscreen
// platform. Prints the time to the first painted screen, to a jump to the last
// occurrence (Ctrl+End, then Previous occurrence, then Page Up) right after opening and again once
// the background index is complete, the longest Next occurrence of a run of them,
// and the memory the process needed.
//
//   scarrow-view-bench [FOLDER [MEGABYTES | FILE]...]   (default /tmp/scarrow-view-bench 50 1024)
//
// The files are generated on the first run and kept; the file cache is warmed first.
// With SCARROW_VIEW_BENCH_SHOTS=FOLDER the pane is saved as a picture right after the
// early jump to the end and after the index is complete.

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QScrollBar>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "GcodeGen.h"
#include "search/TextFile.h"
#include "search/ui/RightView.h"
#include "search/ui/ScarrowDoc.h"
#include "search/ui/UiSupport.h"

using namespace scarrow;
using namespace scarrow::ui;

namespace {

class SilentPrompts : public IUserPrompts {
public:
    void ShowMessage(QWidget*, const QString& text, Icon) override {
        std::printf("message: %s\n", qPrintable(text));
    }
    void Beep() override { ++beeps; }
    int beeps = 0;
};

// Programs of a few megabytes one after another, as a CAM system writes a 3D surface
// in pieces: about 25 bytes a line.
void Generate(const std::filesystem::path& path, std::uint64_t megabytes) {
    if (std::filesystem::exists(path) && std::filesystem::file_size(path) >= megabytes << 20)
        return;
    std::printf("generating %s ...\n", path.c_str());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    std::mt19937 rng(5);
    std::uint64_t written = 0;
    for (int n = 0; written < megabytes << 20; ++n) {
        const std::string p = scarrow_bench::Program(rng, 4u << 20, n);
        out.write(p.data(), static_cast<std::streamsize>(p.size()));
        written += p.size();
    }
}

void Warm(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> block(1 << 20);
    while (in.read(block.data(), static_cast<std::streamsize>(block.size()))) {
    }
}

double Ms(const QElapsedTimer& t) {
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

void Key(QWidget* w, int key, Qt::KeyboardModifiers mods = {}) {
    QKeyEvent press(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(w, &press);
}

std::string PeakMemory() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return line.substr(6);
    return "?";
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::filesystem::path folder = argc > 1 ? argv[1] : "/tmp/scarrow-view-bench";
    // A number is the size of a generated program, anything else a file to open as it is.
    std::vector<std::string> inputs(argv + std::min(argc, 2), argv + argc);
    if (inputs.empty()) inputs = {"50", "1024"};
    std::filesystem::create_directories(folder);

    SilentPrompts prompts;
    CScarrowDoc doc;
    CSplitFrame pane(doc, prompts);
    pane.resize(800, 900);
    pane.show();
    app.processEvents();
    CRightView* view = pane.View();

    for (const std::string& input : inputs) {
        std::filesystem::path path = input;
        if (input.find_first_not_of("0123456789") == std::string::npos) {
            path = folder / ("short-lines-" + input + "MB.nc");
            Generate(path, std::stoull(input));
        }
        Warm(path);
        auto result = std::make_unique<CSearchResult>();
        result->m_strPath = path.string();
        auto pattern = std::make_shared<CSearchPattern>();
        pattern->words = {"G83", "M30"};
        result->m_pattern = pattern;
        doc.ClearResults();
        doc.AddResult(std::move(result));
        CSearchResult* shown = doc.Results()[0].get();

        QElapsedTimer t;
        t.start();
        doc.ShowResult(shown, nullptr);
        view->viewport()->repaint();
        const double firstScreen = Ms(t);
        const std::size_t marks = view->VisibleMarks().size();

        view->setFocus();
        t.restart();
        Key(view, Qt::Key_End, Qt::ControlModifier);
        view->viewport()->repaint();
        const double endEarly = Ms(t);
        t.restart();
        view->PreviousOccurrence();
        view->viewport()->repaint();
        const double lastEarly = Ms(t);
        const bool indexedAtJump = view->File()->Indexed();
        const QString shots = qEnvironmentVariable("SCARROW_VIEW_BENCH_SHOTS");
        const QString shotName =
            QStringLiteral("%1/view-%2-").arg(shots, QString::fromStdString(path.stem().string()));
        if (!shots.isEmpty()) {
            app.processEvents();  // the scroll bar is shown from the event loop
            pane.grab().save(shotName + QStringLiteral("early.png"));
        }
        // The longest of `times` runs of `step`, each with its paint.
        const auto longest = [&](int times, const auto& step) {
            double most = 0;
            for (int i = 0; i < times; ++i) {
                t.restart();
                step();
                view->viewport()->repaint();
                most = std::max(most, Ms(t));
            }
            return most;
        };
        const double longestPageUp = longest(50, [&] { Key(view, Qt::Key_PageUp); });
        t.restart();
        while (!view->File()->Indexed()) app.processEvents(QEventLoop::AllEvents, 5);
        const double indexed = Ms(t);
        const std::uint64_t rows = view->File()->RowCount();
        const std::uint64_t occurrences = view->File()->OccurrenceCount();
        if (!shots.isEmpty()) pane.grab().save(shotName + QStringLiteral("indexed.png"));

        Key(view, Qt::Key_Home, Qt::ControlModifier);
        t.restart();
        Key(view, Qt::Key_End, Qt::ControlModifier);
        view->PreviousOccurrence();
        view->viewport()->repaint();
        const double lastIndexed = Ms(t);
        const QString lastText = view->SelectedText();

        Key(view, Qt::Key_Home, Qt::ControlModifier);
        const double longestNext = longest(200, [&] { view->NextOccurrence(); });
        const double longestPage = longest(100, [&] { Key(view, Qt::Key_PageDown); });

        std::printf(
            "%s: %.0f MB, %llu rows, %llu occurrences of G83/M30\n"
            "  first screen (open + paint, %zu marks): %8.1f ms\n"
            "  right after opening, index %s:\n"
            "    Ctrl+End + paint:                     %8.1f ms\n"
            "    Previous to the last occurrence:      %8.1f ms\n"
            "    longest of 50 Page Up + paint:        %8.1f ms\n"
            "  background index complete after another %8.1f ms\n"
            "  with the index: Ctrl+End + Previous:    %8.1f ms (selected \"%s\")\n"
            "  longest of 200 Next + paint:            %8.1f ms\n"
            "  longest of 100 Page Down + paint:       %8.1f ms\n",
            path.filename().c_str(), static_cast<double>(view->File()->Size()) / (1 << 20),
            static_cast<unsigned long long>(rows), static_cast<unsigned long long>(occurrences),
            marks, firstScreen, indexedAtJump ? "already complete" : "not yet complete", endEarly,
            lastEarly, longestPageUp, indexed, lastIndexed, qPrintable(lastText), longestNext,
            longestPage);
    }
    doc.ClearResults();
    std::printf("peak resident memory:%s\n", PeakMemory().c_str());
    return prompts.beeps == 0 ? 0 : 1;
}
