#pragma once

// What the client's database holds now, for a test to look at or start a
// change from. A read that fails fails the test: it is never taken for the
// defaults. The test then goes on with an empty row, to its end.

#include "OrmHelper.h"

#include <QSharedPointer>
#include <QTest>

inline QSharedPointer<CMS_Config_V2> storedConfig()
{
    QSqlError error;
    QSharedPointer<CMS_Config_V2> row = OrmHelper::getConfig(&error);
    if (!row) {
        QTest::qFail(qPrintable(QStringLiteral("the settings row was not read: ") + error.text()), __FILE__, __LINE__);
        row.reset(new CMS_Config_V2());
    }
    return row;
}

inline QSharedPointer<PlanRecord> storedPlan()
{
    QSqlError error;
    QSharedPointer<PlanRecord> row = OrmHelper::getPlanRecord(&error);
    if (!row) {
        QTest::qFail(qPrintable(QStringLiteral("the record strategy was not read: ") + error.text()), __FILE__,
                     __LINE__);
        row.reset(new PlanRecord());
    }
    return row;
}

namespace storedrows {
template <class T> QList<QSharedPointer<T>> checked(QList<QSharedPointer<T>> (*read)(QSqlError *), const char *what)
{
    QSqlError error;
    QList<QSharedPointer<T>> rows = read(&error);
    if (!error.text().isEmpty())
        QTest::qFail(qPrintable(QStringLiteral("the %1 were not read: %2").arg(QLatin1String(what), error.text())),
                     __FILE__, __LINE__);
    return rows;
}
} // namespace storedrows

inline QList<QSharedPointer<CMS_Devices>> storedDevices()
{
    return storedrows::checked(&OrmHelper::getAllDevices, "devices");
}

inline QList<QSharedPointer<CMS_Organization>> storedGroups()
{
    return storedrows::checked(&OrmHelper::getAllOrganizations, "groups");
}

inline QList<QSharedPointer<CMS_User>> storedUsers()
{
    return storedrows::checked(&OrmHelper::getAllUsers, "accounts");
}
