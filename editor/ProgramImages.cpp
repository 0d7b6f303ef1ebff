#include "editor/ProgramImages.h"

#include <QCoreApplication>

QString ProgramImagePath(const QString& fileName)
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/images/") + fileName;
}

QPixmap ProgramImage(const QString& fileName)
{
    return QPixmap(ProgramImagePath(fileName));
}
