#pragma once

// Runs a Qt test program on an offscreen display of a given size and scale factor, as a
// shop PC with a 1366 x 768 screen and large fonts. Call before the QApplication exists.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

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

}  // namespace common::testing
