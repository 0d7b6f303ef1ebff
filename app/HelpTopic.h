// Help topics as the windows name them: "Kelpset.chm" for the contents, or
// "Kelpset.chm::/Page.html#anchor" for a page and a place on it.
#pragma once

#include <QString>

struct HelpTopic
{
    QString page;   // file name inside the help folder; "index.html" for the contents
    QString anchor; // empty when none
};

// Null page when the topic names nothing inside the help folder (an absolute or parent path).
HelpTopic ParseHelpTopic(const QString& topic);

// The file of a page: the Japanese version under help/ja/ when the locale is Japanese and it
// exists, else help/<page>. Empty when neither exists.
QString HelpPagePath(const QString& helpFolder, const QString& page, bool japanese);
