// The log a watch session writes its progress into: whole lines, the newest of which can be
// rewritten in place so that a byte counter updates on one line.
#pragma once

#include <QString>

class ObexLog
{
public:
    virtual ~ObexLog() = default;
    virtual void AddLine(const QString& line) = 0;
    virtual void RewriteLastLine(const QString& line) = 0;
};
