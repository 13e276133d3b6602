// The alarm settings page and its copy dialog, offscreen over a real database
// file, with devices registered in the registry (no network).

#include "../cms/DevicePagesTestUtil.h"
#include "../support/HeldDatabase.h"

#include "AlarmEventWidget.h"
#include "AlarmSettingsStore.h"
#include "CMoveDetectTimeline.h"
#include "DeviceAlarmHandler.h"
#include "DeviceInfoManager.h"
#include "DeviceTree.h"
#include "MsgTipInfoDlg.h"
#include "OrmCore.h"
#include "OrmHelper.h"
#include "OrmAccessQueue.h"
#include "SharedTexts.h"
#include "SignalsHelper.h"
#include "SwitchControl.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardItem>
#include <QtTest>

using namespace DevicePagesTest;
using Ranges = QVector<AlarmSettingsStore::DayRange>;

namespace {

const QString kGate = QStringLiteral("127.144.0.5");
const QString kYard = QStringLiteral("127.144.0.6");
const QString kShed = QStringLiteral("127.144.0.7");

void addDevice(const QString &ip, const QString &name)
{
    auto *dev = new FUN_DEV_INFO;
    dev->ip = ip;
    dev->name = name;
    dev->group = QStringLiteral("Outdoor");
    DeviceInfoManager::instance()->addDevInfo(dev);
}

template <class T> QList<QSharedPointer<T>> rowsUnder(const QString &devip)
{
    QList<QSharedPointer<T>> rows;
    orm::dao::fetch_by_query(OrmQuery("WHERE devip = :d").bind(":d", devip), rows);
    return rows;
}

// A device named after another one's address, a name of one device, a name
// shared by two.
const QString kShedA = QStringLiteral("127.144.0.41");
const QString kNamedAfterA = QStringLiteral("127.144.0.42");
const QString kBarn = QStringLiteral("127.144.0.43");
const QString kTwin1 = QStringLiteral("127.144.0.44");
const QString kTwin2 = QStringLiteral("127.144.0.45");
const char *const kSettingsTables[] = {"cms_DealAlarmType", "cms_DealAlarmLink", "cms_DealAlarmTime"};

struct StoredRow
{
    QString devip;
    QString text; // every column as the file holds it
};

// The settings rows read with a connection of the test's own, by "table#id".
QMap<QString, StoredRow> settingsInFile()
{
    QMap<QString, StoredRow> rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("own"));
        db.setDatabaseName(OrmDatabase::databaseName());
        if (db.open()) {
            for (const char *table : kSettingsTables) {
                QSqlQuery q(db);
                q.exec(QStringLiteral("SELECT * FROM %1 ORDER BY id").arg(QLatin1String(table)));
                while (q.next()) {
                    QStringList values;
                    for (int i = 0; i < q.record().count(); ++i)
                        values << q.value(i).toString();
                    rows.insert(QStringLiteral("%1#%2").arg(QLatin1String(table), values.first()),
                                {q.value(QStringLiteral("devip")).toString(), values.join(QLatin1Char('|'))});
                }
            }
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("own"));
    return rows;
}

// An enabled motion alarm of the device, handled by a reception of its own;
// true when it was stored.
bool alarmStoredFor(const QString &ip)
{
    FUN_DEV_INFO dev = *DeviceInfoManager::instance()->findDevInfo(ip);
    dev.sn = QStringLiteral("SN-") + ip;
    DeviceAlarmHandler reception;
    reception.updateAlarmDataBase();
    if (!QTest::qWaitFor([&reception] { return reception.settingsRead(); }, 10000))
        return false;
    reception.setCoalescing(false);
    reception.handleDeviceAlarm(QStringLiteral("<body><alarmType>0</alarmType><alarmTime><year>2026</year><month>12"
                                               "</month><day>7</day><hour>10</hour><minute>0</minute><second>0"
                                               "</second></alarmTime></body>"),
                                &dev);
    reception.shutdown();
    long n = 0;
    orm::dao::count<CustomAlarmInfo>(n, OrmQuery(QStringLiteral("WHERE handler = :sn")).bind(":sn", dev.sn));
    return n > 0;
}

void clickItem(DeviceTree *tree, const QString &key)
{
    const QModelIndex index = tree->proxyModel()->mapFromSource(tree->itemForKey(key)->index());
    tree->scrollTo(index);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(index).center());
}

} // namespace

class TestAlarmSettings : public QObject
{
    Q_OBJECT

    std::unique_ptr<AlarmEventWidget> m_page;

    template <class T> T *w(const char *name) const { return child<T>(m_page.get(), name); }
    CMoveDetectTimeline *day(const char *name) const { return w<CMoveDetectTimeline>(name); }
    void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center()); }
    // A device chosen, and its settings shown once read.
    void choose(const QString &key)
    {
        clickItem(m_page->findChild<DeviceTree *>("treeView"), key);
        QTRY_VERIFY(w<QPushButton>("pushButtonSave")->isEnabled());
    }
    static QString shownFlags(const std::unique_ptr<AlarmEventWidget> &page)
    {
        QStringList on;
        for (const char *name : {"widgetMotion", "widgetFace", "widgetVideoPopup"})
            on << QString::number(child<SwitchControl>(page.get(), name)->isChecked());
        return on.join(' ') + ' ' + child<QLineEdit>(page.get(), "lineEditPopupTime")->text();
    }

    static Ranges ranges(const CMoveDetectTimeline *timeline)
    {
        return AlarmSettingsStore::parseDayText(AlarmEventWidget::changeAlarmTime(timeline->getSegments()));
    }
    static void setRanges(CMoveDetectTimeline *timeline, const Ranges &list)
    {
        timeline->clearSegments();
        for (const auto &r : list) {
            auto s = std::make_shared<TimelineDetect>();
            s->start = timeline->dayStart() + r.first;
            s->end = timeline->dayStart() + r.second;
            timeline->addSegment(s);
        }
    }
    void expectReset()
    {
        for (const char *name : {"widgetMotion", "widgetFace", "widgetAudio", "widgetVideoPopup", "widgetAudioPrompt"})
            QVERIFY2(!w<SwitchControl>(name)->isChecked(), name);
        QCOMPARE(w<QLineEdit>("lineEditPopupTime")->text(), QStringLiteral("10"));
        QVERIFY(w<QCheckBox>("checkBoxAllWeek")->isChecked() && w<QCheckBox>("checkBoxSunday")->isChecked());
        QCOMPARE(ranges(day("widgetTimeTue")), Ranges({{0, 86399}}));
    }

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(OrmHelper::instance()->init(&error), qPrintable(error));
        addDevice(kGate, QStringLiteral("Gate"));
        addDevice(kYard, QStringLiteral("Yard"));
        addDevice(kShed, QStringLiteral("Shed"));
        addDevice(kShedA, QStringLiteral("Shed A"));
        addDevice(kNamedAfterA, kShedA);
        addDevice(kBarn, QStringLiteral("Barn"));
        addDevice(kTwin1, QStringLiteral("Twin"));
        addDevice(kTwin2, QStringLiteral("Twin"));
        m_page.reset(new AlarmEventWidget);
        m_page->resize(1104, 785);
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    }

    void init()
    {
        for (const char *table : kSettingsTables)
            orm::dao::execute_query(OrmQuery(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table))));
        m_page->findChild<DeviceTree *>("treeView")->reload();
        closeToasts();
    }

    void dayTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Ranges>("loaded");
        QTest::newRow("two ranges") << "08:00:00-12:00:00;14:00:00-18:00:00" << Ranges{{28800, 43200}, {50400, 64800}};
        QTest::newRow("trailing ;") << "08:00:00-12:00:00;" << Ranges{{28800, 43200}};
        QTest::newRow("reversed, no dash, two dashes skipped")
            << "12:00:00-08:00:00;junk;1-2-3;09:00:00-10:00:00" << Ranges{{32400, 36000}};
        QTest::newRow("unreadable piece is midnight") << "xx-01:00:00" << Ranges{{0, 3600}};
        QTest::newRow("empty day") << "" << Ranges{};
    }

    void dayTexts()
    {
        QFETCH(QString, text);
        QFETCH(Ranges, loaded);
        QCOMPARE(AlarmSettingsStore::parseDayText(text), loaded);
        QCOMPARE(AlarmSettingsStore::parseDayText(AlarmSettingsStore::dayText(loaded)), loaded);
    }

    void saveAndReload()
    {
        QSignalSpy updates(SignalsHelper::instance(), &SignalsHelper::signalUpdateAlarm);
        auto *tree = m_page->findChild<DeviceTree *>("treeView");
        choose(kGate);
        expectReset();
        click(w<SwitchControl>("widgetMotion"));
        click(w<SwitchControl>("widgetAudio"));
        w<QLineEdit>("lineEditPopupTime")->setText(QStringLiteral(" 30 "));
        setRanges(day("widgetTimeMon"), {{28800, 43200}, {50400, 64800}});
        click(w<QPushButton>("pushButtonTuesday"));
        w<QCheckBox>("checkBoxAllWeek")->click();
        w<QCheckBox>("checkBoxFriday")->click();
        QVERIFY(!w<QCheckBox>("checkBoxAllWeek")->isChecked() && !w<QCheckBox>("checkBoxMonday")->isChecked());
        for (int round = 0; round < 2; ++round) // the second save updates the same rows
            click(w<QPushButton>("pushButtonSave"));
        QTRY_COMPARE(updates.count(), 2);
        QTRY_VERIFY(toastTexts().contains("Configuration successful"));

        const auto type = rowsUnder<cms_DealAlarmType>(kGate);
        const auto link = rowsUnder<cms_DealAlarmLink>(kGate);
        const auto time = rowsUnder<cms_DealAlarmTime>(kGate);
        QCOMPARE(type.size() + link.size() + time.size(), 3);
        QVERIFY(type[0]->bMotionDetection && type[0]->bAudioNoise && !type[0]->bFaceDetection);
        QCOMPARE(link[0]->popupTime, QStringLiteral("30"));
        QCOMPARE(time[0]->timeMon, QStringLiteral("08:00:00-12:00:00;14:00:00-18:00:00"));
        QCOMPARE(time[0]->timeTue, QString(""));
        QCOMPARE(time[0]->timeWed, QStringLiteral("00:00:00-23:59:59"));
        QVERIFY(!time[0]->bALL && !time[0]->bMon && time[0]->bFri);

        choose(kYard);
        expectReset();
        choose(kGate);
        QVERIFY(w<SwitchControl>("widgetMotion")->isChecked() && w<SwitchControl>("widgetAudio")->isChecked());
        QCOMPARE(w<QLineEdit>("lineEditPopupTime")->text(), QStringLiteral("30"));
        QCOMPARE(ranges(day("widgetTimeMon")), Ranges({{28800, 43200}, {50400, 64800}}));
        QCOMPARE(ranges(day("widgetTimeTue")), Ranges());
        QVERIFY(!w<QCheckBox>("checkBoxAllWeek")->isChecked() && w<QCheckBox>("checkBoxFriday")->isChecked());

        // A group resets the page, and Save then writes and tells nothing.
        clickItem(tree, QStringLiteral("Outdoor"));
        expectReset();
        click(w<QPushButton>("pushButtonSave"));
        QCOMPARE(updates.count(), 2);
        QVERIFY(rowsUnder<cms_DealAlarmType>(QStringLiteral("Outdoor")).isEmpty());
    }

    // The shown durations take whole seconds from 1 to a day, typed; anything
    // else is refused before a row is written, and the field keeps the text.
    void durationsAreChecked_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored"); // empty: refused
        const QString popup = "lineEditPopupTime", recording = "lineEditRecordingTime";
        QTest::newRow("letters") << popup << "abc"
                                 << "";
        QTest::newRow("nothing") << popup << ""
                                 << "";
        QTest::newRow("eleven digits") << popup << "12345678901"
                                       << "";
        QTest::newRow("zero") << popup << "0"
                              << "";
        QTest::newRow("negative") << popup << "-5"
                                  << "";
        QTest::newRow("fraction") << popup << "2.5"
                                  << "";
        QTest::newRow("over a day") << popup << "86401"
                                    << "";
        QTest::newRow("one second") << popup << "1"
                                    << "1";
        QTest::newRow("a day, spaces around") << popup << " 86400 "
                                              << "86400";
        QTest::newRow("recording letters") << recording << "abc"
                                           << "";
        QTest::newRow("recording eleven digits") << recording << "99999999999"
                                                 << "";
        QTest::newRow("recording a minute") << recording << "60"
                                            << "60";
    }

    void durationsAreChecked()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QSignalSpy updates(SignalsHelper::instance(), &SignalsHelper::signalUpdateAlarm);
        choose(kGate);
        auto *edit = w<QLineEdit>(qPrintable(field));
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), typed);
        click(w<QPushButton>("pushButtonSave"));
        if (stored.isEmpty()) {
            const auto links = rowsUnder<cms_DealAlarmLink>(kGate);
            QTRY_VERIFY(toastTexts().contains("Invalid format"));
            QVERIFY(!toastTexts().contains("Configuration successful"));
            QCOMPARE(updates.count(), 0);
            QVERIFY(links.isEmpty() && rowsUnder<cms_DealAlarmType>(kGate).isEmpty());
            QCOMPARE(edit->text(), typed);
        } else {
            QTRY_VERIFY(toastTexts().contains("Configuration successful"));
            QTRY_COMPARE(updates.count(), 1);
            const auto links = rowsUnder<cms_DealAlarmLink>(kGate);
            QCOMPARE(links.size(), 1);
            QCOMPARE(field == "lineEditPopupTime" ? links[0]->popupTime : links[0]->recordingTime, stored);
        }
    }

    // The page filling its screen: the toast of a save rests clear of Save,
    // so the next click on it is the button's.
    void saveToastLeavesSaveFree()
    {
        const QRect area = m_page->screen()->availableGeometry();
        const QRect before = m_page->geometry();
        m_page->setGeometry(area);
        choose(kGate);
        auto *save = w<QPushButton>("pushButtonSave");
        // Scrolled down to it, as the operator does on a small screen.
        w<QScrollArea>("scrollArea")->ensureWidgetVisible(save);
        QTRY_VERIFY(save->isVisible() && save->visibleRegion().boundingRect() == save->rect());
        click(save);
        QTRY_VERIFY(toastTexts().contains("Configuration successful"));
        const QRect saveRect(save->mapToGlobal(QPoint(0, 0)), save->size());
        for (QWidget *top : QApplication::topLevelWidgets()) {
            auto *toast = qobject_cast<MsgTipInfoDlg *>(top);
            if (!toast)
                continue;
            QTRY_COMPARE_WITH_TIMEOUT(toast->pos(), toast->endPosition(), 2000);
            // Its usual corner would have covered the button.
            QVERIFY(QRect(MsgTipInfoDlg::restingPlace(area, toast->size(), {}), toast->size()).intersects(saveRect));
            QVERIFY(!toast->frameGeometry().intersects(saveRect));
            QVERIFY(toast->windowFlags() & Qt::WindowTransparentForInput);
        }
        m_page->setGeometry(before);
    }

    // A copy of the linkage carries the durations: refused like a save.
    void copyWithWrongDurationIsRefused()
    {
        QSignalSpy updates(SignalsHelper::instance(), &SignalsHelper::signalUpdateAlarm);
        choose(kGate);
        w<QLineEdit>("lineEditRecordingTime")->setText("abc");
        onModal<CopyAlarmEvent>([](CopyAlarmEvent *dlg) {
            dlg->tree()->selectItem(kShed);
            dlg->findChild<QCheckBox *>("checkBoxLinkage")->setChecked(true);
            QTest::mouseClick(dlg->findChild<QPushButton *>("pushButtonSave"), Qt::LeftButton);
        });
        click(w<QPushButton>("pushButtonCopy"));
        QTRY_VERIFY(toastTexts().contains("Invalid format"));
        QCOMPARE(updates.count(), 0);
        QVERIFY(rowsUnder<cms_DealAlarmLink>(kShed).isEmpty());
        m_page->copyDialog()->findChild<QCheckBox *>("checkBoxLinkage")->setChecked(false);
    }

    // A device's settings are found under its own address only. Rows under a
    // name go to the one device of that name at start, never to a device
    // merely named after another one's address, and no Save of another
    // device moves them.
    void settingsFoundByOwnKeyOnly_data()
    {
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QString>("shown");            // motion, face, pop-up duration
        QTest::addColumn<QStringList>("added");        // by the untouched Save: table#devip
        QTest::addColumn<QStringList>("alarmsStored"); // devices whose motion alarm is kept
        const QStringList all = {"cms_DealAlarmType#", "cms_DealAlarmLink#", "cms_DealAlarmTime#"};
        QStringList newForB;
        for (const QString &t : all)
            newForB << t + kNamedAfterA;
        QTest::newRow("named after A's address") << kNamedAfterA << "0 0 10" << newForB << QStringList{kShedA};
        QTest::newRow("A itself") << kShedA << "1 0 33" << QStringList() << QStringList{kShedA};
        QTest::newRow("taken over by name at start")
            << kBarn << "0 1 10" << QStringList{all[1] + kBarn, all[2] + kBarn} << QStringList{kShedA};
        QTest::newRow("name of two devices")
            << kTwin1 << "0 0 10" << newForB.replaceInStrings(kNamedAfterA, kTwin1) << QStringList{kShedA};
    }

    void settingsFoundByOwnKeyOnly()
    {
        QFETCH(QString, clicked);
        QFETCH(QString, shown);
        QFETCH(QStringList, added);
        QFETCH(QStringList, alarmsStored);
        OrmDatabase::exec(QStringLiteral("DELETE FROM CustomAlarmInfo"), {}, {});
        cms_DealAlarmType typeA;
        typeA.devip = kShedA;
        typeA.bMotionDetection = true;
        cms_DealAlarmLink linkA;
        linkA.devip = kShedA;
        linkA.popupTime = "33";
        cms_DealAlarmTime timeA;
        timeA.devip = kShedA;
        for (QString *day : {&timeA.timeMon, &timeA.timeTue, &timeA.timeWed, &timeA.timeThu, &timeA.timeFri,
                             &timeA.timeSat, &timeA.timeSun})
            *day = "00:00:00-23:59:59";
        timeA.bALL = timeA.bMon = timeA.bTue = timeA.bWed = timeA.bThu = timeA.bFri = timeA.bSat = timeA.bSun = true;
        cms_DealAlarmType barn;
        barn.devip = "Barn";
        barn.devsn = "SN-BARN";
        barn.remark = "kept";
        barn.bFaceDetection = true;
        cms_DealAlarmType twin;
        twin.devip = "Twin";
        twin.bMotionDetection = true;
        QVERIFY(orm::dao::insert(typeA).text().isEmpty() && orm::dao::insert(linkA).text().isEmpty()
                && orm::dao::insert(timeA).text().isEmpty() && orm::dao::insert(barn).text().isEmpty()
                && orm::dao::insert(twin).text().isEmpty());
        const QMap<QString, StoredRow> before = settingsInFile();
        {
            DeviceAlarmHandler start; // the client's first load after login
            start.updateAlarmDataBase();
            QTRY_VERIFY(start.settingsRead());
        }
        const QMap<QString, StoredRow> atStart = settingsInFile();
        QCOMPARE(atStart.keys(), before.keys());
        for (auto it = atStart.cbegin(); it != atStart.cend(); ++it) {
            const StoredRow &was = before.value(it.key());
            // Only Barn's row changes at start, and only its key.
            const bool barnRow = was.devip == QLatin1String("Barn");
            QCOMPARE(it->devip, barnRow ? kBarn : was.devip);
            QCOMPARE(it->text, barnRow ? QString(was.text).replace("|Barn|", "|" + kBarn + "|") : was.text);
        }

        choose(clicked);
        QCOMPARE(QStringList({QString::number(w<SwitchControl>("widgetMotion")->isChecked()),
                              QString::number(w<SwitchControl>("widgetFace")->isChecked()),
                              w<QLineEdit>("lineEditPopupTime")->text()})
                     .join(' '),
                 shown);
        click(w<QPushButton>("pushButtonSave"));
        QTRY_VERIFY(toastTexts().contains("Configuration successful"));

        // An untouched Save changes no stored byte and adds only the rows the
        // device lacked, under its own address.
        const QMap<QString, StoredRow> after = settingsInFile();
        QStringList newRows;
        for (auto it = after.cbegin(); it != after.cend(); ++it) {
            if (atStart.contains(it.key()))
                QCOMPARE(it->text, atStart.value(it.key()).text);
            else
                newRows << it.key().section('#', 0, 0) + '#' + it->devip;
        }
        QCOMPARE(after.size(), atStart.size() + newRows.size());
        added.sort();
        QCOMPARE(newRows, added);

        QStringList kept;
        for (const QString &ip : {kShedA, kNamedAfterA, kBarn, kTwin1, kTwin2}) {
            if (alarmStoredFor(ip))
                kept << ip;
        }
        QCOMPARE(kept, alarmsStored);
    }

    // Rows stored under the device's name are taken over at start, load, keep
    // what the page does not show, and stay with the next save.
    void storedRowsKept()
    {
        cms_DealAlarmType type;
        type.devip = "Yard";
        type.devsn = "SN-Y";
        type.remark = "kept";
        type.bIllegalAccess = true;
        type.bFaceDetection = true;
        cms_DealAlarmLink link;
        link.devip = "Yard";
        link.bAudioPrompt = true;
        link.customAudio = "/sounds/bell.wav";
        orm::dao::insert(type);
        orm::dao::insert(link);
        DeviceAlarmHandler start;
        start.updateAlarmDataBase();
        QTRY_VERIFY(start.settingsRead());
        choose(kYard);
        QVERIFY(w<SwitchControl>("widgetFace")->isChecked());
        click(w<QPushButton>("pushButtonSave"));
        QTRY_VERIFY(toastTexts().contains("Configuration successful"));

        const auto types = rowsUnder<cms_DealAlarmType>(kYard);
        const auto links = rowsUnder<cms_DealAlarmLink>(kYard);
        QCOMPARE(types.size(), 1);
        QCOMPARE(types[0]->id, type.id);
        QCOMPARE(types[0]->devsn + types[0]->remark, QStringLiteral("SN-Ykept"));
        QVERIFY(types[0]->bIllegalAccess && types[0]->bFaceDetection);
        QVERIFY(links[0]->bAudioPrompt);
        QCOMPARE(links[0]->customAudio, QStringLiteral("/sounds/bell.wav"));
        QVERIFY(rowsUnder<cms_DealAlarmType>("Yard").isEmpty());
    }

    // A Save while another program holds the database: the click returns at
    // once, the page says it waits, nothing is said saved before it is, and
    // the rows the page read are updated, not joined by new ones. Held past
    // the give-up, the page shows what the database holds.
    void saveWaitsForHeldDatabase_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("letGo"); // while the Save waits
        QTest::newRow("exclusive") << int(HeldDatabase::Kind::Exclusive) << true;
        QTest::newRow("write") << int(HeldDatabase::Kind::Write) << true;
        QTest::newRow("write, held past the give-up") << int(HeldDatabase::Kind::Write) << false;
    }

    void saveWaitsForHeldDatabase()
    {
        QFETCH(int, kind);
        QFETCH(bool, letGo);
        cms_DealAlarmType type;
        type.devip = kGate;
        type.devsn = "SN-G";
        type.bFaceDetection = true;
        cms_DealAlarmLink link;
        link.devip = kGate;
        link.popupTime = "21";
        QVERIFY(orm::dao::insert(type).text().isEmpty() && orm::dao::insert(link).text().isEmpty());
        if (HeldDatabase::Kind(kind) == HeldDatabase::Kind::Exclusive) {
            // Chosen while held: the page waits with words, offering no Save
            // of what it has not read.
            HeldDatabase held;
            clickItem(m_page->findChild<DeviceTree *>("treeView"), kGate);
            QTRY_VERIFY(toastTexts().contains(SharedTexts::readWaitingText()));
            QVERIFY(!w<QPushButton>("pushButtonSave")->isEnabled());
            held.letGo();
            QTRY_VERIFY(w<QPushButton>("pushButtonSave")->isEnabled());
        }
        closeToasts();
        choose(kGate);
        QCOMPARE(shownFlags(m_page), QStringLiteral("0 1 0 21"));
        click(w<SwitchControl>("widgetMotion"));
        QSignalSpy updates(SignalsHelper::instance(), &SignalsHelper::signalUpdateAlarm);
        {
            HeldDatabase held{HeldDatabase::Kind(kind)};
            QVERIFY(held.isHeld());
            click(w<QPushButton>("pushButtonSave"));
            QTRY_VERIFY(toastTexts().contains(SharedTexts::waitingText()));
            QVERIFY(!toastTexts().contains("Configuration successful"));
            QCOMPARE(updates.count(), 0);
            if (!letGo)
                QTRY_VERIFY_WITH_TIMEOUT(toastTexts().contains(SharedTexts::heldText()), OrmAccessQueue::GiveUpMs * 2);
        }
        if (!letGo) {
            QCOMPARE(shownFlags(m_page), QStringLiteral("0 1 0 21"));
            QVERIFY(!rowsUnder<cms_DealAlarmType>(kGate).value(0)->bMotionDetection);
            return;
        }
        QTRY_VERIFY(toastTexts().contains("Configuration successful"));
        QTRY_COMPARE(updates.count(), 1);
        const auto types = rowsUnder<cms_DealAlarmType>(kGate);
        const auto links = rowsUnder<cms_DealAlarmLink>(kGate);
        QCOMPARE(types.size(), 1);
        QCOMPARE(links.size(), 1);
        QCOMPARE(rowsUnder<cms_DealAlarmTime>(kGate).size(), 1);
        QCOMPARE(types[0]->id, type.id);
        QCOMPARE(links[0]->id, link.id);
        QCOMPARE(types[0]->devsn, QStringLiteral("SN-G"));
        QVERIFY(types[0]->bMotionDetection && types[0]->bFaceDetection);

        // Shown again as the file holds it.
        choose(kYard);
        QCOMPARE(shownFlags(m_page), QStringLiteral("0 0 0 10"));
        choose(kGate);
        QCOMPARE(shownFlags(m_page), QStringLiteral("1 1 0 21"));
    }

    void choosingADeviceMovesNothing_data()
    {
        QTest::addColumn<bool>("held");
        QTest::newRow("settings read") << false;
        QTest::newRow("settings not read: the database held past the wait") << true;
    }

    // The words above the settings (choose a device; its settings could not
    // be read) keep their room whether they show or not, and whatever they
    // say: nothing on the page moves when a device is chosen.
    void choosingADeviceMovesNothing()
    {
        QFETCH(bool, held);
        AlarmEventWidget page;
        page.resize(1016, 600);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        auto *hint = child<QLabel>(&page, "labelChooseDevice");
        QCOMPARE(hint->text(), AlarmEventWidget::chooseDeviceText());
        QVERIFY(hint->isVisible());
        const auto places = [&page] {
            QMap<QWidget *, QRect> at;
            for (QWidget *w : page.findChildren<QWidget *>()) {
                if (w->isVisibleTo(&page))
                    at.insert(w, QRect(w->mapTo(&page, QPoint(0, 0)), w->size()));
            }
            return at;
        };
        const QMap<QWidget *, QRect> before = places();
        std::unique_ptr<HeldDatabase> holder(held ? new HeldDatabase : nullptr);
        clickItem(page.findChild<DeviceTree *>("treeView"), kGate);
        if (held)
            QTRY_VERIFY_WITH_TIMEOUT(hint->isVisible() && hint->text() != AlarmEventWidget::chooseDeviceText(),
                                     OrmAccessQueue::GiveUpMs + 10000);
        else
            QTRY_VERIFY(child<QPushButton>(&page, "pushButtonSave")->isEnabled() && !hint->isVisible());
        holder.reset();
        QCoreApplication::sendPostedEvents();
        const QMap<QWidget *, QRect> after = places();
        QStringList moved;
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            if (after.contains(it.key()) && after.value(it.key()) != it.value())
                moved << it.key()->objectName();
        }
        QVERIFY2(moved.isEmpty(), qPrintable(moved.join(QStringLiteral(", "))));
        closeToasts();
    }

    // Rows an earlier version stored beside one another for one camera: the
    // start-up keeps the one the alarms followed, and the page shows it.
    void severalRowsOfOneDeviceHealedAtStart()
    {
        OrmDatabase::exec(QStringLiteral("DELETE FROM CustomAlarmInfo"), {}, {});
        for (int i = 0; i < 3; ++i) {
            cms_DealAlarmType type;
            type.devip = kYard;
            type.bMotionDetection = i == 0; // the page of earlier versions showed the first
            type.bFaceDetection = i == 2;
            cms_DealAlarmLink link;
            link.devip = kYard;
            link.popupTime = QString::number(11 + i);
            cms_DealAlarmTime time;
            time.devip = kYard;
            for (QString *day : {&time.timeMon, &time.timeTue, &time.timeWed, &time.timeThu, &time.timeFri,
                                 &time.timeSat, &time.timeSun})
                *day = "00:00:00-23:59:59";
            time.bALL = time.bMon = time.bTue = time.bWed = time.bThu = time.bFri = time.bSat = time.bSun = true;
            QVERIFY(orm::dao::insert(type).text().isEmpty() && orm::dao::insert(link).text().isEmpty()
                    && orm::dao::insert(time).text().isEmpty());
        }
        cms_DealAlarmType other; // another device's row, and one under no key
        other.devip = kShed;
        cms_DealAlarmType unkeyed;
        QVERIFY(orm::dao::insert(other).text().isEmpty() && orm::dao::insert(unkeyed).text().isEmpty());
        const QMap<QString, StoredRow> before = settingsInFile();
        // The alarms follow the last row: no motion alarm is kept.
        QVERIFY(!alarmStoredFor(kYard));

        OrmHelper::resetForTesting();
        QString error;
        QVERIFY2(OrmHelper::instance()->init(&error), qPrintable(error));

        const QMap<QString, StoredRow> after = settingsInFile();
        QStringList gone;
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            if (!after.contains(it.key()))
                gone << it.key().section('#', 0, 0);
            else
                QCOMPARE(after.value(it.key()).text, it->text);
        }
        QCOMPARE(gone, QStringList({"cms_DealAlarmLink", "cms_DealAlarmLink", "cms_DealAlarmTime", "cms_DealAlarmTime",
                                    "cms_DealAlarmType", "cms_DealAlarmType"}));
        QCOMPARE(rowsUnder<cms_DealAlarmLink>(kYard).value(0)->popupTime, QStringLiteral("13"));

        choose(kYard);
        QCOMPARE(shownFlags(m_page), QStringLiteral("0 1 0 13"));
        QVERIFY(!alarmStoredFor(kYard));
        // Turned on by the page, followed by the alarms.
        click(w<SwitchControl>("widgetMotion"));
        click(w<QPushButton>("pushButtonSave"));
        QTRY_VERIFY(toastTexts().contains("Configuration successful"));
        QCOMPARE(rowsUnder<cms_DealAlarmType>(kYard).size(), 1);
        QVERIFY(alarmStoredFor(kYard));
    }

    void failedSaveIsShown()
    {
        QSignalSpy updates(SignalsHelper::instance(), &SignalsHelper::signalUpdateAlarm);
        choose(kGate);
        OrmDatabase::setFailingStatementForTesting(QStringLiteral("cms_DealAlarmTime"));
        click(w<QPushButton>("pushButtonSave"));
        QTRY_VERIFY(toastTexts().contains("Configuration failed"));
        OrmDatabase::setFailingStatementForTesting(QString());
        QCOMPARE(updates.count(), 1);
    }

    // A copy writes the page's current, unsaved values for the chosen parts.
    void copy()
    {
        QSignalSpy updates(SignalsHelper::instance(), &SignalsHelper::signalUpdateAlarm);
        choose(kGate);
        click(w<SwitchControl>("widgetFace"));
        setRanges(day("widgetTimeSun"), {{3600, 7200}});
        QStringList boxesOnOpening;
        for (const QString &target : {kShed, QStringLiteral("Outdoor")}) {
            onModal<CopyAlarmEvent>([&, target](CopyAlarmEvent *dlg) {
                boxesOnOpening << QString::number(dlg->findChild<QCheckBox *>("checkBoxType")->isChecked());
                dlg->tree()->selectItem(target);
                if (target == kShed) {
                    dlg->findChild<QCheckBox *>("checkBoxType")->setChecked(true);
                    dlg->findChild<QCheckBox *>("checkBoxArming")->setChecked(true);
                }
                QTest::mouseClick(dlg->findChild<QPushButton *>("pushButtonSave"), Qt::LeftButton);
            });
            click(w<QPushButton>("pushButtonCopy"));
        }
        QCOMPARE(boxesOnOpening, QStringList({"0", "1"}));
        QTRY_COMPARE(updates.count(), 1);
        const auto types = rowsUnder<cms_DealAlarmType>(kShed);
        const auto times = rowsUnder<cms_DealAlarmTime>(kShed);
        QCOMPARE(types.size() + times.size(), 2);
        QVERIFY(types[0]->bFaceDetection);
        QCOMPARE(times[0]->timeSun, QStringLiteral("01:00:00-02:00:00"));
        QVERIFY(rowsUnder<cms_DealAlarmLink>(kShed).isEmpty());
        QVERIFY(rowsUnder<cms_DealAlarmType>(kGate).isEmpty()); // nothing saved for the page's own device
        QVERIFY(rowsUnder<cms_DealAlarmType>(QStringLiteral("Outdoor")).isEmpty());
    }
};

QTEST_MAIN(TestAlarmSettings)
#include "tst_alarmsettings.moc"
