#include "../support/HeldDatabase.h"
#include "OrmDao.h"
#include "OrmEntities.h"
#include "OrmAccessQueue.h"

#include <QDir>
#include <QMutex>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSemaphore>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <memory>

using namespace orm;

Q_DECLARE_METATYPE(HeldDatabase::Kind)

class TestOrmCore : public QObject
{
    Q_OBJECT

private:
    int m_file = 0;

    static QStringList tableColumns(const QString &table)
    {
        QStringList names;
        dao::column_names(table, names);
        return names;
    }

private slots:
    void init()
    {
        OrmDatabase::setFailingStatementForTesting(QString());
        OrmDatabase::closeAllConnections();
        OrmDatabase::setDatabaseName(QDir::current().filePath(QStringLiteral("core%1.sqlite").arg(++m_file)));
        OrmDatabase::setReady(true);
    }

    void cleanupTestCase()
    {
        OrmDatabase::setReady(false);
        OrmDatabase::closeAllConnections();
    }

    void closedUntilReady()
    {
        OrmDatabase::setReady(false);
        QList<QSharedPointer<CMS_User>> users;
        const QSqlError err = dao::fetch_all(users);
        QVERIFY(!err.text().isEmpty());
        QVERIFY(err.text().contains(QStringLiteral("not initialised")));
        QVERIFY(!QFile::exists(OrmDatabase::databaseName()));
        {
            OrmDatabase::InitScope scope;
            QCOMPARE(dao::create_table<CMS_User>().text(), QString());
        }
        QVERIFY(!dao::create_table<CMS_Roles>().text().isEmpty());
    }

    void insertWritesIdBack()
    {
        QCOMPARE(dao::create_table<CMS_Devices>().text(), QString());
        CMS_Devices a;
        a.id = 42; // an id carried before insertion is not stored
        a.DevIP = QStringLiteral("10.0.0.1");
        QCOMPARE(dao::insert(a).text(), QString());
        QCOMPARE(a.id, 1L);
        QSharedPointer<CMS_Devices> b(new CMS_Devices());
        b->DevIP = QStringLiteral("10.0.0.2");
        QCOMPARE(dao::insert(b).text(), QString());
        QCOMPARE(b->id, 2L);

        CMS_Devices back;
        back.id = 2;
        QCOMPARE(dao::fetch_by_id(back).text(), QString());
        QCOMPARE(back.DevIP, QStringLiteral("10.0.0.2"));
        QCOMPARE(back.onvifAuth, -1);

        back.id = 99;
        QVERIFY(!dao::fetch_by_id(back).text().isEmpty());
        QVERIFY(!dao::insert(QSharedPointer<CMS_Devices>()).text().isEmpty());
    }

    void valuesAreBoundNotPasted()
    {
        QCOMPARE(dao::create_table<CMS_Devices>().text(), QString());
        const QString evil = QStringLiteral("x'); DROP TABLE CMS_Devices; --");
        CMS_Devices d;
        d.DevIP = evil;
        d.DevName = QStringLiteral("quote ' and \" and :name and ?");
        QCOMPARE(dao::insert(d).text(), QString());

        QList<QSharedPointer<CMS_Devices>> rows;
        QCOMPARE(
            dao::fetch_by_query(OrmQuery(QStringLiteral("WHERE DevIP = :ip")).bind(QStringLiteral(":ip"), evil), rows)
                .text(),
            QString());
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first()->DevName, d.DevName);
        QVERIFY(tableColumns(QStringLiteral("CMS_Devices")).contains(QStringLiteral("DevIP")));
    }

    void updateSaveExistCountDelete()
    {
        QCOMPARE(dao::create_table<CMS_Organization>().text(), QString());
        QList<QSharedPointer<CMS_Organization>> groups;
        for (int i = 0; i < 4; ++i) {
            QSharedPointer<CMS_Organization> g(new CMS_Organization());
            g->Name = QStringLiteral("g%1").arg(i);
            g->ParentId = i % 2;
            groups.append(g);
        }
        QCOMPARE(dao::insert(groups).text(), QString());
        QCOMPARE(groups.at(3)->id, 4L);

        long n = -1;
        QCOMPARE(dao::count<CMS_Organization>(n).text(), QString());
        QCOMPARE(n, 4L);
        QCOMPARE(dao::count<CMS_Organization>(
                     n, OrmQuery(QStringLiteral("WHERE ParentId = :p")).bind(QStringLiteral(":p"), 1))
                     .text(),
                 QString());
        QCOMPARE(n, 2L);

        groups[1]->Name = QStringLiteral("renamed");
        groups[1]->bPlay = true;
        QCOMPARE(dao::update(groups[1]).text(), QString());
        CMS_Organization back;
        back.id = 2;
        QCOMPARE(dao::fetch_by_id(back).text(), QString());
        QCOMPARE(back.Name, QStringLiteral("renamed"));
        QCOMPARE(back.bPlay, true);
        QCOMPARE(back.bRecord, false);

        // save: update by id, insert without id, insert with a free id keeps it
        back.Remark = QStringLiteral("saved");
        QCOMPARE(dao::save(back).text(), QString());
        QCOMPARE(back.id, 2L);
        CMS_Organization fresh;
        fresh.Name = QStringLiteral("fresh");
        QCOMPARE(dao::save(fresh).text(), QString());
        QCOMPARE(fresh.id, 5L);
        CMS_Organization fixed;
        fixed.id = 40;
        fixed.Name = QStringLiteral("fixed");
        QVERIFY(!dao::exist(fixed));
        QCOMPARE(dao::save(fixed).text(), QString());
        QVERIFY(dao::exist(fixed));
        QCOMPARE(dao::count<CMS_Organization>(n).text(), QString());
        QCOMPARE(n, 6L);

        QCOMPARE(dao::delete_by_id(fixed).text(), QString());
        QVERIFY(!dao::exist(fixed));
        QCOMPARE(dao::delete_by_query<CMS_Organization>(
                     OrmQuery(QStringLiteral("WHERE ParentId = :p")).bind(QStringLiteral(":p"), 0))
                     .text(),
                 QString());
        QList<QSharedPointer<CMS_Organization>> left;
        QCOMPARE(dao::fetch_all(left).text(), QString());
        QCOMPARE(left.size(), 2);
        for (const auto &g : left)
            QCOMPARE(g->ParentId, 1);
        QCOMPARE(dao::delete_all<CMS_Organization>().text(), QString());
        QCOMPARE(dao::count<CMS_Organization>(n).text(), QString());
        QCOMPARE(n, 0L);
    }

    void typesRoundTrip()
    {
        QCOMPARE(dao::create_table<CustomAlarmInfo>().text(), QString());
        CustomAlarmInfo a;
        a.alarmType = 5;
        a.alarmContent = QStringLiteral("Sound ✓ 音");
        a.processingTime = QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7, 89));
        QCOMPARE(dao::insert(a).text(), QString());
        CustomAlarmInfo b;
        QCOMPARE(dao::insert(b).text(), QString());

        QList<QSharedPointer<CustomAlarmInfo>> rows;
        QCOMPARE(dao::fetch_all(rows).text(), QString());
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0]->alarmContent, a.alarmContent);
        QCOMPARE(rows[0]->processingTime, a.processingTime);
        QVERIFY(!rows[1]->processingTime.isValid());
        QVERIFY(rows[1]->alarmContent.isEmpty());

        // empty texts are stored as '' so equality finds them
        long n = 0;
        QCOMPARE(dao::count<CustomAlarmInfo>(
                     n, OrmQuery(QStringLiteral("WHERE alarmContent = :c")).bind(QStringLiteral(":c"), QString()))
                     .text(),
                 QString());
        QCOMPARE(n, 1L);
    }

    void columnOrder_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("columns");
        QTest::newRow("CMS_Config_V2")
            << "CMS_Config_V2"
            << QStringList{"id",         "bAutoRun",      "bAutoLogin",      "SnapPath",           "RecordPath",
                           "BackupPath", "ScreenNum",     "Language",        "SynchroTime",        "SynchroInterva",
                           "Name",       "password",      "bHardwareDecode", "hardwareDecodeType", "bAspectRatio",
                           "bAutoStart", "bRestoreVideo", "iLogClear"};
        QTest::newRow("cms_DealAlarmTime")
            << "cms_DealAlarmTime"
            << QStringList{"id",      "devip",   "devsn",   "remark",  "bALL",    "bMon",    "bTue",
                           "bWed",    "bThu",    "bFri",    "bSat",    "bSun",    "timeALL", "timeMon",
                           "timeTue", "timeWed", "timeThu", "timeFri", "timeSat", "timeSun"};
        QTest::newRow("CMS_User") << "CMS_User"
                                  << QStringList{"id",        "Name",      "password", "RoleId", "Telephone",
                                                 "IsDefault", "IsRemeber", "Rights",   "Remark"};
        QTest::newRow("PlanRecord") << "PlanRecord"
                                    << QStringList{"id",           "Name",          "iDefult",      "iTurnOn",
                                                   "iStorageType", "szStoragePath", "iTimeFile",    "iAudioRecord",
                                                   "iFileType",    "iworkType",     "scheduleTime", "devInfo"};
    }

    void columnOrder()
    {
        QFETCH(QString, table);
        QFETCH(QStringList, columns);
        QCOMPARE(dao::create_table<CMS_Config_V2>().text(), QString());
        QCOMPARE(dao::create_table<cms_DealAlarmTime>().text(), QString());
        QCOMPARE(dao::create_table<CMS_User>().text(), QString());
        QCOMPARE(dao::create_table<PlanRecord>().text(), QString());
        QCOMPARE(tableColumns(table), columns);
    }

    void entityDefaults()
    {
        cms_DealAlarmLink link;
        QCOMPARE(link.popupTime, QStringLiteral("10"));
        QCOMPARE(link.audioTime, QStringLiteral("5"));
        QCOMPARE(link.recordingTime, QStringLiteral("10"));
        CMS_Config_V2 config;
        QCOMPARE(config.Language, -1);
        QCOMPARE(config.iLogClear, 30);
        QCOMPARE(PlanRecord().iTimeFile, 30);

        QSharedPointer<CMS_Config> old(new CMS_Config());
        old->id = 7;
        old->Name = QStringLiteral("op");
        old->bAspectRatio = true;
        config.iLogClear = 9;
        config.bRestoreVideo = true;
        config.update(old);
        QCOMPARE(config.id, 7L);
        QCOMPARE(config.Name, QStringLiteral("op"));
        QCOMPARE(config.bAspectRatio, true);
        QCOMPARE(config.iLogClear, 9);
        QCOMPARE(config.bRestoreVideo, true);
    }

    void executeQuery()
    {
        QCOMPARE(dao::create_table<CMS_User>().text(), QString());
        CMS_User u;
        u.Name = QStringLiteral("a");
        u.RoleId = 3;
        QCOMPARE(dao::insert(u).text(), QString());
        QList<QSharedPointer<CMS_User>> users;
        QCOMPARE(dao::execute_query(OrmQuery(QStringLiteral("SELECT id, Name AS name, 1 AS unknown FROM CMS_User "
                                                            "WHERE RoleId = :r"))
                                        .bind(QStringLiteral(":r"), 3),
                                    users)
                     .text(),
                 QString());
        QCOMPARE(users.size(), 1);
        QCOMPARE(users.first()->id, 1L);
        QCOMPARE(users.first()->Name, QStringLiteral("a"));
        QVERIFY(!dao::execute_query(OrmQuery(QStringLiteral("SELECT * FROM missing"))).text().isEmpty());
    }

    void transactionRollsBack()
    {
        QCOMPARE(dao::create_table<CMS_Roles>().text(), QString());
        {
            OrmTransaction tx;
            QCOMPARE(tx.error().text(), QString());
            CMS_Roles r;
            QCOMPARE(dao::insert(r).text(), QString());
            {
                OrmTransaction inner; // joins the outer one
                QCOMPARE(inner.commit().text(), QString());
            }
        } // destroyed without commit
        long n = -1;
        QCOMPARE(dao::count<CMS_Roles>(n).text(), QString());
        QCOMPARE(n, 0L);

        OrmDatabase::setFailingStatementForTesting(QStringLiteral("INSERT INTO CMS_Roles"));
        CMS_Roles r;
        QCOMPARE(dao::insert(r).text(), QStringLiteral("Injected failure"));
        OrmDatabase::setFailingStatementForTesting(QString());
        QCOMPARE(dao::insert(r).text(), QString());
    }

    // Read-then-write transactions on several connections at once wait for
    // each other instead of failing with "database is locked".
    void readThenWriteTransactionsWait()
    {
        QCOMPARE(dao::create_table<CMS_Roles>().text(), QString());
        const int threads = 4, perThread = 15;
        std::atomic<int> failures{0};
        std::vector<std::unique_ptr<QThread>> workers;
        for (int t = 0; t < threads; ++t) {
            workers.emplace_back(QThread::create([&failures] {
                for (int i = 0; i < perThread; ++i) {
                    OrmTransaction tx;
                    long before = 0;
                    CMS_Roles r;
                    if (!tx.error().text().isEmpty() || !dao::count<CMS_Roles>(before).text().isEmpty()
                        || !dao::insert(r).text().isEmpty() || !tx.commit().text().isEmpty())
                        ++failures;
                }
            }));
            workers.back()->start();
        }
        for (auto &w : workers)
            QVERIFY(w->wait(120000));
        QCOMPARE(failures.load(), 0);
        long n = 0;
        QCOMPARE(dao::count<CMS_Roles>(n).text(), QString());
        QCOMPARE(n, long(threads * perThread));
    }

    // Every thread has its own connection; concurrent writers wait on the
    // busy timeout instead of failing.
    void threadsUseOwnConnections()
    {
        QCOMPARE(dao::create_table<CMS_Alarm>().text(), QString());
        const int threads = 4, perThread = 40;
        std::atomic<int> failures{0};
        std::vector<std::unique_ptr<QThread>> workers;
        for (int t = 0; t < threads; ++t) {
            workers.emplace_back(QThread::create([t, &failures] {
                for (int i = 0; i < perThread; ++i) {
                    CMS_Alarm a;
                    a.DevIP = QStringLiteral("10.0.%1.%2").arg(t).arg(i);
                    if (!dao::insert(a).text().isEmpty())
                        ++failures;
                    QList<QSharedPointer<CMS_Alarm>> rows;
                    if (!dao::fetch_by_query(
                             OrmQuery(QStringLiteral("WHERE DevIP = :ip")).bind(QStringLiteral(":ip"), a.DevIP), rows)
                             .text()
                             .isEmpty()
                        || rows.size() != 1)
                        ++failures;
                }
            }));
            workers.back()->start();
        }
        for (auto &w : workers)
            QVERIFY(w->wait(60000));
        QCOMPARE(failures.load(), 0);
        long n = 0;
        QCOMPARE(dao::count<CMS_Alarm>(n).text(), QString());
        QCOMPARE(n, long(threads * perThread));
        // connections of finished threads are gone
        int own = 0;
        for (const QString &name : QSqlDatabase::connectionNames())
            own += name.startsWith(QStringLiteral("kelvo_orm_")) ? 1 : 0;
        QCOMPARE(own, 1);
    }
    // Writes made while another program holds the database come back at
    // once and land in the order made once it lets go. Held past the
    // give-up, a write is given up with the later writes of its record (the
    // latest said first, so undoing each leaves what the database holds); a
    // write that must land waits on. At close, what is owed is tried within
    // the budget and given up in the log.
    void writeQueueWaitsForAHeldDatabase_data()
    {
        QTest::addColumn<QString>("end");
        QTest::addColumn<QStringList>("outcomes");
        QTest::newRow("let go while they wait")
            << "let go" << QStringList{"before:stored", "a1:stored", "b:stored", "a2:stored"};
        QTest::newRow("held past the give-up")
            << "held" << QStringList{"before:stored", "a2:busy", "a1:busy", "b:stored"};
        QTest::newRow("held at close") << "close" << QStringList{"before:stored", "a2:busy", "a1:busy", "b:busy"};
    }
    void writeQueueWaitsForAHeldDatabase()
    {
        QFETCH(QString, end);
        QFETCH(QStringList, outcomes);
        QCOMPARE(dao::create_table<CMS_Organization>().text(), QString());
        OrmAccessQueue queue;
        QStringList said;
        const auto write = [&](const QString &name, const QString &key, bool givesUp) {
            queue.enqueue(
                {name, key, givesUp,
                 [name] {
                     CMS_Organization group;
                     group.Name = name;
                     return dao::insert(group);
                 },
                 [&said, name](const QSqlError &e) {
                     said << name + (e.text().isEmpty() ? ":stored" : OrmDatabase::isLocked(e) ? ":busy" : ":failed");
                 }});
        };
        write("before", "a", true);
        QCOMPARE(said, QStringList{"before:stored"});
        {
            HeldDatabase held;
            QVERIFY(held.isHeld());
            write("a1", "a", true);
            write("b", "b", false);
            write("a2", "a", true);
            QVERIFY(queue.isWaiting());
            QCOMPARE(queue.pending(), (QStringList{"a1", "b", "a2"}));
            if (end == "let go") {
                held.letGo();
            } else if (end == "held") {
                QTRY_COMPARE_WITH_TIMEOUT(said.size(), 3, 30000);
                QVERIFY(queue.isWaiting());
                held.letGo();
            } else {
                for (const char *name : {"a2", "a1", "b"})
                    QTest::ignoreMessage(QtWarningMsg,
                                         QRegularExpression(QStringLiteral("given up.*\"%1\"").arg(name)));
                queue.flush(200);
            }
        }
        QTRY_VERIFY_WITH_TIMEOUT(queue.isEmpty(), 10000);
        QCOMPARE(said, outcomes);
        QVERIFY(!queue.isWaiting());
        // The database keeps what was said stored, in that order.
        QList<QSharedPointer<CMS_Organization>> rows;
        QCOMPARE(dao::fetch_by_query(OrmQuery(QStringLiteral("ORDER BY id")), rows).text(), QString());
        QStringList kept;
        for (const auto &row : rows)
            kept << row->Name + ":stored";
        QCOMPARE(kept, outcomes.filter(":stored"));
    }

    // A change made while the write of its record waits takes that write's
    // place: one write with the state both made, told once; a write of
    // another record keeps its own place.
    void writeQueueMergesAWaitingChange()
    {
        QCOMPARE(dao::create_table<CMS_Organization>().text(), QString());
        OrmAccessQueue queue;
        QStringList said;
        const auto item = [&said](const QString &key, const QString &name) {
            OrmAccessQueue::Item it{
                name, key, true,
                [name] {
                    CMS_Organization group;
                    group.Name = name;
                    return dao::insert(group);
                },
                [&said, name](const QSqlError &e) { said << name + (e.text().isEmpty() ? ":stored" : ":not stored"); }};
            it.merges = true;
            return it;
        };
        {
            HeldDatabase held(HeldDatabase::Kind::Write);
            QVERIFY(held.isHeld());
            queue.enqueue(item("plan", "plan 1"));
            queue.enqueue(item("other", "other"));
            queue.enqueue(item("plan", "plan 2"));
            queue.enqueue(item("plan", "plan 3"));
            QVERIFY(queue.isWaiting());
            // One plan write may be on its way already; behind it, the later
            // changes are one write.
            const QStringList plans = queue.pending().filter("plan");
            QVERIFY2(plans.size() <= 2 && plans.last() == "plan 3", qPrintable(plans.join(", ")));
            QVERIFY(queue.pending().contains("other"));
        }
        QTRY_VERIFY_WITH_TIMEOUT(queue.isEmpty(), 10000);
        const QStringList stored = said.filter("plan");
        QVERIFY2(stored.size() <= 2 && stored.last() == "plan 3:stored", qPrintable(said.join(", ")));
        QVERIFY(said.contains("other:stored"));
        QList<QSharedPointer<CMS_Organization>> rows;
        QCOMPARE(dao::fetch_by_query(OrmQuery(QStringLiteral("ORDER BY id")), rows).text(), QString());
        QStringList kept;
        for (const auto &row : rows)
            kept << row->Name + ":stored";
        QCOMPARE(kept, said);
    }

    // The client closes while another program holds the database: what every
    // queue owes, also one whose page is gone, is waited for within one
    // budget and stored once the hold ends; held past it, each write is
    // given up, named in the log and returned, the reads apart. The holder
    // lets go on its own thread, as another program would: before the close,
    // after it, or while it waits (told by the closed dialog's own write, on
    // its second try within the close, so the close must still be waiting
    // then), never after a guessed time.
    void flushAllWaitsForEveryQueue_data()
    {
        QTest::addColumn<HeldDatabase::Kind>("kind");
        QTest::addColumn<int>("budgetMs");
        QTest::addColumn<QString>("letGoAt"); // "before", "within", "after" the close
        QTest::newRow("exclusive, let go within the budget") << HeldDatabase::Kind::Exclusive << 20000 << "before";
        QTest::newRow("write hold, let go within the budget") << HeldDatabase::Kind::Write << 20000 << "before";
        QTest::newRow("held past the budget") << HeldDatabase::Kind::Exclusive << 300 << "after";
        QTest::newRow("let go while the close waits for a closed dialog's write")
            << HeldDatabase::Kind::Exclusive << 20000 << "within";
    }
    void flushAllWaitsForEveryQueue()
    {
        QFETCH(HeldDatabase::Kind, kind);
        QFETCH(int, budgetMs);
        QFETCH(QString, letGoAt);
        const bool stored = letGoAt != "after";
        QCOMPARE(dao::create_table<CMS_Organization>().text(), QString());
        QSemaphore holding, letGo, gone;
        std::unique_ptr<QThread> holder(QThread::create([&] {
            HeldDatabase held(kind);
            holding.release(held.isHeld() ? 1 : 2);
            letGo.acquire();
            held.letGo();
            gone.release();
        }));
        // Also when a check below fails: the holder never outlives the row.
        const auto endHold = qScopeGuard([&] {
            letGo.release();
            holder->wait();
        });
        holder->start();
        holding.acquire();
        QVERIFY2(holding.available() == 0, "the database was not held");

        // What happened, in the order it happened, from any thread.
        QMutex eventsMutex;
        QStringList events;
        const auto event = [&](const QString &what) {
            QMutexLocker lock(&eventsMutex);
            events << what;
        };
        std::atomic<bool> closing{false};
        std::atomic<int> triesInClose{0};
        QStringList said;
        const auto item = [&](const QString &name) {
            return OrmAccessQueue::Item{
                name, name, true,
                [&, name] {
                    if (letGoAt == "within" && name == "dialog folder" && closing && ++triesInClose == 2) {
                        letGo.release();
                        gone.acquire();
                    }
                    CMS_Organization group;
                    group.Name = name;
                    const QSqlError error = dao::insert(group);
                    if (error.text().isEmpty())
                        event(name + " landed");
                    return error;
                },
                [&said, name](const QSqlError &e) {
                    said << name + (e.text().isEmpty() ? ":stored" : OrmDatabase::isLocked(e) ? ":busy" : ":failed");
                }};
        };
        // Waiting for the dialog's write alone, the close is seen to wait for it.
        const bool dialogOnly = letGoAt == "within";
        OrmAccessQueue registry;
        OrmAccessQueue page;
        if (!dialogOnly) {
            registry.enqueue(item("registry row"));
            page.enqueue(item("page setting"));
            page.enqueue(OrmAccessQueue::Item::reading("page read",
                                                       [] {
                                                           long n = 0;
                                                           return dao::count<CMS_Organization>(n);
                                                       },
                                                       {}));
        }
        {
            // A dialog closed while its write waits: the write stays owed.
            OrmAccessQueue dialog;
            dialog.enqueue(item("dialog folder"));
            QVERIFY(dialog.isWaiting());
        }
        QCOMPARE(registry.isWaiting(), !dialogOnly);
        QCOMPARE(page.isWaiting(), !dialogOnly);
        const QStringList all =
            dialogOnly ? QStringList{"dialog folder"} : QStringList{"dialog folder", "page setting", "registry row"};
        OrmAccessQueue::Outstanding owed = OrmAccessQueue::outstanding();
        owed.changes.sort();
        QCOMPARE(owed.changes, all);
        QCOMPARE(owed.reads, dialogOnly ? QStringList() : QStringList{"page read"});
        if (!stored) {
            for (const char *name : {"registry row", "page setting", "page read", "dialog folder"})
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("given up.*\"%1\"").arg(name)));
        }
        if (letGoAt == "before")
            letGo.release();
        closing = true;
        QStringList givenUp = OrmAccessQueue::flushAll(budgetMs);
        event("close ended");
        if (letGoAt == "after")
            letGo.release();
        QVERIFY(holder->wait(30000));

        const QString end = stored ? ":stored" : ":busy";
        said.sort();
        QCOMPARE(said, dialogOnly ? QStringList() : (QStringList{"page setting" + end, "registry row" + end}));
        QVERIFY(!registry.isWaiting());
        QVERIFY(!page.isWaiting());
        givenUp.sort();
        QCOMPARE(givenUp, stored ? QStringList() : all);
        QVERIFY(OrmAccessQueue::outstanding().changes.isEmpty());
        QList<QSharedPointer<CMS_Organization>> rows;
        QCOMPARE(dao::fetch_all(rows).text(), QString());
        QStringList kept;
        for (const auto &row : rows)
            kept << row->Name;
        kept.sort();
        QCOMPARE(kept, stored ? all : QStringList());
        // The close waited for the write of the window already gone.
        if (letGoAt == "within") {
            QMutexLocker lock(&eventsMutex);
            QCOMPARE(events.filter("dialog folder").size(), 1);
            QCOMPARE(events.last(), QStringLiteral("close ended"));
        }
    }
};

QTEST_GUILESS_MAIN(TestOrmCore)
#include "tst_ormcore.moc"
