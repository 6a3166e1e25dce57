#pragma once

// Printing a screen's answer: the print dialog, then one print job per copy, each with
// the screen's diagram at the top-left of the printable area and the answer text in
// 12-point type below/over it (the text starts with empty lines that leave room for the
// diagram).

#include <QSize>
#include <QString>
#include <functional>

class QPainter;
class QPrinter;
class QWidget;

namespace calc {

struct PrintHooks {
    // Shows the print dialog on `printer`; false when the machinist cancels. The number
    // of copies is read from the printer afterwards. Empty: the standard print dialog.
    std::function<bool(QPrinter& printer, QWidget* parent)> chooseOptions;
    // Called before each job starts (copy counts from 0); tests point each job at its
    // own PDF file here.
    std::function<void(QPrinter& printer, int copy)> beforeJob;
};

struct PrintPicture {
    QSize sizePx;                          // on-screen size in pixels (15 twips each)
    std::function<void(QPainter&)> paint;  // paints in that pixel space; empty: none
};

// Answer texts break lines with LF CR (coordinate lists with CR LF): both become line
// breaks on paper.
QString AnswerTextToLines(const QString& answer);

// Returns the number of jobs printed; 0 when cancelled or when printing failed (silent).
int PrintAnswer(QWidget* parent, const QString& answer, const PrintPicture& picture,
                const PrintHooks& hooks = {});

}  // namespace calc
