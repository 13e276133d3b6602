#include "DeviceValues.h"

#include <QDebug>

#include <limits>

namespace {

int clampToInt(qint64 v)
{
    if (v > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (v < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return int(v);
}

} // namespace

namespace DeviceValue {

std::optional<int> number(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

int toInt(const QString &text, int fallback)
{
    return number(text).value_or(fallback);
}

int bounded(const QString &text, int low, int high, int fallback)
{
    const std::optional<int> value = number(text);
    if (!value)
        return fallback;
    return qBound(low, *value, high);
}

int add(int a, int b)
{
    return clampToInt(qint64(a) + qint64(b));
}

int multiply(int a, int b)
{
    return clampToInt(qint64(a) * qint64(b));
}

int divide(int a, int b, int fallback)
{
    if (b == 0)
        return fallback;
    return clampToInt(qint64(a) / qint64(b));
}

int boundedCount(qint64 count, int max, const char *what)
{
    if (count < 0)
        return 0;
    if (count > max) {
        logCut(count, max, what);
        return max;
    }
    return int(count);
}

void logCut(qint64 count, int max, const char *what)
{
    qWarning().noquote() << "device sent" << count << what << "- only the first" << max << "are taken";
}

} // namespace DeviceValue
