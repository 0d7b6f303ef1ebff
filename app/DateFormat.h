// The process-wide short date format, in the family's notation: d/dd day, m/mm month, yy/yyyy
// year, and one separator character.
#pragma once

#include <QChar>
#include <QDate>
#include <QString>

// Rebuilds a format with two-digit day and month and a four-digit year, keeping the order of
// the parts and the separator: "M/d/yy" -> "mm/dd/yyyy".
QString NormaliseDateFormat(const QString& format, QChar separator);

// Normalises the process-wide format, taken from the user's locale the first time.
void NormaliseDateFormat();
QString ShortDateFormat();
QChar DateSeparator();

// A date written in the process-wide format.
QString FormatShortDate(const QDate& date);
