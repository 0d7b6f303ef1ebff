// File filters are kept in the family's "Description|*.a;*.b|Description|*.c" form; the file
// dialog takes "Description (*.a *.b);;Description (*.c)".
#pragma once

#include <QString>

QString DialogFilterFromPairs(const QString& pairs);
