#pragma once
// Helpers the calculator's screen tests share: finding and clicking controls, typing into a
// box, the recorded messages, and printing an answer into a real PDF file and reading it back.

#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>

#include "calc/TestCalcEnv.h"
#include "calc/ui/PrintAnswer.h"

namespace calc {
class CalcScreen;
}

namespace calc::testing {

// The named child of `parent`; a missing one ends the test program.
template <typename T = QWidget>
T* Child(QWidget* parent, const char* name) {
    T* w = parent->findChild<T*>(name);
    if (!w) qFatal("no child %s", name);
    return w;
}

// Presses and releases `button` at the centre of `w`.
void Click(QWidget* w, Qt::MouseButton button = Qt::LeftButton);

// Puts the focus into `box`, sets its text, then moves the focus on to `next` so that the
// box's leave handling runs.
void TypeAndLeave(QLineEdit* box, const QString& text, QWidget* next);

// The messages the screen has shown so far, oldest first.
QStringList Messages(const TestCalcEnv& env);

// Runs `program` with `args` and returns what it wrote to standard output; a program that
// does not finish fails the running test.
QString RunTool(const QString& program, const QStringList& args);

// The text of a PDF file as pdftotext gives it, with `options` before the file name.
QString PdfText(const QString& path, const QStringList& options = {});

// The lines `pdfimages -list` writes for a PDF file: two header lines, then one per image.
QStringList PdfImageList(const QString& path);

// How many images a PDF file holds.
int PdfImageCount(const QString& path);

// Shows `w`, activates it and waits until it is the active window.
bool ShowActive(QWidget* w);

// Print hooks that accept the print dialog and send every job into `pdfPath`.
PrintHooks PdfPrintHooks(const QString& pdfPath);

// Sets PdfPrintHooks(pdfPath) on `screen` and clicks its print button.
void PrintToPdf(CalcScreen* screen, const QString& pdfPath);

// Clicks the "?" of `screen` with the help pages in `folder`: one help window opens, on
// `topic`, a page that exists there. Closes the help windows again.
void CheckHelpOpens(QWidget* screen, const QString& folder, const QString& topic);

// What a test of one screen holds: the environment and the screen, and the usual ways of
// working its controls by name.
template <typename Screen>
class ScreenFixture {
protected:
    std::unique_ptr<TestCalcEnv> t_;
    QPointer<Screen> s_;

    QLineEdit* Box(const char* name) { return s_->template findChild<QLineEdit*>(name); }
    void Press(const char* name) { Click(s_->template findChild<QWidget*>(name)); }
    void Calculate() { Press("lblCalculate1"); }
    // Types into the named box and leaves it for the decimal places box.
    void TypeAndLeave(const char* name, const QString& text) {
        testing::TypeAndLeave(Box(name), text, Box("txtDecPlaces"));
    }
    QStringList Messages() const { return testing::Messages(*t_); }
    void CloseScreen() {
        delete s_.data();
        t_.reset();
    }
};

}  // namespace calc::testing
