#pragma once

// Runs a Qt test program on an offscreen display of a given size and scale factor, as a
// shop PC with a 1366 x 768 screen and large fonts. Call before the QApplication exists.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRect>
#include <QScrollArea>
#include <QScrollBar>
#include <QString>
#include <QTest>
#include <QWidget>

namespace common::testing {

inline void UseOffscreenDisplay(int width, int height, double scaleFactor) {
    const QString path =
        QDir::temp().filePath(QString("tarvik-screen-%1x%2.json").arg(width).arg(height));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(QString(R"({"screens": [{"name": "shop", "x": 0, "y": 0, "width": %1,
                                "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96,
                                "dpr": 1}]})")
                       .arg(width)
                       .arg(height)
                       .toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + path).toUtf8());
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scaleFactor));
}

// Shows `window` and says what is wrong with its place in `area`: empty when it lies
// inside and a scrolled body of it scrolls up and down only (nothing cut at the side).
inline QString WindowFitProblem(QWidget* window, const QRect& area) {
    window->show();
    QString problem;
    const QRect frame = window->frameGeometry();
    if (!QTest::qWaitForWindowExposed(window))
        problem = "not shown";
    else if (!area.contains(frame))
        problem = QString("%1,%2 %3x%4 outside the free area")
                      .arg(frame.x())
                      .arg(frame.y())
                      .arg(frame.width())
                      .arg(frame.height());
    for (QScrollArea* scrolled : window->findChildren<QScrollArea*>())
        if (problem.isEmpty() && scrolled->horizontalScrollBar()->isVisible())
            problem = "scrolls sideways";
    window->hide();
    return problem;
}

}  // namespace common::testing
