#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "calc/LocalText.h"
#include "calc/Numeric.h"
#include "calc/TestCalcEnv.h"
#include "calc/ui/CalcScreen.h"
#include "calc/ui/FrameWidgets.h"
#include "calc/ui/QtControls.h"
#include "calc/ui/SystemPrograms.h"
#include "calc/ui/testing/ScreenTesting.h"
#include "common/HelpWindow.h"

using namespace calc;
using namespace calc::testing;

namespace {

// A small screen on the frame: one length box, one length result, and a print answer.
class SampleScreen : public CalcScreen {
public:
    SampleScreen(CalcEnv& env, QWidget* parent = nullptr)
        : CalcScreen(
              env,
              {"frmSampleV74", "Sample", "Sample screen", 6000, 4500, "html\\Sample.htm", "Sample"},
              parent) {
        length_ = AddEntryBox("txtLength", 300, 600, 1215, 285);
        result_ = AddResultField("lblResult", 300, 1000, 1215, 285);
        other_ = AddEntryBox("txtOther", 300, 1400, 1215, 285);
        AddDecimalPlacesBox(4000, 600);
        AddCommand(Command::Calculate, 300, 3000);
        AddCommand(Command::InchToMm, 1600, 3000);
        AddCommand(Command::MmToInch, 2900, 3000);
        AddCommand(Command::Print, 4200, 3000);
        AddCommand(Command::AngleConversion, 4200, 1500);
        AddCalculatorPicture(4200, 200 + 2000);
        AddCheckBox("chkSample", "Sample", 1600, 600, 1500, 285);
        CheckOnLeave(length_,
                     [this] { return ValidateEntryBox(Env(), S(length_->text()), "Length"); });
    }
    void Calculate() override { ++calculated; }
    QList<QWidget*> LengthFields() const override { return {length_, result_}; }
    QString PrintText() const override {
        return "\n\r\n\r\n\r\n\r\n\r\n\r\n\rLength: " + length_->text() +
               "\n\rResult: " + result_->text();
    }
    PrintPicture PrintDiagram() const override {
        return {QSize(120, 90), [](QPainter& p) {
                    p.setPen(QPen(Qt::black, 2));
                    p.setBrush(QColor(20, 80, 200));
                    p.drawRect(10, 10, 100, 70);
                }};
    }

    int calculated = 0;
    QLineEdit* length_;
    QLabel* result_;
    QLineEdit* other_;
};

// The sample screen under another length rule.
class RuleScreen : public SampleScreen {
public:
    RuleScreen(CalcEnv& env, const LengthRule& rule) : SampleScreen(env) { SetLengthRule(rule); }
};

// A screen that keeps its unit system: a length box and result, an angle box that never
// converts, the unit command, and two places the unit is stored.
class UnitScreen : public CalcScreen {
public:
    explicit UnitScreen(CalcEnv& env)
        : CalcScreen(env, {"frmUnitsV74", "Units", "Units", 6000, 4500, {}, "Units"}) {
        length_ = AddEntryBox("txtLength", 300, 600, 1215, 285);
        result_ = AddResultField("lblResult", 300, 1000, 1215, 285);
        angle_ = AddEntryBox("txtAngle", 300, 1400, 1215, 285);
        AddDecimalPlacesBox(4000, 600);
        AddCommand(Command::InchMetric, 300, 3000);
        CheckOnLeave(length_,
                     [this] { return ValidateEntryBox(Env(), S(length_->text()), "Length"); });
        SetLengthRule({.skipsEmpty = true});
        ShowUnitsOn(CommandButtonFor(Command::InchMetric)->Caption());
        KeepUnitsUnder({{"Units", "Closed", SystemCaptions(), UnitSetting::Written::OnClose},
                        {"InchMetric", "Units", OptionCaptions(), UnitSetting::Written::OnSwitch}});
    }
    bool ConvertUnits(UnitSystem units) override {
        ++conversions;
        return ConvertFields({length_, result_},
                             units == UnitSystem::Metric ? kMmPerInch : kInchPerMm);
    }
    void ShowUnits() override { suffix = Metric() ? "mm" : "in"; }

    int conversions = 0;
    QString suffix = "in";
    QLineEdit* length_;
    QLabel* result_;
    QLineEdit* angle_;
};

QColor TextColour(QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

void SendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QMouseEvent event(type, pos, w->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

}  // namespace

class FrameTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TestCalcEnv> t_;
    QPointer<SampleScreen> screen_;

    SampleScreen* Open() {
        screen_ = new SampleScreen(t_->env);
        screen_->show();
        screen_->activateWindow();
        if (!QTest::qWaitForWindowActive(screen_)) qWarning("window not active");
        return screen_;
    }
    // Leaves `from` for `to` as a Tab would.
    static void Leave(QLineEdit* from, QWidget* to) {
        from->setFocus(Qt::TabFocusReason);
        QVERIFY(from->hasFocus());
        to->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    }

private slots:
    void init() { t_ = std::make_unique<TestCalcEnv>(); }
    void cleanup() {
        delete screen_.data();
        common::HelpWindow::CloseAll();
        t_.reset();
    }

    void decimalPlacesBoxRules_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("message");
        QTest::newRow("empty") << ""
                               << "0" << false;
        QTest::newRow("2.6") << "2.6"
                             << "3" << false;
        QTest::newRow("2.5 to even") << "2.5"
                                     << "2" << false;
        QTest::newRow("3.5 to even") << "3.5"
                                     << "4" << false;
        QTest::newRow("5") << "5"
                           << "5" << false;
        QTest::newRow("6") << "6"
                           << "4" << true;
        QTest::newRow("-1") << "-1"
                            << "4" << true;
        QTest::newRow("not a number") << "abc"
                                      << "4" << true;
    }
    void decimalPlacesBoxRules() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, message);
        auto* s = Open();
        auto* box = Child<QLineEdit>(s, "txtDecPlaces");
        QCOMPARE(box->text(), QString("4"));  // nothing stored yet
        box->setText(typed);
        Leave(box, s->other_);
        QCOMPARE(box->text(), shown);
        if (message) {
            QCOMPARE(t_->messages.Count(), 1u);
            QCOMPARE(t_->messages.Last().text, std::string("Maximum decimal places is 5."));
            QCOMPARE(t_->messages.Last().caption, std::string("Calculations for Tarvik"));
        } else {
            QVERIFY(t_->messages.Empty());
        }
        // The focus went on: the box is not held.
        QVERIFY(s->other_->hasFocus());
    }

    void decimalPlacesAreKeptUnderTheScreensKey() {
        auto* s = Open();
        Child<QLineEdit>(s, "txtDecPlaces")->setText("2");
        Click(Child(s, "lblX"));
        QVERIFY(!screen_ || !screen_->isVisible());
        QTest::qWait(0);
        QCOMPARE(t_->settings.GetSetting("Arbormate", "decimalplaces", "SAMPLE"), std::string("2"));
        auto* again = Open();
        QCOMPARE(Child<QLineEdit>(again, "txtDecPlaces")->text(), QString("2"));
    }

    void inchToMmTwiceMultipliesTwice() {
        auto* s = Open();
        s->length_->setText("1");
        s->result_->setText("0.5");
        Click(Child(s, "lblInch2MM1"));
        QCOMPARE(s->length_->text(), QString("25.4"));
        QCOMPARE(s->result_->text(), QString("12.7"));
        Click(Child(s, "lblInch2MM2"));
        QCOMPARE(s->length_->text(), QString("645.16"));
        QCOMPARE(s->result_->text(), QString("322.58"));
        Click(Child(s, "lblMM2Inch1"));
        QCOMPARE(s->length_->text(), QString("25.4"));
        // An empty length reads as 0 under the frame's rule.
        s->length_->clear();
        Click(Child(s, "lblMM2Inch1"));
        QCOMPARE(s->length_->text(), QString("0.0"));
    }

    void commandCaptionTurnsBlackWhilePressed() {
        auto* s = Open();
        auto* face = Child(s, "lblCalculate1");
        auto* caption = Child<QLabel>(s, "lblCalculate2");
        QCOMPARE(caption->text(), QString("CALCULATE"));
        QTest::mousePress(face, Qt::LeftButton);
        QCOMPARE(TextColour(caption), QColor(Qt::black));
        QCOMPARE(s->calculated, 0);
        QTest::mouseRelease(face, Qt::LeftButton);
        QCOMPARE(TextColour(caption), QColor(Qt::white));
        QCOMPARE(s->calculated, 1);
        Click(caption);  // the caption half works alike, and again
        QCOMPARE(s->calculated, 2);
        // Keyboard: Enter or Space on the focused face.
        face->setFocus(Qt::TabFocusReason);
        QTest::keyClick(face, Qt::Key_Return);
        QTest::keyClick(face, Qt::Key_Space);
        QCOMPARE(s->calculated, 4);
        QCOMPARE(Child(s, "lblCalculate1")->palette().color(QPalette::Window).isValid(), true);
    }

    void titleDragFollowsOnlyTheLeftButton() {
        auto* s = Open();
        auto* strip = Child(s, "lblTitle");
        const QPoint start = s->pos();
        SendMouse(strip, QEvent::MouseButtonPress, {20, 5}, Qt::RightButton, Qt::RightButton);
        SendMouse(strip, QEvent::MouseMove, {80, 45}, Qt::NoButton, Qt::RightButton);
        SendMouse(strip, QEvent::MouseButtonRelease, {80, 45}, Qt::RightButton, Qt::NoButton);
        QCOMPARE(s->pos(), start);
        SendMouse(strip, QEvent::MouseMove, {80, 45}, Qt::NoButton,
                  Qt::LeftButton | Qt::RightButton);
        QCOMPARE(s->pos(), start);
        SendMouse(strip, QEvent::MouseButtonPress, {20, 5}, Qt::LeftButton, Qt::LeftButton);
        SendMouse(strip, QEvent::MouseMove, {80, 45}, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(s->pos(), start + QPoint(60, 40));
    }

    void opensCentredOnTheDisplay() {
        auto* s = Open();
        const QRect display = s->screen()->geometry();
        QCOMPARE(s->size(), QSize(400, 300));
        QCOMPARE(s->x(), display.x() + (display.width() - 400) / 2);
        QCOMPARE(s->y(), display.y() + (display.height() - 300) / 2);
        QCOMPARE(Child<QLabel>(s, "lblQuestion")->toolTip(), QString("HELP (F1)"));
        QCOMPARE(Child(s, "chkSample")->palette().color(QPalette::Window), QColor(211, 233, 255));
        QCOMPARE(Child(s, "PicRechner1")->palette().color(QPalette::Window), QColor(50, 117, 160));
    }

    void printTwoCopiesMakesTwoJobsWithDiagramAndText() {
        QTemporaryDir dir;
        auto* s = Open();
        s->length_->setText("3/8");
        s->result_->setText("0.375");
        QStringList files;
        PrintHooks hooks;
        hooks.chooseOptions = [](QPrinter& printer, QWidget*) {
            printer.setCopyCount(2);
            return true;
        };
        hooks.beforeJob = [&](QPrinter& printer, int copy) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            files << dir.filePath(QString("copy%1.pdf").arg(copy + 1));
            printer.setOutputFileName(files.last());
        };
        s->SetPrintHooks(hooks);
        Click(Child(s, "lblPrint1"));
        QCOMPARE(files.size(), 2);
        for (const QString& file : files) {
            QVERIFY2(QFile::exists(file), qPrintable(file));
            const QString text = PdfText(file);
            QVERIFY2(text.contains("Length: 3/8"), qPrintable(text));
            QVERIFY2(text.contains("Result: 0.375"), qPrintable(text));
            // LF CR breaks are line breaks: the two values are on separate lines.
            QVERIFY(!text.contains("3/8Result"));
            QCOMPARE(PdfImageCount(file), 1);
        }
    }

    void copiesPrintedToAFileEachGetTheirOwnFile() {
        QTemporaryDir dir;
        PrintHooks hooks;
        hooks.chooseOptions = [&](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(dir.filePath("answer.pdf"));
            printer.setCopyCount(2);
            return true;
        };
        QCOMPARE(PrintAnswer(nullptr, "Answer", {}, hooks), 2);
        QVERIFY(PdfText(dir.filePath("answer.pdf")).contains("Answer"));
        QVERIFY(PdfText(dir.filePath("answer-2.pdf")).contains("Answer"));
    }

    void textNeverPrintsOverTheDiagram() {
        // Too few empty lines to clear the diagram: the text starts below it.
        QTemporaryDir dir;
        const QString file = dir.filePath("short.pdf");
        PrintHooks hooks;
        hooks.chooseOptions = [](QPrinter&, QWidget*) { return true; };
        hooks.beforeJob = [&](QPrinter& printer, int) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            printer.setPageMargins(QMarginsF(0, 0, 0, 0));
        };
        const PrintPicture picture{QSize(120, 96),
                                   [](QPainter& p) { p.fillRect(0, 0, 120, 96, Qt::black); }};
        QCOMPARE(PrintAnswer(nullptr, "\n\rFirst", picture, hooks), 1);
        QProcess p;
        p.start("pdftotext", {"-bbox", file, "-"});
        QVERIFY(p.waitForFinished());
        const QString html = QString::fromUtf8(p.readAllStandardOutput());
        const QRegularExpression word("yMin=\"([0-9.]+)\"[^>]*>First<");
        const auto match = word.match(html);
        QVERIFY2(match.hasMatch(), qPrintable(html));
        // 96 pixels = 1 inch = 72 points.
        QVERIFY2(match.captured(1).toDouble() >= 72.0, qPrintable(match.captured(1)));
    }

    void opensInTheFirstBoxAndTabRunsInReadingOrder() {
        auto* s = Open();
        QCOMPARE(QApplication::focusWidget(), s->length_);
        // The marks, the calculator picture and the result field are no stops; the boxes
        // come row by row, then the commands.
        const QStringList order = {"txtLength",      "chkSample",     "txtDecPlaces", "txtOther",
                                   "lblAngConvers1", "lblCalculate1", "lblInch2MM1",  "lblMM2Inch1",
                                   "lblPrint1",      "txtLength"};
        QStringList visited;
        for (int i = 0; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, order.mid(1) + QStringList{"chkSample"});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), s->length_);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("lblPrint1"));
        // A locked box shows a result: Tab passes it by.
        s->other_->setReadOnly(true);
        QVERIFY(!s->TabChain().contains(s->other_));
        QCOMPARE(Child(s, "lblX")->focusPolicy(), Qt::NoFocus);
        QCOMPARE(Child(s, "lblRechner1")->focusPolicy(), Qt::NoFocus);
    }

    void commandsNameTheirKeys() {
        auto* s = Open();
        QCOMPARE(Child(s, "lblCalculate1")->toolTip(), QString("CALCULATE (Enter, Alt+C)"));
        QCOMPARE(Child(s, "lblCalculate2")->accessibleName(), QString("CALCULATE"));
        QCOMPARE(Child(s, "lblPrint1")->toolTip(), QString("PRINT (Ctrl+P, Alt+P)"));
        QCOMPARE(Child(s, "lblInch2MM1")->toolTip(), QString("INCH TO MM (Alt+M)"));
        QCOMPARE(Child(s, "lblAngConvers1")->toolTip(), QString("ANGLE CONVERSION (Alt+A)"));
        QCOMPARE(Child(s, "lblX")->toolTip(), QString("Close (Esc)"));
        // C and A are taken: the calculator picture gets the next free letter.
        QCOMPARE(Child(s, "lblRechner1")->toolTip(),
                 QString("Start the desktop calculator (Alt+L)"));
    }

    void keysOnAScreen_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("effect");
        QTest::newRow("Enter in a box calculates")
            << "2" << int(Qt::Key_Return) << int(Qt::NoModifier) << "calculated";
        QTest::newRow("keypad Enter")
            << "2" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "calculated";
        QTest::newRow("Enter on a refused entry")
            << "abc" << int(Qt::Key_Return) << int(Qt::NoModifier) << "refused";
        QTest::newRow("Alt+C calculates")
            << "2" << int(Qt::Key_C) << int(Qt::AltModifier) << "calculated";
        QTest::newRow("Esc closes")
            << "2" << int(Qt::Key_Escape) << int(Qt::NoModifier) << "closed";
        QTest::newRow("F1 helps") << "" << int(Qt::Key_F1) << int(Qt::NoModifier) << "help";
        QTest::newRow("Ctrl+P prints")
            << "3/8" << int(Qt::Key_P) << int(Qt::ControlModifier) << "printed";
        QTest::newRow("Ctrl+C copies a selected result")
            << "" << int(Qt::Key_C) << int(Qt::ControlModifier) << "copied";
    }

    void keysOnAScreen() {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, effect);
        QTemporaryDir dir;
        QFile intro(dir.filePath("Introduction.htm"));
        QVERIFY(intro.open(QIODevice::WriteOnly));
        intro.write("<html><body>contents</body></html>");
        intro.close();
        QDir().mkpath(dir.filePath("html"));
        QFile topic(dir.filePath("html/Sample.htm"));
        QVERIFY(topic.open(QIODevice::WriteOnly));
        topic.write("<html><body>sample help</body></html>");
        topic.close();
        CalcScreen::SetHelpFolder(dir.path());
        const QString pdf = dir.filePath("answer.pdf");

        auto* s = Open();
        s->SetPrintHooks(PdfPrintHooks(pdf));
        s->result_->setText("0.375");
        s->result_->setSelection(0, 5);
        QGuiApplication::clipboard()->clear();
        s->length_->setText(typed);
        // A result is selected with the mouse, which gives it the focus.
        if (effect == "copied") s->result_->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                        Qt::KeyboardModifiers(modifiers));
        QCoreApplication::processEvents();
        if (effect == "calculated") {
            QCOMPARE(s->calculated, 1);
            QVERIFY(Messages(*t_).isEmpty());
        } else if (effect == "refused") {
            QCOMPARE(s->calculated, 0);
            QCOMPARE(Messages(*t_).size(), 1);
            QTRY_COMPARE(QApplication::focusWidget(), s->length_);
        } else if (effect == "closed") {
            QTRY_VERIFY(screen_.isNull());
        } else if (effect == "help") {
            QCOMPARE(common::HelpWindow::OpenWindows().size(), 1);
            auto* help = common::HelpWindow::OpenWindows().first();
            QCOMPARE(help->CurrentTopic(), QString("html/Sample.htm"));
            // Esc in the help closes the help, not the screen.
            QVERIFY(QTest::qWaitForWindowActive(help));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QTRY_VERIFY(common::HelpWindow::OpenWindows().isEmpty());
            QVERIFY(!screen_.isNull());
        } else if (effect == "printed") {
            QVERIFY(PdfText(pdf).contains("Length: 3/8"));
        } else if (effect == "copied") {
            QCOMPARE(QGuiApplication::clipboard()->text(), QString("0.375"));
        }
        if (effect != "calculated" && screen_) QCOMPARE(screen_->calculated, 0);
        CalcScreen::SetHelpFolder({});
    }

    void arrowHeadStrokes() {
        QImage image(200, 200, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            DrawArrowHead(p, "sideways", QPointF(1500, 1500));
        }
        QCOMPARE(image.pixelColor(100, 100), QColor(Qt::white));
        {
            QPainter p(&image);
            DrawArrowHead(p, "top", QPointF(1500, 1500));   // twips: tip at pixel (100, 100)
            DrawArrowHead(p, "left", QPointF(1500, 2250));  // tip at (100, 150)
        }
        // "top": strokes to (x +- 58, y + 100) twips = about (+-3.9, +6.7) pixels.
        QVERIFY(image.pixelColor(102, 103) != QColor(Qt::white));
        QVERIFY(image.pixelColor(98, 103) != QColor(Qt::white));
        QCOMPARE(image.pixelColor(100, 95), QColor(Qt::white));
        // "left": strokes to (x + 100, y -+ 58).
        QVERIFY(image.pixelColor(103, 148) != QColor(Qt::white));
        QCOMPARE(image.pixelColor(95, 150), QColor(Qt::white));
    }

    void cancelledPrintIsSilent() {
        auto* s = Open();
        int jobs = 0;
        PrintHooks hooks;
        hooks.chooseOptions = [](QPrinter&, QWidget*) { return false; };
        hooks.beforeJob = [&](QPrinter&, int) { ++jobs; };
        s->SetPrintHooks(hooks);
        Click(Child(s, "lblPrint1"));
        QCOMPARE(jobs, 0);
        QVERIFY(t_->messages.Empty());
    }

    void helpOpensTheTopicAndCloseClosesHelp() {
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("html"));
        QFile intro(dir.filePath("Introduction.htm"));
        QVERIFY(intro.open(QIODevice::WriteOnly));
        intro.write("<html><body><a href=\"html/Sample.htm\">Sample</a></body></html>");
        intro.close();
        QFile topic(dir.filePath("html/Sample.htm"));
        QVERIFY(topic.open(QIODevice::WriteOnly));
        topic.write("<html><body>sample help</body></html>");
        topic.close();
        CalcScreen::SetHelpFolder(dir.path());

        auto* s = Open();
        Click(Child(s, "lblQuestion"));
        QCOMPARE(common::HelpWindow::OpenWindows().size(), 1);
        QCOMPARE(common::HelpWindow::OpenWindows().first()->CurrentTopic(),
                 QString("html/Sample.htm"));
        Click(Child(s, "lblX"));
        QVERIFY(common::HelpWindow::OpenWindows().isEmpty());
        QTest::qWait(0);
        QVERIFY(screen_.isNull());  // the screen is gone
        CalcScreen::SetHelpFolder({});
    }

    void angleConversionOpensOneModalScreen() {
        int made = 0;
        CalcScreen::SetAngleConversionMaker([&](CalcEnv&) {
            ++made;
            auto* w = new QDialog;
            w->setObjectName("frmDegreeConvertV74");
            return w;
        });
        auto* s = Open();
        Click(Child(s, "lblAngConvers1"));
        QWidget* opened = s->AngleConversionScreen();
        QVERIFY(opened);
        QVERIFY(opened->isVisible());
        QCOMPARE(opened->windowModality(), Qt::WindowModal);
        Click(Child(s, "lblAngConvers2"));
        QCOMPARE(made, 1);
        opened->close();
        QTest::qWait(0);
        QVERIFY(!s->AngleConversionScreen());
        CalcScreen::SetAngleConversionMaker({});
    }

    void calculatorPictureStartsTheFirstCalculatorOnPath() {
        QTemporaryDir dir;
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", dir.path().toUtf8());
        t_->SetLanguage("English");
        auto* s = Open();
        auto* label = Child(s, "lblRechner1");
        QTest::mousePress(label, Qt::LeftButton);
        QVERIFY(Child<QLabel>(s, "PicRechner1")->isVisible());
        QTest::mouseRelease(label, Qt::LeftButton);
        QCOMPARE(t_->messages.Count(), 1u);
        QCOMPARE(
            t_->messages.Last().text,
            std::string(
                "No desktop calculator is installed. Install gnome-calculator, kcalc, galculator "
                "or qalculate-gtk, for example with: sudo apt install gnome-calculator"));
        QCOMPARE(t_->messages.Last().caption, std::string("Arbormate"));

        // A calculator on PATH is started instead.
        const QString marker = dir.filePath("started");
        QFile script(dir.filePath("xcalc"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QString("#!/bin/sh\necho started > '%1'\n").arg(marker).toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        Click(label);
        QTRY_VERIFY(QFile::exists(marker));
        QCOMPARE(t_->messages.Count(), 1u);
        qputenv("PATH", oldPath);
    }

    void systemInformationMissingIsReported() {
        const QByteArray oldPath = qgetenv("PATH");
        QTemporaryDir dir;
        qputenv("PATH", dir.path().toUtf8());
        QVERIFY(!StartSysInfo(t_->env));
        QCOMPARE(t_->messages.Last().text,
                 std::string("System Information Is Unavailable At This Time"));
        qputenv("PATH", oldPath);
    }

    // A command label takes no focus: the box typed in last still has it, and its leave
    // check runs before the command does.
    void lengthRules_data() {
        QTest::addColumn<bool>("skipsEmpty");
        QTest::addColumn<bool>("needsTyped");
        QTest::addColumn<bool>("valuePattern");
        QTest::addColumn<QString>("places");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("lengthAfter");
        QTest::addColumn<QString>("resultAfter");
        QTest::newRow("empty becomes 0") << false << false << false << "4"
                                         << ""
                                         << "1"
                                         << "0.0"
                                         << "25.4";
        QTest::newRow("empty skipped") << true << false << false << "4"
                                       << ""
                                       << "1"
                                       << ""
                                       << "25.4";
        QTest::newRow("nothing typed: nothing converts") << true << true << false << "4"
                                                         << "0"
                                                         << "1"
                                                         << "0"
                                                         << "1";
        QTest::newRow("typed: converts") << true << true << false << "4"
                                         << "1"
                                         << ""
                                         << "25.4"
                                         << "";
        QTest::newRow("decimals pattern, no places") << false << false << false << "0"
                                                     << "1"
                                                     << "0.5"
                                                     << "25."
                                                     << "13.";
        QTest::newRow("value pattern, no places") << false << false << true << "0"
                                                  << "1"
                                                  << "0.5"
                                                  << "25"
                                                  << "13";
    }
    void lengthRules() {
        QFETCH(bool, skipsEmpty);
        QFETCH(bool, needsTyped);
        QFETCH(bool, valuePattern);
        QFETCH(QString, places);
        QFETCH(QString, length);
        QFETCH(QString, result);
        RuleScreen s(t_->env, {skipsEmpty, needsTyped, valuePattern});
        Child<QLineEdit>(&s, "txtDecPlaces")->setText(places);
        s.length_->setText(length);
        s.result_->setText(result);
        s.ConvertLengths(true);
        QTEST(s.length_->text(), "lengthAfter");
        QTEST(s.result_->text(), "resultAfter");
        QVERIFY(t_->messages.Empty());
    }

    void storedUnitIsRestored_data() {
        QTest::addColumn<QString>("closed");    // Units / Closed, written at close
        QTest::addColumn<QString>("switched");  // InchMetric / Units, written by a switch
        QTest::addColumn<bool>("metric");
        QTest::newRow("nothing stored") << ""
                                        << "" << false;
        QTest::newRow("closed in metric") << "METRIC SYSTEM"
                                          << "" << true;
        QTest::newRow("unknown text keeps inch") << "furlongs"
                                                 << "" << false;
        QTest::newRow("last switch wins") << "INCH SYSTEM"
                                          << "Metric" << true;
        QTest::newRow("last switch back") << "METRIC SYSTEM"
                                          << "Inch" << false;
        QTest::newRow("captions are not the switch's texts") << ""
                                                             << "METRIC SYSTEM" << false;
    }
    void storedUnitIsRestored() {
        QFETCH(QString, closed);
        QFETCH(QString, switched);
        QFETCH(bool, metric);
        if (!closed.isEmpty()) t_->settings.SaveSetting("Arbormate", "Units", "Closed", S(closed));
        if (!switched.isEmpty())
            t_->settings.SaveSetting("Arbormate", "InchMetric", "Units", S(switched));
        UnitScreen s(t_->env);
        QCOMPARE(s.Metric(), metric);
        QCOMPARE(s.UnitCaption(), metric ? QString("METRIC SYSTEM") : QString("INCH SYSTEM"));
        QCOMPARE(Child<QLabel>(&s, "lblInchMetric2")->text(), s.UnitCaption());
        QCOMPARE(s.suffix, metric ? QString("mm") : QString("in"));
        // Restoring shows the unit; it converts nothing.
        QCOMPARE(s.conversions, 0);
    }

    void unitSwitchConvertsTheDeclaredLengthsAndStoresTheUnit() {
        auto* s = new UnitScreen(t_->env);
        s->show();
        s->length_->setText("1");
        s->result_->setText("0.5");
        s->angle_->setText("30");
        Click(Child(s, "lblInchMetric1"));
        QVERIFY(s->Metric());
        QCOMPARE(s->length_->text(), QString("25.4"));
        QCOMPARE(s->result_->text(), QString("12.7"));
        QCOMPARE(s->angle_->text(), QString("30"));
        QCOMPARE(s->UnitCaption(), QString("METRIC SYSTEM"));
        QCOMPARE(s->suffix, QString("mm"));
        QCOMPARE(t_->settings.GetSetting("Arbormate", "InchMetric", "Units"),
                 std::string("Metric"));
        // The caption setting is written at close only.
        QCOMPARE(t_->settings.GetSetting("Arbormate", "Units", "Closed"), std::string());
        s->result_->clear();  // an empty field stays empty under this screen's rule
        Click(Child(s, "lblInchMetric2"));
        QVERIFY(!s->Metric());
        QCOMPARE(s->length_->text(), QString("1.0"));
        QCOMPARE(s->result_->text(), QString());
        QCOMPARE(t_->settings.GetSetting("Arbormate", "InchMetric", "Units"), std::string("Inch"));
        // Switching to the unit in force converts nothing.
        QVERIFY(s->SwitchUnits(UnitSystem::Inch));
        QCOMPARE(s->conversions, 2);
        Click(Child(s, "lblInchMetric1"));
        s->close();
        QCOMPARE(t_->settings.GetSetting("Arbormate", "Units", "Closed"),
                 std::string("METRIC SYSTEM"));
        QVERIFY(t_->messages.Empty());
    }

    void unitSwitchThatWouldOverflowChangesNothing() {
        UnitScreen s(t_->env);
        s.show();
        s.length_->setText("1E+307");
        s.result_->setText("2");
        Click(Child(&s, "lblInchMetric1"));
        QCOMPARE(t_->messages.Count(), 1u);
        QVERIFY(!s.Metric());
        QCOMPARE(s.UnitCaption(), QString("INCH SYSTEM"));
        QCOMPARE(s.length_->text(), QString("1E+307"));
        QCOMPARE(s.result_->text(), QString("2"));
        QCOMPARE(t_->settings.GetSetting("Arbormate", "InchMetric", "Units"), std::string());
    }

    void refusedPendingEntryStopsTheUnitSwitch() {
        auto* s = new UnitScreen(t_->env);
        s->show();
        s->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s));
        s->result_->setText("2");
        s->length_->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(s->length_->hasFocus());
        QTest::keyClicks(s->length_, "-3");
        Click(Child(s, "lblInchMetric2"));
        QCOMPARE(t_->messages.Count(), 1u);
        QVERIFY(!s->Metric());
        QCOMPARE(s->conversions, 0);
        QCOMPARE(s->result_->text(), QString("2"));
        delete s;
    }

    void refusedPendingEntryStopsTheCommand_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("CALCULATE") << "lblCalculate1";
        QTest::newRow("INCH TO MM caption") << "lblInch2MM2";
        QTest::newRow("MM TO INCH") << "lblMM2Inch1";
        QTest::newRow("PRINT") << "lblPrint2";
        QTest::newRow("ANGLE CONVERSION") << "lblAngConvers1";
        QTest::newRow("check box") << "chkSample";
    }
    void refusedPendingEntryStopsTheCommand() {
        QFETCH(QString, control);
        int printDialogs = 0;
        CalcScreen::SetAngleConversionMaker([](CalcEnv&) { return new QDialog; });
        auto* s = Open();
        PrintHooks hooks;
        hooks.chooseOptions = [&](QPrinter&, QWidget*) {
            ++printDialogs;
            return false;
        };
        s->SetPrintHooks(hooks);
        auto* check = Child<QCheckBox>(s, "chkSample");
        s->length_->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(s->length_->hasFocus());
        QTest::keyClicks(s->length_, "-3");
        Click(Child(s, qPrintable(control)));
        QCOMPARE(t_->messages.Texts(),
                 (std::vector<std::string>{"Length needs a value greater than zero."}));
        QCOMPARE(s->calculated, 0);
        QCOMPARE(s->length_->text(), QString("-3"));
        QCOMPARE(printDialogs, 0);
        QVERIFY(!check->isChecked());
        QVERIFY(!s->AngleConversionScreen());
        QTRY_VERIFY(s->length_->hasFocus());
        CalcScreen::SetAngleConversionMaker({});
    }

    void acceptedPendingEntryIsUsedByTheCommand() {
        auto* s = Open();
        s->length_->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(s->length_->hasFocus());
        QTest::keyClicks(s->length_, "1/2");
        Click(Child(s, "lblInch2MM1"));
        QVERIFY(t_->messages.Empty());
        QCOMPARE(s->length_->text(), QString("12.7"));
        Click(Child(s, "lblCalculate2"));
        QCOMPARE(s->calculated, 1);
        // A new pending entry is checked again.
        s->length_->setText("abc");
        Click(Child(s, "lblMM2Inch1"));
        QCOMPARE(t_->messages.Count(), std::size_t(1));
    }

    void setBoxEditableLocksAndColours() {
        QLineEdit box;
        SetBoxEditable(&box, false);
        QVERIFY(box.isReadOnly());
        QCOMPARE(box.palette().color(QPalette::Base),
                 QApplication::palette().color(QPalette::Button));
        SetBoxEditable(&box, true);
        QVERIFY(!box.isReadOnly());
        QCOMPARE(box.palette().color(QPalette::Base),
                 QApplication::palette().color(QPalette::Base));
    }
};

QTEST_MAIN(FrameTest)
#include "FrameTest.moc"
