#include "SettingsKeeper.h"

#include "OrmDao.h"
#include "OrmHelper.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QMutex>
#include <QMutexLocker>
#include <QThreadPool>
#include <QTimer>

namespace {

// A read again waits at most this long for another program's lock: it runs
// on a pool thread the close may wait for.
constexpr int RereadTryMs = 250;

struct Kept
{
    QMutex mutex;
    QString database; // the file the rest belongs to
    bool tried = false;
    QSharedPointer<CMS_Config_V2> row;
    QSqlError failure;
    bool rereading = false;
    QElapsedTimer lastReread;
};

Kept &kept()
{
    static Kept k;
    return k;
}

// Under the mutex: what is kept of another file is no answer for this one.
void followDatabase(Kept &k)
{
    const QString now = OrmDatabase::databaseName();
    if (k.database == now)
        return;
    k.database = now;
    k.tried = false;
    k.row.reset();
    k.failure = QSqlError();
    k.lastReread.invalidate();
}

QSharedPointer<CMS_Config_V2> copyOf(const Kept &k)
{
    return k.row ? QSharedPointer<CMS_Config_V2>(new CMS_Config_V2(*k.row)) : QSharedPointer<CMS_Config_V2>();
}

// Under the mutex, no row kept after a read that failed.
void readAgain(Kept &k)
{
    if (k.rereading || (k.lastReread.isValid() && !k.lastReread.hasExpired(SettingsKeeper::RereadMs)))
        return;
    k.rereading = true;
    k.lastReread.start();
    QThreadPool::globalInstance()->start([] {
        {
            const OrmDatabase::BusyTimeoutScope brief(RereadTryMs);
            SettingsKeeper::read();
        }
        Kept &k = kept();
        QMutexLocker lock(&k.mutex);
        k.rereading = false;
    });
}

} // namespace

QSqlError SettingsKeeper::read()
{
    QSqlError error;
    OrmHelper::getConfig(&error);
    return error;
}

QSharedPointer<CMS_Config_V2> SettingsKeeper::row()
{
    Kept &k = kept();
    {
        QMutexLocker lock(&k.mutex);
        followDatabase(k);
        if (k.row || !OrmDatabase::isReady())
            return copyOf(k);
        if (k.tried) {
            readAgain(k);
            return {};
        }
    }
    read();
    QMutexLocker lock(&k.mutex);
    return copyOf(k);
}

void SettingsKeeper::whenRead(QObject *context, std::function<void(const CMS_Config_V2 &)> answered)
{
    auto *asking = new QTimer(context);
    asking->setInterval(RereadMs);
    QObject::connect(asking, &QTimer::timeout, context, [asking, answered] {
        const QSharedPointer<CMS_Config_V2> kept = row();
        if (!kept)
            return;
        asking->stop();
        asking->deleteLater();
        answered(*kept);
    });
    (void)row();
    asking->start();
}

QSqlError SettingsKeeper::failure()
{
    Kept &k = kept();
    QMutexLocker lock(&k.mutex);
    followDatabase(k);
    return k.failure;
}

void SettingsKeeper::keep(const CMS_Config_V2 &row)
{
    Kept &k = kept();
    QMutexLocker lock(&k.mutex);
    followDatabase(k);
    k.tried = true;
    k.row.reset(new CMS_Config_V2(row));
    k.failure = QSqlError();
}

void SettingsKeeper::readFailed(const QSqlError &error)
{
    Kept &k = kept();
    QMutexLocker lock(&k.mutex);
    followDatabase(k);
    k.tried = true;
    k.failure = error;
}

bool SettingsKeeper::readNamed(const QString &name, QString *value, bool *stored, QSqlError *error)
{
    if (value)
        value->clear();
    if (stored)
        *stored = false;
    QList<QSharedPointer<CMS_Settings>> rows;
    const QSqlError err = orm::dao::fetch_by_query(
        OrmQuery(QStringLiteral("WHERE Name = :name ORDER BY id")).bind(QStringLiteral(":name"), name), rows);
    if (!err.text().isEmpty()) {
        // A file an older client made, opened where the table could not be
        // added (read-only): nothing was ever stored in it. A table of that
        // name with other columns is no such file: it is said.
        if (err.text().contains(QLatin1String("no such table"), Qt::CaseInsensitive))
            return true;
        if (OrmDatabase::isReady())
            qWarning() << "Setting not read:" << name << err.text();
        if (error)
            *error = err;
        return false;
    }
    if (!rows.isEmpty()) {
        if (stored)
            *stored = true;
        if (value)
            *value = rows.first()->Value;
    }
    return true;
}

QSqlError SettingsKeeper::saveNamed(const QString &name, const QString &value)
{
    OrmTransaction tx;
    QSqlError err = tx.error();
    QList<QSharedPointer<CMS_Settings>> rows;
    if (err.text().isEmpty())
        err = orm::dao::fetch_by_query(
            OrmQuery(QStringLiteral("WHERE Name = :name ORDER BY id")).bind(QStringLiteral(":name"), name), rows);
    if (err.text().isEmpty()) {
        QSharedPointer<CMS_Settings> row =
            rows.isEmpty() ? QSharedPointer<CMS_Settings>(new CMS_Settings()) : rows.first();
        row->Name = name;
        row->Value = value;
        err = orm::dao::save(row);
    }
    if (err.text().isEmpty())
        err = tx.commit();
    if (!err.text().isEmpty())
        qWarning() << "Setting not saved:" << name << err.text();
    return err;
}

QString SettingsKeeper::namedTable()
{
    return OrmClass<CMS_Settings>::get().info().table;
}

void SettingsKeeper::forgetForTesting()
{
    Kept &k = kept();
    QMutexLocker lock(&k.mutex);
    k.database.clear();
    followDatabase(k);
}
