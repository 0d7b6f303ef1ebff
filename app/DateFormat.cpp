#include "app/DateFormat.h"

#include <QLocale>
#include <optional>

namespace {

struct ProcessDateFormat
{
    QString format;
    QChar separator;
};

// The user's short date format in the family's notation. The locale's format uses the same
// letters for the date parts; only the separator is taken from its first non-letter.
ProcessDateFormat fromLocale()
{
    const QString pattern = QLocale::system().dateFormat(QLocale::ShortFormat);
    QChar separator = QLatin1Char('/');
    for (const QChar c : pattern) {
        if (!c.isLetter() && c != QLatin1Char('\'')) {
            separator = c;
            break;
        }
    }
    QString format;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('\''))
            continue;
        format += c;
    }
    return {format, separator};
}

ProcessDateFormat& processFormat()
{
    static ProcessDateFormat current = fromLocale();
    return current;
}

} // namespace

QString NormaliseDateFormat(const QString& format, QChar separator)
{
    QString result;
    std::optional<QChar> last;
    for (const QChar c : format) {
        if (last && c == *last)
            continue;
        if (c == separator) {
            result += c;
            continue;
        }
        last = c;
        switch (c.unicode()) {
        case 'D':
        case 'd':
            result += QLatin1String("dd");
            break;
        case 'M':
        case 'm':
            result += QLatin1String("mm");
            break;
        case 'Y':
        case 'y':
            result += QLatin1String("yyyy");
            break;
        default:
            result += c;
        }
    }
    return result;
}

void NormaliseDateFormat()
{
    ProcessDateFormat& current = processFormat();
    current.format = NormaliseDateFormat(current.format, current.separator);
}

QString ShortDateFormat()
{
    return processFormat().format;
}

QChar DateSeparator()
{
    return processFormat().separator;
}

QString FormatShortDate(const QDate& date)
{
    const QString format = ShortDateFormat();
    QString text;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == c)
            ++run;
        const QChar lower = c.toLower();
        if (lower == QLatin1Char('d'))
            text += QString::number(date.day()).rightJustified(run >= 2 ? 2 : 1, QLatin1Char('0'));
        else if (lower == QLatin1Char('m'))
            text += QString::number(date.month()).rightJustified(run >= 2 ? 2 : 1, QLatin1Char('0'));
        else if (lower == QLatin1Char('y'))
            text += run >= 4 ? QString::number(date.year()).rightJustified(4, QLatin1Char('0'))
                             : QString::number(date.year() % 100).rightJustified(2, QLatin1Char('0'));
        else
            text += QString(run, c);
        i += run;
    }
    return text;
}
