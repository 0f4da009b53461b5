// This process's resident memory as the kernel reports it, in KiB: "VmRSS:" now, "VmHWM:"
// at its peak. Used by the soak, which watches memory stay flat, and by the memory benchmark.
#pragma once

#include <QByteArray>
#include <QFile>

namespace stopwise {

inline long statusKiB(const QByteArray& field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(field.size()).trimmed().split(' ').value(0).toLong();
    return -1;
}

} // namespace stopwise
