#pragma once

// Numbers and lists taken from device replies. A device may send any text
// where a number belongs (-2147483648, 99999999999, "0x5"), and any number of
// entries in a list: arithmetic on such values saturates instead of
// overflowing, and every list a device fills has a bound, logged when hit.

#include <QList>
#include <QString>

#include <optional>

namespace DeviceValue {

// The decimal integer a text holds, blanks around it allowed; nothing when
// it holds none or one outside int.
std::optional<int> number(const QString &text);

// number(), or fallback.
int toInt(const QString &text, int fallback = 0);

// number() clamped into [low, high]; fallback when the text holds no number.
int bounded(const QString &text, int low, int high, int fallback);

// Arithmetic clamped to the range of int.
int add(int a, int b);
int multiply(int a, int b);
// fallback when b is 0.
int divide(int a, int b, int fallback = 0);

// A count of entries a device announces or sends, within [0, max]; logs once
// per call when it is cut.
int boundedCount(qint64 count, int max, const char *what);

// Logs that a list from a device was cut to max entries.
void logCut(qint64 count, int max, const char *what);

// Keeps the first max entries of a list a device filled.
template <class T> void boundList(QList<T> &list, int max, const char *what)
{
    if (list.size() <= max)
        return;
    logCut(list.size(), max, what);
    list.erase(list.begin() + max, list.end());
}

} // namespace DeviceValue
