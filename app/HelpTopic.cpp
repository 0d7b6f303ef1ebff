#include "app/HelpTopic.h"

#include <QFileInfo>

HelpTopic ParseHelpTopic(const QString& topic)
{
    static const QString separator = QStringLiteral("::/");
    const qsizetype at = topic.indexOf(separator);
    if (at < 0)
        return {QStringLiteral("index.html"), QString()};
    QString page = topic.mid(at + separator.size());
    QString anchor;
    if (const qsizetype hash = page.indexOf(QLatin1Char('#')); hash >= 0) {
        anchor = page.mid(hash + 1);
        page.truncate(hash);
    }
    if (page.isEmpty())
        return {QStringLiteral("index.html"), anchor};
    // Pages lie directly in the help folder; nothing may reach outside it.
    if (page.startsWith(QLatin1Char('/')) || page.split(QLatin1Char('/')).contains(QStringLiteral("..")))
        return {};
    return {page, anchor};
}

QString HelpPagePath(const QString& helpFolder, const QString& page, bool japanese)
{
    if (page.isEmpty())
        return {};
    if (japanese) {
        const QString translated = helpFolder + QStringLiteral("/ja/") + page;
        if (QFileInfo(translated).isFile())
            return translated;
    }
    const QString path = helpFolder + QLatin1Char('/') + page;
    return QFileInfo(path).isFile() ? path : QString();
}
