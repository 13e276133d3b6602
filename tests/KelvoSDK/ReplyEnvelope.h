#pragma once

// A device's reply as it comes off the wire, written out by hand so the tests
// do not trust the envelope code they check.

#include <QByteArray>
#include <QString>

inline QByteArray reply(unsigned int cmd, const QString &body = QString())
{
    return QStringLiteral("<?xml version=\"1.0\"?><PrivateProto><head><type>%1</type><cmd>%2</cmd><result>0</result>"
                          "</head><body>%3</body></PrivateProto>\n")
        .arg(cmd / 10000 * 10000)
        .arg(cmd)
        .arg(body)
        .toUtf8();
}
