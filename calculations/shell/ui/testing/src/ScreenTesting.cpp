#include "calc/ui/testing/ScreenTesting.h"

#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QTest>
#include <algorithm>

#include "calc/ui/CalcScreen.h"
#include "common/HelpWindow.h"

namespace calc::testing {

void Click(QWidget* w, Qt::MouseButton button) {
    QTest::mousePress(w, button, {}, w->rect().center());
    QTest::mouseRelease(w, button, {}, w->rect().center());
}

void TypeAndLeave(QLineEdit* box, const QString& text, QWidget* next) {
    box->setFocus(Qt::TabFocusReason);
    box->setText(text);
    next->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
}

QStringList Messages(const TestCalcEnv& env) {
    QStringList out;
    for (const auto& m : env.messages.Texts()) out << QString::fromStdString(m);
    return out;
}

QString RunTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished())
        QTest::qFail(qPrintable(program + " did not finish"), __FILE__, __LINE__);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString PdfText(const QString& path, const QStringList& options) {
    return RunTool("pdftotext", QStringList(options) << path << "-");
}

QStringList PdfImageList(const QString& path) {
    return RunTool("pdfimages", {"-list", path}).split('\n', Qt::SkipEmptyParts);
}

int PdfImageCount(const QString& path) {
    return std::max<int>(0, PdfImageList(path).size() - 2);
}

bool ShowActive(QWidget* w) {
    w->show();
    w->activateWindow();
    return QTest::qWaitForWindowActive(w);
}

PrintHooks PdfPrintHooks(const QString& pdfPath) {
    PrintHooks hooks;
    hooks.chooseOptions = [](QPrinter&, QWidget*) { return true; };
    hooks.beforeJob = [pdfPath](QPrinter& printer, int) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
    };
    return hooks;
}

void PrintToPdf(CalcScreen* screen, const QString& pdfPath) {
    screen->SetPrintHooks(PdfPrintHooks(pdfPath));
    Click(Child(screen, "lblPrint1"));
}

void CheckHelpOpens(QWidget* screen, const QString& folder, const QString& topic) {
    CalcScreen::SetHelpFolder(folder);
    QVERIFY2(QFile::exists(folder + "/" + topic), qPrintable(topic));
    Click(Child(screen, "lblQuestion"));
    QCOMPARE(common::HelpWindow::OpenWindows().size(), 1);
    QCOMPARE(common::HelpWindow::OpenWindows().first()->CurrentTopic(), topic);
    common::HelpWindow::CloseAll();
}

}  // namespace calc::testing
