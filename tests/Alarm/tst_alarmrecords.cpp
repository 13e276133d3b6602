// The alarm record browser over a real database file: searching and paging,
// batch handling, and the exported workbook read back from its XML parts.

#include "../cms/DevicePagesTestUtil.h"
#include "../support/HeldDatabase.h"
#include "DamagedTable.h"

#include "AlarmInfoProcessing.h"
#include "AlarmInfoWidget.h"
#include "DeviceAlarmHandler.h"
#include "DeviceInfoManager.h"
#include "DeviceTree.h"
#include "FileChooser.h"
#include "HeaderViewPrivate.h"
#include "OrmCore.h"
#include "OrmDao.h"
#include "OrmHelper.h"
#include "OrmAccessQueue.h"
#include "SharedTexts.h"
#include "PageWidget.h"
#include "SmallDisk.h"

#include <QComboBox>
#include <QLabel>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QPushButton>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <memory>

#include <sys/stat.h>

using namespace DevicePagesTest;

namespace {

void addDevice(const QString &ip, int type, const QString &name, const QString &group, int channels = 0)
{
    auto *dev = new FUN_DEV_INFO;
    dev->ip = ip;
    dev->devType = type;
    dev->name = name;
    dev->group = group;
    dev->channelNum = uint8_t(channels);
    DeviceInfoManager::instance()->addDevInfo(dev);
    if (type == 1)
        DeviceInfoManager::instance()->addNVRChannels(dev);
}

long addRecord(const QString &devName, int type, const QString &time)
{
    CustomAlarmInfo r;
    r.devName = devName;
    r.alarmType = type;
    r.alarmTime = time;
    r.handler = QStringLiteral("SN-") + devName;
    orm::dao::insert(r);
    return r.id;
}

// The worksheet's cells as rows of texts, through the shared strings.
QVector<QStringList> readSheet(const QString &path)
{
    auto part = [&](const char *name) {
        QProcess unzip;
        unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), path, QLatin1String(name)});
        unzip.waitForFinished(30000);
        return QString::fromUtf8(unzip.readAllStandardOutput());
    };
    QStringList strings;
    QRegularExpression text(QStringLiteral("<t[^>]*>([^<]*)</t>"));
    for (auto it = text.globalMatch(part("xl/sharedStrings.xml")); it.hasNext();)
        strings << it.next().captured(1).replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    QVector<QStringList> rows;
    QRegularExpression cell(QStringLiteral("<c r=\"([A-Z]+)(\\d+)\"[^>]*><v>(\\d+)</v></c>"));
    for (auto it = cell.globalMatch(part("xl/worksheets/sheet1.xml")); it.hasNext();) {
        const auto m = it.next();
        const int row = m.captured(2).toInt() - 1;
        const int column = m.captured(1).at(0).unicode() - 'A';
        while (rows.size() <= row)
            rows.append(QStringList());
        while (rows[row].size() <= column)
            rows[row].append(QString());
        rows[row][column] = strings.value(m.captured(3).toInt());
    }
    return rows;
}

} // namespace

class TestAlarmRecords : public QObject
{
    Q_OBJECT

    std::unique_ptr<AlarmInfoWidget> m_page;
    QMap<QString, long> m_ids;

    DeviceTree *tree() const { return m_page->findChild<DeviceTree *>(QStringLiteral("treeView")); }

    // The records are read off the GUI thread: the table is filled (or
    // emptied, the failure said) once they answer.
    template <class Act> void answered(Act act)
    {
        QSignalSpy shown(m_page->model(), &QAbstractItemModel::modelReset);
        act();
        QTRY_VERIFY(shown.count() > 0);
    }

    void search(int typeIndex, const QString &after)
    {
        m_page->findChild<QComboBox *>(QStringLiteral("comboBoxType"))->setCurrentIndex(typeIndex);
        m_page->findChild<QDateTimeEdit *>(QStringLiteral("dateTimeEdit"))
            ->setDateTime(QDateTime::fromString(after, QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        answered([this] {
            QTest::mouseClick(m_page->findChild<QPushButton *>(QStringLiteral("pushButtonSearch")), Qt::LeftButton);
        });
    }

    QStringList column(int c) const
    {
        QStringList texts;
        for (int r = 0; r < m_page->model()->rowCount(); ++r)
            texts << m_page->model()->item(r, c)->text();
        return texts;
    }

    QStringList shownIds() const
    {
        QStringList ids;
        for (int r = 0; r < m_page->model()->rowCount(); ++r)
            ids << m_ids.key(m_page->model()->item(r, 0)->data(AlarmInfoWidget::IdRole).toString().toLong());
        return ids;
    }

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(OrmHelper::instance()->init(&error), qPrintable(error));
        addDevice(QStringLiteral("127.143.0.5"), 0, QStringLiteral("Gate"), QStringLiteral("Outdoor"));
        addDevice(QStringLiteral("127.143.0.6"), 0, QStringLiteral("Yard"), QStringLiteral("Outdoor"));
        addDevice(QStringLiteral("127.143.0.7"), 1, QStringLiteral("Recorder"), QStringLiteral("Indoor"), 2);
        addDevice(QStringLiteral("127.143.0.8"), 0, QStringLiteral("Bulk"), QStringLiteral("Indoor"));
        m_ids = {{"g1", addRecord("Gate", 0, "2026-01-10 08:00:00")},
                 {"g2", addRecord("Gate", 5, "2026-01-10 09:00:00")},
                 {"y1", addRecord("Yard", 0, "2026-01-11 10:00:00")},
                 {"y2", addRecord("Yard", 1, "2026-01-12 11:00:00")},
                 {"old", addRecord("Gate", 0, "2026-01-05 00:00:00")},
                 {"g3", addRecord("Gate", 3, "2026-01-13 12:00:00")},
                 // Named like a group and like a channel: a group or channel
                 // item must not find them.
                 {"grp", addRecord("Outdoor", 0, "2026-01-14 12:00:00")},
                 {"ch", addRecord("CH_01", 0, "2026-01-14 13:00:00")}};
        // Long, hardly compressible handlers: a page of them makes a workbook
        // of about 100 KiB.
        addDevice(QStringLiteral("127.143.0.9"), 0, QStringLiteral("Notes"), QStringLiteral("Indoor"));
        QRandomGenerator random(7);
        for (int i = 0; i < 4; ++i) {
            CustomAlarmInfo r;
            r.devName = QStringLiteral("Notes");
            r.alarmTime = QStringLiteral("2025-06-0%1 08:00:00").arg(i + 1);
            for (int c = 0; c < 30000; ++c)
                r.handler += QChar(char(33 + random.bounded(90)));
            orm::dao::insert(r);
        }
        for (int i = 0; i < 65; ++i)
            addRecord(
                "Bulk", 2,
                QDateTime(QDate(2025, 12, 1), QTime(0, 0)).addSecs(60 * (64 - i)).toString("yyyy-MM-dd hh:mm:ss"));
        m_page.reset(new AlarmInfoWidget);
        m_page->resize(1024, 720);
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
        QCOMPARE(m_page->model()->rowCount(), 0); // no search on construction or showing
    }

    void searches_data()
    {
        QTest::addColumn<int>("typeIndex");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("itemKey"); // tree item made current; "" none
        QTest::addColumn<QString>("filter");  // tree filter text typed afterwards
        QTest::addColumn<QStringList>("found");
        const QString jan6 = "2026-01-06 00:00:00";
        QTest::newRow("all") << 0 << jan6 << ""
                             << "" << QStringList{"g1", "g2", "y1", "y2", "g3", "grp", "ch"};
        QTest::newRow("motion is code 0") << 1 << jan6 << ""
                                          << "" << QStringList{"g1", "y1", "grp", "ch"};
        QTest::newRow("sound is code 5") << 6 << jan6 << ""
                                         << "" << QStringList{"g2"};
        QTest::newRow("strictly later") << 1 << "2026-01-10 08:00:00"
                                        << ""
                                        << "" << QStringList{"y1", "grp", "ch"};
        QTest::newRow("device") << 0 << jan6 << "127.143.0.5"
                                << "" << QStringList{"g1", "g2", "g3"};
        QTest::newRow("device hidden by the filter") << 0 << jan6 << "127.143.0.6"
                                                     << "Gate" << QStringList{"y1", "y2"};
        QTest::newRow("group") << 0 << jan6 << "Outdoor"
                               << "" << QStringList{};
        QTest::newRow("channel") << 0 << jan6 << "127.143.0.7_1"
                                 << "" << QStringList{};
    }

    // A file whose record pages are damaged (its time index whole): said
    // when the client starts and on a search, never a count above no rows;
    // the page, never answered, shows nothing, and says why in its room.
    void damagedTableIsSaid()
    {
        const QString previousDb = OrmDatabase::databaseName();
        const QString file = QDir::current().filePath(QStringLiteral("damaged-records.sqlite"));
        QFile::remove(file);
        OrmHelper::resetForTesting();
        OrmDatabase::setDatabaseName(file);
        QVERIFY(OrmHelper::instance()->init());
        for (int i = 0; i < 17; ++i) {
            CustomAlarmInfo r;
            r.devName = QStringLiteral("Gate");
            r.alarmTime = QStringLiteral("2026-02-01 08:00:%1").arg(i, 2, 10, QLatin1Char('0'));
            r.alarmContent = QStringLiteral("RECORD-PAGE-MARK %1").arg(i);
            QVERIFY(orm::dao::insert(r).text().isEmpty());
        }
        OrmHelper::resetForTesting();
        QVERIFY(damagePagesHolding(file, "RECORD-PAGE-MARK") > 0);
        QVERIFY(OrmHelper::instance()->init());
        closeToasts();

        auto handler = std::make_unique<DeviceAlarmHandler>();
        QTRY_VERIFY(toastTexts().contains(AlarmInfoWidget::damagedText()));
        handler.reset();
        closeToasts();

        tree()->reload();
        tree()->setCurrentIndex(QModelIndex());
        m_page->findChild<QComboBox *>(QStringLiteral("comboBoxType"))->setCurrentIndex(0);
        m_page->findChild<QDateTimeEdit *>(QStringLiteral("dateTimeEdit"))
            ->setDateTime(QDateTime(QDate(2026, 1, 1), QTime(0, 0)));
        QTest::mouseClick(m_page->findChild<QPushButton *>(QStringLiteral("pushButtonSearch")), Qt::LeftButton);
        QTRY_VERIFY(toastTexts().contains(AlarmInfoWidget::damagedText()));
        auto *pager = m_page->findChild<PageWidget *>(QStringLiteral("widgetPage"));
        QCOMPARE(pager->totalRecords(), qint64(0));
        // No count was read: none is shown.
        QCOMPARE(pager->findChild<QLabel *>(QStringLiteral("labelTotalRecords"))->text(), QStringLiteral("-"));
        QCOMPARE(m_page->model()->rowCount(), 0);
        QCOMPARE(m_page->findChild<QLabel *>(QStringLiteral("labelReadState"))->text(), AlarmInfoWidget::damagedText());
        for (const QString &text : toastTexts())
            QVERIFY2(!text.contains(QStringLiteral("cannot be written")), qPrintable(text));
        closeToasts();

        OrmHelper::resetForTesting();
        OrmDatabase::setDatabaseName(previousDb);
        QVERIFY(OrmHelper::instance()->init());
    }

    // A search while another program holds the database: the click returns
    // at once, the page says it waits, and count and rows come together.
    // Given up (held past the give-up) after a search that answered, a new
    // search or another page shows nothing of its own: the rows, the count
    // and the page of the last answer stay, the words in their own room say
    // they are not read now, until a search answers again.
    void searchWaitsForHeldDatabase_data()
    {
        QTest::addColumn<QString>("act"); // under the hold: "search" or "next page"
        QTest::addColumn<bool>("released");
        QTest::newRow("let go while it waits") << "search" << true;
        QTest::newRow("new search given up") << "search" << false;
        QTest::newRow("next page given up") << "next page" << false;
    }
    void searchWaitsForHeldDatabase()
    {
        QFETCH(QString, act);
        QFETCH(bool, released);
        closeToasts();
        tree()->reload();
        tree()->selectItem(QStringLiteral("127.143.0.8"));
        auto *pager = m_page->findChild<PageWidget *>(QStringLiteral("widgetPage"));
        auto *words = m_page->findChild<QLabel *>(QStringLiteral("labelReadState"));
        auto *type = m_page->findChild<QComboBox *>(QStringLiteral("comboBoxType"));
        const auto pagerTexts = [pager] {
            QStringList texts;
            for (const char *name : {"labelTotalRecords", "pageCurrent", "pageTotal"})
                texts << pager->findChild<QLabel *>(QLatin1String(name))->text().trimmed();
            return texts;
        };
        if (!released) {
            // The answer the page keeps.
            search(0, QStringLiteral("2025-01-01 00:00:00"));
            QCOMPARE(pager->totalRecords(), qint64(65));
            QVERIFY(!words->isVisible());
        }
        const QStringList rowsBefore = column(3);
        auto *table = m_page->findChild<QTableView *>(QStringLiteral("tableView"));
        const QRect tableBefore = table->geometry();
        QSignalSpy shown(m_page->model(), &QAbstractItemModel::modelReset);
        {
            HeldDatabase held;
            QVERIFY(held.isHeld());
            if (act == QLatin1String("search")) {
                // Another search: sound alarms, none of which this device has.
                type->setCurrentIndex(released ? 0 : 6);
                m_page->findChild<QDateTimeEdit *>(QStringLiteral("dateTimeEdit"))
                    ->setDateTime(QDateTime(QDate(2025, 1, 1), QTime(0, 0)));
                QTest::mouseClick(m_page->findChild<QPushButton *>(QStringLiteral("pushButtonSearch")), Qt::LeftButton);
            } else {
                QTest::mouseClick(pager->findChild<QPushButton *>(QStringLiteral("pushButtonNext")), Qt::LeftButton);
            }
            QTRY_VERIFY(toastTexts().contains(SharedTexts::readWaitingText()));
            QCOMPARE(shown.count(), 0);
            if (!released) {
                const QString said = AlarmInfoWidget::unreadableText(QSqlError(
                    QString(), QStringLiteral("database is locked"), QSqlError::StatementError, QStringLiteral("5")));
                QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(said), 30000);
                QVERIFY(!toastTexts().contains(SharedTexts::readWaitingText()));
                // What the last answer showed, marked: never a count of 0.
                QCOMPARE(shown.count(), 0);
                QCOMPARE(column(3), rowsBefore);
                QCOMPARE(pagerTexts(), (QStringList{"65", "1", "3"}));
                QCOMPARE(pager->startIndex(), qint64(0));
                QVERIFY(words->isVisible());
                QCOMPARE(words->text(), said + QLatin1Char(' ') + AlarmInfoWidget::keptText());
                // In a room of their own: the table did not move down for them.
                QCOMPARE(table->geometry().top(), tableBefore.top());
                QCOMPARE(table->geometry().height(), tableBefore.height());
                // The words stay once the toast has gone.
                closeToasts();
                QVERIFY(words->isVisible());
            }
        }
        if (!released) {
            // Read again: the answer replaces what was kept, and the words go.
            answered([this] {
                QTest::mouseClick(m_page->findChild<QPushButton *>(QStringLiteral("pushButtonSearch")), Qt::LeftButton);
            });
            QVERIFY(!words->isVisible());
            QCOMPARE(pager->totalRecords(), act == QLatin1String("search") ? qint64(0) : qint64(65));
            type->setCurrentIndex(0);
            return;
        }
        QTRY_COMPARE(m_page->model()->rowCount(), 30);
        QCOMPARE(pager->totalRecords(), qint64(65));
        QCOMPARE(column(3).first(), QStringLiteral("2025-12-01 01:04:00"));
        QVERIFY(!words->isVisible());
    }

    void searches()
    {
        QFETCH(int, typeIndex);
        QFETCH(QString, after);
        QFETCH(QString, itemKey);
        QFETCH(QString, filter);
        QFETCH(QStringList, found);
        tree()->reload();
        if (!itemKey.isEmpty())
            tree()->selectItem(itemKey);
        m_page->findChild<QLineEdit *>(QStringLiteral("lineEditDevice"))->setText(filter);
        search(typeIndex, after);
        m_page->findChild<QLineEdit *>(QStringLiteral("lineEditDevice"))->clear();
        QCOMPARE(shownIds(), found);
        const QString typeText =
            QStringList{"", "Motion detection", "", "", "", "", "Sound detection"}.value(typeIndex);
        for (const QString &shown : column(2)) {
            if (!typeText.isEmpty())
                QCOMPARE(shown, typeText);
        }
    }

    void paging()
    {
        tree()->reload();
        tree()->selectItem(QStringLiteral("127.143.0.8"));
        search(0, QStringLiteral("2025-01-01 00:00:00"));
        auto *pager = m_page->findChild<PageWidget *>(QStringLiteral("widgetPage"));
        QCOMPARE(pager->totalRecords(), qint64(65));
        // Pages come in insertion (id) order, not in time order.
        const QStringList first = column(3);
        QCOMPARE(first.size(), 30);
        QCOMPARE(first.first(), QStringLiteral("2025-12-01 01:04:00"));
        answered([pager] {
            QTest::mouseClick(pager->findChild<QPushButton *>(QStringLiteral("pushButtonLast")), Qt::LeftButton);
        });
        QCOMPARE(column(3), QStringList({"2025-12-01 00:04:00", "2025-12-01 00:03:00", "2025-12-01 00:02:00",
                                         "2025-12-01 00:01:00", "2025-12-01 00:00:00"}));
        answered([pager] {
            pager->findChild<QComboBox *>(QStringLiteral("comboBoxPageSize"))->setCurrentText(QStringLiteral("50"));
        });
        QCOMPARE(pager->currentPage(), qint64(1));
        QCOMPARE(column(3).size(), 50);
    }

    void batch_data()
    {
        QTest::addColumn<QString>("note");
        QTest::addColumn<bool>("storeFails");
        QTest::addColumn<bool>("stored");
        QTest::addColumn<bool>("held");
        QTest::newRow("quote kept as typed") << "it's done; \"ok\") --" << false << true << false;
        QTest::newRow("blanks are a note") << "   " << false << true << false;
        QTest::newRow("empty note") << "" << false << false << false;
        QTest::newRow("store fails") << "done" << true << false << false;
        QTest::newRow("database held, then let go") << "done" << false << true << true;
    }

    // The handled rows read "solved" with their note as soon as the note is
    // submitted; a failed store is said and the rows stay "pending".
    void batch()
    {
        QFETCH(QString, note);
        QFETCH(bool, storeFails);
        QFETCH(bool, stored);
        QFETCH(bool, held);
        orm::dao::execute_query(OrmQuery("UPDATE CustomAlarmInfo SET status = 0, records = ''"));
        closeToasts();
        tree()->reload();
        tree()->selectItem(QStringLiteral("127.143.0.5"));
        search(0, QStringLiteral("2026-01-01 00:00:00"));
        QCOMPARE(shownIds(), QStringList({"g1", "g2", "old", "g3"}));
        m_page->model()->item(0, 0)->setCheckState(Qt::Checked);
        m_page->model()->item(3, 0)->setCheckState(Qt::Checked);
        onModal<AlarmInfoProcessing>([note](AlarmInfoProcessing *dlg) {
            dlg->findChild<QTextEdit *>(QStringLiteral("textEdit"))->setPlainText(note);
            QTest::mouseClick(dlg->findChild<QPushButton *>(QStringLiteral("pushButtonSubmit")), Qt::LeftButton);
        });
        if (storeFails)
            OrmDatabase::setFailingStatementForTesting(QStringLiteral("UPDATE CustomAlarmInfo"));
        std::unique_ptr<HeldDatabase> hold(held ? new HeldDatabase : nullptr);
        QTest::mouseClick(m_page->findChild<QPushButton *>(QStringLiteral("pushButtonBat")), Qt::LeftButton);
        OrmDatabase::setFailingStatementForTesting(QString());
        QCOMPARE(m_page->processingDialog()->objectName(), QStringLiteral("AlarmProcess"));
        if (hold) {
            // The note waits for the database off the window, which says so.
            QTRY_VERIFY(toastTexts().contains(SharedTexts::readWaitingText()));
            QCOMPARE(column(4), QStringList({"pending", "pending", "pending", "pending"}));
            hold.reset();
            QTRY_COMPARE_WITH_TIMEOUT(column(4), QStringList({"solved", "pending", "pending", "solved"}), 15000);
        }

        QList<QSharedPointer<CustomAlarmInfo>> rows;
        orm::dao::fetch_by_query(OrmQuery("WHERE status = 2 ORDER BY id"), rows);
        QStringList solved;
        for (const auto &row : rows) {
            solved << m_ids.key(row->id);
            QCOMPARE(row->records, note);
        }
        QCOMPARE(solved, stored ? QStringList({"g1", "g3"}) : QStringList());
        QCOMPARE(toastTexts().contains(QStringLiteral("Configuration failed")), storeFails);
        // A submitted note unchecks the rows; without one nothing happened.
        QCOMPARE(m_page->model()->item(0, 0)->checkState(), note.isEmpty() ? Qt::Checked : Qt::Unchecked);
        QCOMPARE(shownIds(), QStringList({"g1", "g2", "old", "g3"}));
        if (stored) {
            QTRY_COMPARE(column(4), QStringList({"solved", "pending", "pending", "solved"}));
            QCOMPARE(column(5).at(3), note);
        } else {
            QTRY_COMPARE(column(4), QStringList({"pending", "pending", "pending", "pending"}));
        }
    }

    // Handling rows on a later page shows them handled on that same page.
    void batchKeepsThePage()
    {
        orm::dao::execute_query(OrmQuery("UPDATE CustomAlarmInfo SET status = 0, records = ''"));
        tree()->reload();
        tree()->selectItem(QStringLiteral("127.143.0.8"));
        search(0, QStringLiteral("2025-01-01 00:00:00"));
        auto *pager = m_page->findChild<PageWidget *>(QStringLiteral("widgetPage"));
        answered([pager] {
            QTest::mouseClick(pager->findChild<QPushButton *>(QStringLiteral("pushButtonLast")), Qt::LeftButton);
        });
        const qint64 last = pager->currentPage();
        QVERIFY(last > 1);
        const QStringList times = column(3);
        m_page->model()->item(1, 0)->setCheckState(Qt::Checked);
        onModal<AlarmInfoProcessing>([](AlarmInfoProcessing *dlg) {
            dlg->findChild<QTextEdit *>(QStringLiteral("textEdit"))->setPlainText(QStringLiteral("checked"));
            QTest::mouseClick(dlg->findChild<QPushButton *>(QStringLiteral("pushButtonSubmit")), Qt::LeftButton);
        });
        answered([this] {
            QTest::mouseClick(m_page->findChild<QPushButton *>(QStringLiteral("pushButtonBat")), Qt::LeftButton);
        });
        QCOMPARE(pager->currentPage(), last);
        QCOMPARE(column(3), times);
        QStringList states;
        for (int i = 0; i < times.size(); ++i)
            states << (i == 1 ? QStringLiteral("solved") : QStringLiteral("pending"));
        QCOMPARE(column(4), states);
    }

    void exportWorkbook_data()
    {
        QTest::addColumn<QString>("itemKey");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written"); // "" when the save must fail
        QTest::newRow("rows") << "127.143.0.6"
                              << "out/a.xlsx"
                              << "out/a.xlsx";
        QTest::newRow("suffix added") << "127.143.0.6"
                                      << "out/b"
                                      << "out/b.xlsx";
        QTest::newRow("header only") << "Outdoor"
                                     << "out/c.xlsx"
                                     << "out/c.xlsx";
        QTest::newRow("unwritable") << "127.143.0.6"
                                    << "missing/dir/d.xlsx"
                                    << "";
    }

    void exportWorkbook()
    {
        QFETCH(QString, itemKey);
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("out"));
        QString proposed;
        FileChooser::setSaveFileQuestion([&](QWidget *, const QString &, const QString &start, const QString &) {
            proposed = start;
            return dir.filePath(chosen);
        });
        closeToasts();
        tree()->reload();
        tree()->selectItem(itemKey);
        search(0, QStringLiteral("2026-01-06 00:00:00"));
        QTest::mouseClick(m_page->findChild<QPushButton *>(QStringLiteral("pushButtonExport")), Qt::LeftButton);
        FileChooser::setSaveFileQuestion({});
        QCOMPARE(proposed, QDir::homePath() + "/alarmExcel.xlsx");
        if (written.isEmpty()) {
            QTRY_VERIFY(toastTexts().contains("Export failed"));
            return;
        }
        const QVector<QStringList> sheet = readSheet(dir.filePath(written));
        QVector<QStringList> expected{{"IP", "Names", "Type", "Time", "Status", "Remark"}};
        for (int r = 0; r < m_page->model()->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < 6; ++c)
                cells << m_page->model()->item(r, c)->text();
            // Trailing empty cells are not written.
            while (!cells.isEmpty() && cells.last().isEmpty())
                cells.removeLast();
            expected << cells;
        }
        QCOMPARE(sheet, expected);
        QCOMPARE(sheet.size(), itemKey == "Outdoor" ? 1 : 3);
        QVERIFY(toastTexts().isEmpty());
    }

    // A workbook is put in place whole or not at all, user-only, never
    // through a link: an export that cannot be written whole (a full disk, or
    // too little room) is said failed and leaves the folder as it was, the
    // earlier workbook of that name byte for byte.
    void exportWritesAWholePrivateWorkbook_data()
    {
        QTest::addColumn<QString>("before"); // at the chosen name: "none", "workbook" (0644) or "link"
        QTest::addColumn<int>("leave");      // bytes left free; -1 plenty
        QTest::newRow("new name") << "none" << -1;
        QTest::newRow("over a shared workbook") << "workbook" << -1;
        QTest::newRow("name is a link") << "link" << -1;
        QTest::newRow("over a workbook, disk full") << "workbook" << 0;
        QTest::newRow("over a workbook, 64 KiB free") << "workbook" << 64 * 1024;
        QTest::newRow("new name, disk full") << "none" << 0;
        QTest::newRow("new name, 64 KiB free") << "none" << 64 * 1024;
    }

    void exportWritesAWholePrivateWorkbook()
    {
        QFETCH(QString, before);
        QFETCH(int, leave);
        SmallDisk disk(QDir::current().filePath("export-%1").arg(QTest::currentDataTag()).replace(' ', '-'));
        if (!disk.mounted())
            QSKIP("no small file system can be mounted here");
        const QString name = disk.path() + "/alarms.xlsx";
        if (before == "workbook")
            QVERIFY(writeFile(name, QByteArray(40000, 'w')) && ::chmod(QFile::encodeName(name), 0644) == 0);
        if (before == "link")
            QVERIFY(writeFile(disk.path() + "/elsewhere") && QFile::link(disk.path() + "/elsewhere", name));
        const QMap<QString, QByteArray> files = fileTree(disk.path());
        tree()->reload();
        tree()->selectItem(QStringLiteral("127.143.0.9"));
        search(0, QStringLiteral("2025-01-01 00:00:00"));
        QCOMPARE(m_page->model()->rowCount(), 4);
        QVERIFY(leave < 0 || disk.fill(leave));
        closeToasts();
        FileChooser::setSaveFileQuestion(
            [&](QWidget *, const QString &, const QString &, const QString &) { return name; });
        // The log says why, in the words that fit.
        if (leave >= 0)
            QTest::ignoreMessage(QtDebugMsg,
                                 QRegularExpression(QStringLiteral("^export \".*\" \"no space left on the disk\"$")));
        const mode_t mask = ::umask(022);
        QTest::mouseClick(m_page->findChild<QPushButton *>(QStringLiteral("pushButtonExport")), Qt::LeftButton);
        ::umask(mask);
        FileChooser::setSaveFileQuestion({});
        disk.makeRoom();
        if (leave >= 0 || before == "link") {
            QTRY_VERIFY(toastTexts().contains("Export failed"));
            QCOMPARE(fileTree(disk.path()), files);
            return;
        }
        QCOMPARE(readSheet(name).size(), 5);
        struct stat st
        {
        };
        QCOMPARE(::lstat(QFile::encodeName(name).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0600);
        QVERIFY(toastTexts().isEmpty());
    }
};

QTEST_MAIN(TestAlarmRecords)
#include "tst_alarmrecords.moc"
