#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include "calc/TestCalcEnv.h"
#include "calc/ui/MainMenu.h"
#include "calc/ui/testing/ScreenTesting.h"
#include "holes/HoleScreens.h"

using namespace calc;
using namespace calc::testing;

namespace {

const QString kExample =
    "X45.3553 Y55.3553\r\nX-25.3553 Y55.3553\r\nX-25.3553 Y-15.3553\r\nX45.3553 Y-15.3553\r\n";
const QString kOnClipboard =
    "The list of coordinates is now on the Clipboard ready to paste into your CNC document. ";

}  // namespace

class BoltCircleScreenTest : public QObject, ScreenFixture<frmBoltCircleV74> {
    Q_OBJECT

    QPlainTextEdit* Answer() { return s_->findChild<QPlainTextEdit*>("txtAnswer"); }
    QString AnswerText() { return AnswerWithCrLf(Answer()); }
    void Enter(const QString& holes, const QString& diameter, const QString& angle,
               const QString& xc, const QString& yc) {
        Box("txtNumHoles")->setText(holes);
        Box("txtBoltCircleDiameter")->setText(diameter);
        Box("txtStartAngle")->setText(angle);
        Box("txtXcenter")->setText(xc);
        Box("txtYcenter")->setText(yc);
    }

private slots:
    void init() {
        t_ = std::make_unique<TestCalcEnv>();
        s_ = new frmBoltCircleV74(t_->env);
        QVERIFY(ShowActive(s_));
    }
    void cleanup() { CloseScreen(); }

    void opensWithItsEntriesAndTips() {
        QCOMPARE(s_->size(), QSize(761, 505));
        QCOMPARE(s_->windowTitle(), QString("Bolt Circle"));
        QCOMPARE(Box("txtNumHoles")->text(), QString("3"));
        for (const char* box :
             {"txtBoltCircleDiameter", "txtStartAngle", "txtXcenter", "txtYcenter"})
            QCOMPARE(Box(box)->text(), QString("0"));
        QCOMPARE(Box("txtDecPlaces")->text(), QString("4"));
        QCOMPARE(Box("txtStartAngle")->toolTip(),
                 QString("Enter the angle of the first hole from the X axis (3 o'clock). "
                         "Positive is CCW, negative is CW."));
        QCOMPARE(Answer()->toolTip(), QString("The list of coordinates will appear here when the "
                                              "\"Calculate\" button is clicked."));
        QVERIFY(!Answer()->isReadOnly());
        QVERIFY(!s_->Pattern());
        QVERIFY(s_->Chart().markers.empty());
        for (const char* c :
             {"lblCalculate1", "lblReset1", "lblPrint1", "lblHelp1", "lblClose1", "lblInch2MM1",
              "lblMM2Inch1", "lblAngConvers1", "lblCopy1", "PicRechner1"})
            QVERIFY2(s_->findChild<QWidget*>(c), c);
    }

    void calculatesTheCircleAndItsChart() {
        Enter("4", "100", "45", "10", "20");
        Press("lblCalculate1");
        QVERIFY(Messages().isEmpty());
        QCOMPARE(AnswerText(), kExample);
        QVERIFY(s_->Pattern());
        QCOMPARE(s_->Chart().markers.size(), size_t(4));
        QCOMPARE(s_->Chart().numbers.size(), size_t(4));
        QCOMPARE(s_->Chart().lines.size(), size_t(1));

        // Empty start and centre boxes read 0.0 and are written so; the insert line
        // follows every hole, the last included.
        Enter("2", "3", "", "", "");
        s_->findChild<QCheckBox*>("chkInsertLine")->setChecked(true);
        Box("txtInsertLine")->setText("M00");
        Press("lblCalculate1");
        QCOMPARE(Box("txtStartAngle")->text(), QString("0.0"));
        QCOMPARE(Box("txtXcenter")->text(), QString("0.0"));
        QCOMPARE(AnswerText(), QString("X1.5 Y0.0\r\nM00\r\nX-1.5 Y0.0\r\nM00\r\n"));
    }

    void refusedCountsEmptyTheAnswerAndTheChart() {
        Enter("4", "100", "45", "10", "20");
        s_->Calculate();
        const struct {
            const char* holes;
            const char* message;
        } cases[] = {
            {"1", "The  number of holes accepted is between 2 and 3000."},
            {"3001", "The  number of holes accepted is between 2 and 3000."},
            {"2.5", "Only Integers may be entered into the Number of Holes  field."},
            {"25e-1", "Only Integers may be entered into the Number of Holes  field."},
            {"0", "Number of Holes  needs a value greater than zero."},
        };
        for (const auto& c : cases) {
            t_->messages.Clear();
            Box("txtNumHoles")->setText(c.holes);
            s_->Calculate();
            QCOMPARE(Messages(), QStringList{c.message});
            QVERIFY(AnswerText().isEmpty());
            QVERIFY(!s_->Pattern());
            QVERIFY(s_->Chart().markers.empty());
        }
        t_->messages.Clear();
        Box("txtNumHoles")->setText("3000");
        s_->Calculate();
        QVERIFY(Messages().isEmpty());
        QCOMPARE(AnswerText().count("\r\n"), 3000);
    }

    void coordinatesTooLargeAreRefusedAndDrawNothing() {
        Enter("4", "1E308", "0", "0", "0");
        s_->Calculate();
        QCOMPARE(Messages(), QStringList{"You entered an invalid value for Bolt Circle Diameter."});
        QVERIFY(AnswerText().isEmpty());
        QVERIFY(s_->Chart().markers.empty());
        t_->messages.Clear();
        Enter("4", "2", "0", "1E16", "0");
        s_->Calculate();
        QCOMPARE(Messages(), QStringList{"You entered an invalid value for Center: X ."});
    }

    void repaintingNeverBuildsAList() {
        Enter("4", "100", "45", "10", "20");
        s_->Calculate();
        // A huge count typed in, not yet calculated: painting draws the stored list.
        Box("txtNumHoles")->setText("900000000");
        QElapsedTimer timer;
        timer.start();
        s_->repaint();
        QCoreApplication::processEvents();
        QVERIFY(timer.elapsed() < 5000);
        QCOMPARE(s_->Pattern()->holes.size(), size_t(4));
        QCOMPARE(AnswerText(), kExample);
    }

    void conversionsBuildFromTheCurrentEntries() {
        // A 1-inch circle centred at (1, 1), converted twice.
        Enter("4", "1", "0", "1", "1");
        s_->Calculate();
        Press("lblInch2MM1");
        QCOMPARE(Box("txtBoltCircleDiameter")->text(), QString("25.4"));
        QCOMPARE(Box("txtXcenter")->text(), QString("25.4"));
        QCOMPARE(Box("txtYcenter")->text(), QString("25.4"));
        QCOMPARE(AnswerText(),
                 QString("X38.1 Y25.4\r\nX25.4 Y38.1\r\nX12.7 Y25.4\r\nX25.4 Y12.7\r\n"));
        Press("lblInch2MM1");
        QCOMPARE(Box("txtBoltCircleDiameter")->text(), QString("645.16"));
        // The count changed after the last Calculate: the conversion lists the new count.
        Enter("6", "101.6", "0", "0", "0");
        Press("lblMM2Inch1");
        QCOMPARE(Box("txtBoltCircleDiameter")->text(), QString("4.0"));
        QCOMPARE(AnswerText(),
                 QString("X2.0 Y0.0\r\nX1.0 Y1.7321\r\nX-1.0 Y1.7321\r\nX-2.0 Y0.0\r\n"
                         "X-1.0 Y-1.7321\r\nX1.0 Y-1.7321\r\n"));
        QCOMPARE(s_->Chart().markers.size(), size_t(6));
        QCOMPARE(Box("txtStartAngle")->text(), QString("0"));
        // A refused check converts nothing.
        Box("txtNumHoles")->setText("1");
        Press("lblInch2MM1");
        QCOMPARE(Box("txtBoltCircleDiameter")->text(), QString("4.0"));
        QCOMPARE(AnswerText().count("\r\n"), 6);
    }

    void copyPutsTheShownTextOnTheClipboard() {
        QClipboard* clipboard = QGuiApplication::clipboard();
        // Nothing to copy: what the programmer had on the clipboard stays, and no message.
        clipboard->setText("G90 G54");
        Press("lblCopy1");
        QCOMPARE(clipboard->text(), QString("G90 G54"));
        QVERIFY(Messages().isEmpty());

        Enter("4", "100", "45", "10", "20");
        Press("lblCalculate1");
        Press("lblCopy1");
        QCOMPARE(clipboard->text(), kExample);
        QCOMPARE(Messages(), QStringList{kOnClipboard});
        // A line the programmer adds in the box goes along, with CR LF.
        QTextCursor cursor = Answer()->textCursor();
        cursor.movePosition(QTextCursor::Start);
        cursor.insertText("G81 R0.1 Z-0.5 F5.\n");
        Press("lblCopy1");
        QCOMPARE(clipboard->text(), "G81 R0.1 Z-0.5 F5.\r\n" + kExample);
    }

    void leaveChecks() {
        TypeAndLeave("txtBoltCircleDiameter", "-1");
        QCOMPARE(Messages(), QStringList{"Bolt Circle Diameter needs a value greater than zero."});
        QTRY_COMPARE(QApplication::focusWidget(), Box("txtBoltCircleDiameter"));
        Box("txtBoltCircleDiameter")->setText("4");
        t_->messages.Clear();
        TypeAndLeave("txtStartAngle", "-30");
        QVERIFY(Messages().isEmpty());
        TypeAndLeave("txtXcenter", "abc");
        QCOMPARE(Messages(), QStringList{"Please insert a valid amount into Center: X . If the "
                                         "amount is less than one, you may enter a common "
                                         "fraction."});
        // The entry being typed in is checked before a command runs.
        Box("txtXcenter")->setText("1");
        t_->messages.Clear();
        Box("txtNumHoles")->setFocus();
        Box("txtNumHoles")->setText("-3");
        Press("lblCalculate1");
        QCOMPARE(Messages(), QStringList{"Number of Holes  needs a value greater than zero."});
        QVERIFY(AnswerText().isEmpty());
    }

    void resetKeepsTheInsertLineAndDecimals() {
        Enter("4", "100", "45", "10", "20");
        s_->findChild<QCheckBox*>("chkInsertLine")->setChecked(true);
        Box("txtDecPlaces")->setText("2");
        s_->Calculate();
        Press("lblReset1");
        QCOMPARE(Box("txtNumHoles")->text(), QString("3"));
        QCOMPARE(Box("txtBoltCircleDiameter")->text(), QString("0"));
        QCOMPARE(Box("txtStartAngle")->text(), QString("0"));
        QVERIFY(AnswerText().isEmpty());
        QVERIFY(s_->Chart().markers.empty());
        QVERIFY(s_->findChild<QCheckBox*>("chkInsertLine")->isChecked());
        QCOMPARE(Box("txtDecPlaces")->text(), QString("2"));
    }

    void printsThePictureAndTheList() {
        Enter("4", "100", "45", "10", "20");
        s_->Calculate();
        const QString text = s_->PrintText();
        QVERIFY(text.startsWith(QString("\n\r").repeated(9) +
                                "Centre of Circle: X10,  Y20\n\rNumber of Holes : 4\n\r"
                                "Bolt Circle Diameter : 100\n\rStart Angle: 45 Degrees\n\r"));
        QVERIFY(text.endsWith(kExample));

        QTemporaryDir dir;
        const QString file = dir.filePath("bolt.pdf");
        PrintHooks hooks = PdfPrintHooks(file);
        s_->SetPrintHooks(hooks);
        Press("lblPrint1");
        const QString pdf = PdfText(file, {"-layout"});
        QVERIFY2(pdf.contains("Centre of Circle: X10, Y20") ||
                     pdf.contains("Centre of Circle: X10,  Y20"),
                 qPrintable(pdf));
        QVERIFY2(pdf.contains("X-25.3553 Y-15.3553"), qPrintable(pdf));
        // One picture: pBoltCirc, drawn at the top.
        const QStringList images = PdfImageList(file);
        QCOMPARE(images.size(), 3);
        // A cancelled dialog prints nothing.
        QFile::remove(file);
        hooks.chooseOptions = [](QPrinter&, QWidget*) { return false; };
        s_->SetPrintHooks(hooks);
        Press("lblPrint1");
        QVERIFY(!QFile::exists(file));
    }

    void openedModalFromTheMenuWithItsHelpTopic() {
        frmArbormateEDITORv74 menu(t_->env);
        RegisterHoleScreens(menu);
        auto* screen = qobject_cast<frmBoltCircleV74*>(menu.OpenScreen("picBoltCircle"));
        QVERIFY(screen);
        QCOMPARE(screen->windowModality(), Qt::WindowModal);
        QCOMPARE(screen->Setup().helpTopic, QString("html\\BoltCircle.htm"));
        QVERIFY(QFile::exists(CALC_HELP_DIR "/html/BoltCircle.htm"));
        QVERIFY(QFile::exists(CALC_HELP_DIR "/html/Grid.htm"));
        // ANGLE CONVERSION is there; with no maker set it opens nothing here.
        Click(screen->findChild<QWidget*>("lblX"));
        QTRY_VERIFY(!menu.OpenInstance("picBoltCircle"));
        // Nothing is kept.
        QVERIFY(t_->settings.GetSetting("Arbormate", "DecimalPlaces", "BoltCircle").empty());
    }
};

QTEST_MAIN(BoltCircleScreenTest)
#include "BoltCircleScreenTest.moc"
