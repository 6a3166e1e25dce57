// Measures how a large file opens in the text view: the total time and the longest
// time the window went without handling its events.
//   scarrow_view_bench [MEGABYTES [CHUNK_CHARACTERS]]   (default 50 MB; offscreen is fine)

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>

#include "search/SearchEngine.h"
#include "search/ui/RightView.h"
#include "search/ui/ScarrowDoc.h"
#include "search/ui/UiSupport.h"

using namespace scarrow;
using namespace scarrow::ui;

namespace {

class Sink : public ISearchSink {
public:
    void ResultFound(std::unique_ptr<CSearchResult> r) override { result = std::move(r); }
    bool GoOn() override { return true; }
    std::unique_ptr<CSearchResult> result;
};

class SilentPrompts : public IUserPrompts {
public:
    void ShowMessage(QWidget*, const QString& text, Icon) override {
        std::printf("message: %s\n", qPrintable(text));
    }
    void Beep() override {}
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const long megabytes = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 50;
    QTemporaryDir dir;
    const std::string line =
        "N0010 G01 X12.3456 Y-45.6789 Z-1.0000 F250.0 S1200 M03 (ROUGHING PASS)\r\n";
    {
        std::ofstream out(dir.filePath("big.nc").toStdString(), std::ios::binary);
        for (long written = 0; written < megabytes * 1'000'000;
             written += static_cast<long>(line.size()))
            out << line;
        out << "T2 M6\r\n";
    }
    CSearchConfig criteria;
    criteria.m_strFolder = dir.path().toStdString();
    criteria.m_words = {"T2 M6", "ROUGHING"};
    criteria.m_nMatchMode = CSearchConfig::MatchAny;
    Sink sink;
    QElapsedTimer clock;
    clock.start();
    RunSearch(criteria, sink);
    std::printf("search: %lld ms, %zu occurrences\n", clock.elapsed(),
                sink.result ? sink.result->m_foundWords.size() : 0);
    if (!sink.result) return 1;

    SilentPrompts prompts;
    CScarrowDoc doc;
    CSplitFrame pane(doc, prompts);
    if (argc > 2) pane.View()->SetLoadChunkChars(std::atoi(argv[2]));
    pane.resize(700, 600);
    pane.show();
    app.processEvents();

    // A 10 ms heartbeat: the longest gap between its ticks is the longest freeze.
    QElapsedTimer beat;
    qint64 longest = 0;
    QTimer heart;
    heart.setInterval(10);
    QObject::connect(&heart, &QTimer::timeout,
                     [&] { longest = std::max(longest, beat.restart()); });
    doc.AddResult(std::move(sink.result));
    heart.start();
    beat.start();
    clock.restart();
    doc.ShowResult(doc.Results()[0].get(), nullptr);
    const qint64 shown = clock.elapsed();
    pane.View()->verticalScrollBar();
    std::printf("file shown in %lld ms, longest freeze %lld ms, %zu marks, %d characters\n", shown,
                longest, pane.View()->Marks().size(), pane.View()->document()->characterCount());
    clock.restart();
    pane.View()->NextOccurrence();
    for (int i = 0; i < 1000; ++i) pane.View()->NextOccurrence();
    app.processEvents();
    std::printf("1001 x Next: %lld ms\n", clock.elapsed());
    return 0;
}
