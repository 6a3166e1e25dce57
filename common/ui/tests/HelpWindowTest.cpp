#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "common/HelpWindow.h"

using common::HelpWindow;

namespace {

void Write(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString folder_;

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        folder_ = dir_.path() + "/help";
        Write(folder_ + "/Introduction.htm",
              "<html><head><title>Shop help</title></head><body><h1>Contents</h1><ul>"
              "<li><a href=\"html/First.htm\">First <b>topic</b></a></li>"
              "<li><a href=\"html/Second.htm#usage\">Second topic</a></li>"
              "<li><a href=\"http://example.invalid/\">Outside</a></li>"
              "</ul></body></html>");
        Write(folder_ + "/html/First.htm", "<html><body><p>first page</p></body></html>");
        Write(folder_ + "/html/Second.htm",
              "<html><body><h2 id=\"usage\">Usage</h2><p>second page</p></body></html>");
        Write(dir_.path() + "/secret.htm", "<html><body>outside</body></html>");
    }
    void cleanup() { HelpWindow::CloseAll(); }

    void contentsListAndTitleComeFromTheContentsPage() {
        auto* w = HelpWindow::ShowContents(folder_, "Introduction.htm");
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QString("Shop help"));
        QCOMPARE(w->ContentsTitles(), QStringList({"Contents", "First topic", "Second topic"}));
        QCOMPARE(w->CurrentTopic(), QString("Introduction.htm"));
    }

    // Each program's contents page links every page of its help, so the list shows them all.
    void programHelpContentsListEveryPage() {
        const struct {
            const char* folder;
            const char* contents;
        } programs[] = {{"calculations", "Introduction.htm"},
                        {"sendrik", "index.htm"},
                        {"scarrow", "index.htm"}};
        for (const auto& program : programs) {
            const QString folder = QStringLiteral(SUITE_HELP_DIR "/") + program.folder;
            QFile contents(folder + "/" + program.contents);
            QVERIFY(contents.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(contents.readAll());
            QStringList pages;
            QDirIterator it(folder, {"*.htm"}, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString page = QDir(folder).relativeFilePath(it.next());
                if (page == program.contents) continue;
                pages << page;
                QVERIFY2(html.contains("href=\"" + page + "\""),
                         qPrintable(QString("%1 does not link %2").arg(program.contents, page)));
            }
            auto* w = HelpWindow::ShowContents(folder, program.contents);
            QVERIFY(w);
            QVERIFY(w->ContentsTitles().size() > pages.size());
            // The window system adds the program's name to a title itself.
            QVERIFY2(!w->windowTitle().contains("Calculations for"), qPrintable(w->windowTitle()));
            HelpWindow::CloseAll();
        }
    }

    void windowsStyleTopicNamesOpenTheFile() {
        auto* w = HelpWindow::ShowTopic(folder_, "Introduction.htm", "html\\First.htm");
        QVERIFY(w);
        QCOMPARE(w->CurrentTopic(), QString("html/First.htm"));
        // Same folder: the one window is reused.
        auto* again = HelpWindow::ShowTopic(folder_, "Introduction.htm", "::/html/Second.htm");
        QCOMPARE(again, w);
        QCOMPARE(w->CurrentTopic(), QString("html/Second.htm"));
        QCOMPARE(HelpWindow::OpenWindows().size(), 1);
    }

    void missingOrEscapingTopicsAreSilent() {
        QCOMPARE(HelpWindow::ShowTopic(folder_, "Introduction.htm", "html\\Nothing.htm"), nullptr);
        QCOMPARE(HelpWindow::ShowTopic(folder_, "Introduction.htm", "..\\secret.htm"), nullptr);
        QCOMPARE(HelpWindow::ShowTopic(dir_.path() + "/nofolder", "Introduction.htm",
                                       "Introduction.htm"),
                 nullptr);
        QVERIFY(HelpWindow::OpenWindows().isEmpty());
        // A topic that exists still opens without a contents page.
        auto* w = HelpWindow::ShowTopic(folder_, "Missing.htm", "html/First.htm");
        QVERIFY(w);
        QVERIFY(w->ContentsTitles().isEmpty());
    }

    void escapeClosesTheWindow() {
        auto* w = HelpWindow::ShowContents(folder_, "Introduction.htm");
        QVERIFY(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
        QWidget* focused = w->focusWidget() ? w->focusWidget() : w;
        QTest::keyClick(focused, Qt::Key_Escape);
        QTRY_VERIFY(HelpWindow::OpenWindows().isEmpty());
    }

    void closeAllClosesEveryWindow() {
        QVERIFY(HelpWindow::ShowContents(folder_, "Introduction.htm"));
        QVERIFY(HelpWindow::ShowTopic(folder_ + "/html", "First.htm", "Second.htm"));
        QCOMPARE(HelpWindow::OpenWindows().size(), 2);
        HelpWindow::CloseAll();
        QVERIFY(HelpWindow::OpenWindows().isEmpty());
    }
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
