// The pictures made at build time lie in images/ beside the program file.
#pragma once

#include <QPixmap>
#include <QString>

QString ProgramImagePath(const QString& fileName);
// The picture, or an empty pixmap when the file is missing.
QPixmap ProgramImage(const QString& fileName);
