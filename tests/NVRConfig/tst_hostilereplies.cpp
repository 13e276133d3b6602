// Every page of both configuration windows, and the user and channel
// dialogs, against a simulated camera and NVR on loopback that answer their
// reads with hostile replies: nested past the reader's bound, cut off,
// garbage, results that are not 0, numbers at the ends of int, a set reply
// nobody asked for, a header that lies about its length. Nothing crashes
// (sanitizer build), a page keeps what it showed, the NVR window and dialogs
// and the camera window say a read failed (the camera window marks the page),
// the camera's user dialog keeps quiet, and the next read is delivered and
// shows the device again.

#include "CNVRChannelManageDlg.h"
#include "CNVRConfigSetting.h"
#include "CNVRUserManageDlg.h"
#include "CUserManageDlg.h"
#include "DeviceInfoManager.h"
#include "DevicePagesTestUtil.h"
#include "KelvoSDKHelper.h"
#include "PrivateProto.h"
#include "RemoteCfg_Widget.h"
#include "RemoteConfigSetting.h"
#include "SharedTexts.h"
#include "SimDevice.h"
#include "SimHostile.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItem>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace DevicePagesTest;

namespace {

// How a round of reads is answered: a rewrite of every read reply, a set
// reply pushed unasked, or a frame header announcing 8 MB in front of them.
enum Kind { Rewrite, OutOfTheBlue, LyingHeader };

struct Surface
{
    QString name;
    bool nvr = false;
    int page = 0;          // camera page id
    QString button;        // NVR window button, or "users", "channels"
    QList<unsigned> reads; // what one visit asks
    unsigned set = 0;      // a set reply it could get
};

QList<Surface> surfaces()
{
    return {
        {"video encode", false, 10002, {}, {15001, 10002}, 10003},
        {"osd", false, 10004, {}, {10004, 10012, 35008}, 10005},
        {"audio", false, 10008, {}, {15002, 10008}, 10009},
        {"image", false, 11000, {}, {11001, 11014}, 11003},
        {"motion", false, 12002, {}, {12002}, 12003},
        {"human figure", false, 12004, {}, {12004, 35010}, 12005},
        {"sound", false, 12006, {}, {12006}, 12007},
        {"face", false, 12008, {}, {12008}, 12009},
        {"crying", false, 12010, {}, {12010}, 12011},
        {"tcp/ip", false, 13002, {}, {13002}, 13003},
        {"port", false, 13004, {}, {13004}, 13005},
        {"platform", false, 13008, {}, {13008}, 13009},
        {"device settings", false, 14001, {}, {15004, 14003}, 14005},
        {"maintenance", false, 14008, {}, {13014}, 14008},
        {"camera users", false, 0, "users", {14013}, 14018},
        {"nvr basic", true, 0, "pushButtonBasicInfo", {14001}, 14005},
        {"nvr date", true, 0, "pushButtonDatetime", {14006}, 14007},
        {"nvr network", true, 0, "pushButtonInternet", {13001}, 13003},
        {"nvr version", true, 0, "pushButtonVersion", {14002}, 14009},
        {"nvr plan", true, 0, "pushButtonPlan", {14104}, 14105},
        {"nvr disks", true, 0, "pushButtonDisk", {14100, 14102}, 14103},
        {"nvr users", true, 0, "users", {14013}, 14014},
        {"nvr channels", true, 0, "channels", {14203}, 14204},
    };
}

// What the operator sees of a page: texts, choices, ticks, numbers, rows.
// Date and time editors tick by themselves and are left out.
QStringList snapshot(QWidget *root)
{
    QStringList out;
    for (QWidget *w : root->findChildren<QWidget *>()) {
        const QString name = w->objectName();
        // The way back offered beside a failed read is no value of the page,
        // nor is a scroll bar, which comes and goes with the room the words take.
        if (!w->isVisibleTo(root) || name == QLatin1String("pushButtonReconnect") || qobject_cast<QScrollBar *>(w))
            continue;
        if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            if (!qobject_cast<QAbstractSpinBox *>(w->parentWidget()))
                out << name + "=" + edit->text();
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            out << name + "=" + combo->currentText() + "/" + QString::number(combo->count());
        } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            out << name + (button->isChecked() ? "+" : "-");
        } else if (auto *slider = qobject_cast<QAbstractSlider *>(w)) {
            out << name + "=" + QString::number(slider->value());
        } else if (auto *table = qobject_cast<QTableWidget *>(w)) {
            out << name + "#" + QString::number(table->rowCount());
            for (int r = 0; r < table->rowCount(); ++r)
                for (int c = 0; c < table->columnCount(); ++c)
                    out << (table->item(r, c) ? table->item(r, c)->text() : QString());
        }
    }
    return out;
}

// What differs between two snapshots, for a failure's message.
QString difference(const QStringList &now, const QStringList &before)
{
    QStringList gone = before, came = now;
    for (const QString &v : now)
        gone.removeOne(v);
    for (const QString &v : before)
        came.removeOne(v);
    return QStringLiteral("gone: %1; came: %2").arg(gone.join(QLatin1Char(' ')), came.join(QLatin1Char(' ')));
}

} // namespace

Q_DECLARE_METATYPE(SimHostile::ReplyFault)
Q_DECLARE_METATYPE(Surface)

class TestHostileReplies : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimDevice> m_cam, m_nvr;
    FUN_DEV_INFO *m_camRecord = nullptr;
    FUN_DEV_INFO *m_nvrRecord = nullptr;
    // The surface of the previous row stays open for the next one.
    QString m_openSurface;
    std::unique_ptr<QWidget> m_open;
    QWidget *m_root = nullptr;
    ConfigConversation *m_conversation = nullptr;

    FUN_DEV_INFO *addRecord(SimDevice &sim, int type, const QString &caps)
    {
        auto *dev = new FUN_DEV_INFO;
        dev->devType = type;
        dev->ip = sim.address().toString();
        dev->sn = dev->ip;
        dev->devPort = sim.port();
        dev->rtspPort = 1;
        dev->loginStatus = 1;
        dev->channelNum = type == 1 ? 4 : 0;
        dev->capList = caps;
        dev->cpu = QStringLiteral("SSC335");
        DeviceInfoManager::instance()->addDevInfo(dev);
        KelvoSDKHelper::instance()->connectDev(toLoginDev(dev));
        return dev;
    }

    template <class T, class R> void make(R (T::*setup)(FUN_DEV_INFO *), FUN_DEV_INFO *record)
    {
        auto *w = new T;
        m_open.reset(w);
        (w->*setup)(record);
    }

    // Opens the surface, or keeps it open from the previous row, and waits
    // until what opening it asked is answered.
    bool open(const Surface &s)
    {
        if (m_openSurface == s.name)
            return true;
        m_open.reset();
        m_openSurface = s.name;
        FUN_DEV_INFO *record = s.nvr ? m_nvrRecord : m_camRecord;
        if (s.button == QLatin1String("users"))
            s.nvr ? make(&CNVRUserManageDlg::updateDevice, record) : make(&CUserManageDlg::updateDevice, record);
        else if (s.button == QLatin1String("channels"))
            make(&CNVRChannelManageDlg::setDevInfo, record);
        else
            s.nvr ? make(&CNVRConfigSetting::setDevInfo, record) : make(&RemoteConfigSetting::setDevInfo, record);
        static_cast<QDialog *>(m_open.get())->setModal(false);
        m_open->show();
        m_conversation = m_open->findChild<ConfigConversation *>();
        m_root = s.page ? static_cast<RemoteConfigSetting *>(m_open.get())->page(s.page)
                 : s.nvr && s.button.startsWith(QLatin1String("pushButton"))
                     ? m_open->findChild<QWidget *>(QStringLiteral("stackedWidget"))
                     : m_open.get();
        return m_conversation && m_root && waitFor([this] { return m_conversation->waiting() == 0; });
    }

    void ask(const Surface &s)
    {
        if (s.button == QLatin1String("users") && !s.nvr)
            static_cast<CUserManageDlg *>(m_open.get())->getUsers();
        else if (s.button == QLatin1String("users"))
            static_cast<CNVRUserManageDlg *>(m_open.get())->getUsers();
        else if (s.button == QLatin1String("channels"))
            static_cast<CNVRChannelManageDlg *>(m_open.get())->on_pushButtonRefresh_clicked();
        else if (s.nvr)
            m_open->findChild<QPushButton *>(s.button)->click();
        else
            static_cast<RemoteConfigSetting *>(m_open.get())
                ->onTreeViewTreeClicked(static_cast<RemoteConfigSetting *>(m_open.get())->pageItem(s.page)->index());
    }

    // Asks the surface's reads once and waits until every request is
    // answered; allOk tells whether every answer was whole and successful.
    bool readRound(const Surface &s, bool *allOk)
    {
        if (!open(s))
            return false;
        QList<unsigned> answered;
        bool ok = true;
        connect(m_conversation, &ConfigConversation::replied, this, [&](QObject *, const ConfigReply &reply) {
            answered << unsigned(reply.cmd);
            ok = ok && reply.ok();
        });
        ask(s);
        const bool done = waitFor([&] {
            for (unsigned cmd : s.reads)
                if (!answered.contains(cmd))
                    return false;
            return m_conversation->waiting() == 0;
        });
        disconnect(m_conversation, &ConfigConversation::replied, this, nullptr);
        *allOk = ok;
        return done;
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(Resources);
        registerKelvoMetaTypes();
        SdkTimings t = KelvoSDKHelper::instance()->timings();
        t.replyTimeoutMs = 400; // a lying header is given up after 300 ms
        t.heartbeatIntervalMs = 600000;
        KelvoSDKHelper::instance()->setTimings(t);
        RemoteConfigSetting::setRestartDelayMs(600000);
        CNVRChannelManageDlg::setTimerLengths(10, 100, 100);
        m_cam = std::make_unique<SimDevice>(SimDevice::Ipc);
        m_nvr = std::make_unique<SimDevice>(SimDevice::Nvr);
        QVERIFY(m_cam->listen(QHostAddress(QStringLiteral("127.47.0.1"))));
        QVERIFY(m_nvr->listen(QHostAddress(QStringLiteral("127.47.0.2"))));
        m_camRecord = addRecord(*m_cam, 0, QStringLiteral("+audio+audioDecode+MD+OSD+PTZ+PD+voice+FD+BCD"));
        m_nvrRecord = addRecord(*m_nvr, 1, QStringLiteral("+NVR"));
        QTRY_VERIFY_WITH_TIMEOUT(KelvoSDKHelper::instance()->isConnected(toLoginDev(m_camRecord))
                                     && KelvoSDKHelper::instance()->isConnected(toLoginDev(m_nvrRecord)),
                                 10000);
    }

    void cleanup()
    {
        m_cam->clearReplyRewrites();
        m_nvr->clearReplyRewrites();
        closeToasts();
    }

    void cleanupTestCase()
    {
        m_open.reset();
        KelvoSDKHelper::instance()->logoutDev(toLoginDev(m_camRecord));
        KelvoSDKHelper::instance()->logoutDev(toLoginDev(m_nvrRecord));
    }

    void hostileReads_data()
    {
        QTest::addColumn<Surface>("surface");
        QTest::addColumn<int>("kind");
        QTest::addColumn<SimHostile::ReplyFault>("fault");
        const QList<QPair<QString, SimHostile::ReplyFault>> faults{
            {"nested 70", SimHostile::Nested70},
            {"nested 40000", SimHostile::Nested40000},
            {"cut off", SimHostile::CutOff},
            {"garbage", SimHostile::Garbage},
            {"result fail", SimHostile::ResultFail},
            {"result empty", SimHostile::ResultEmpty},
            {"result absent", SimHostile::ResultAbsent},
            {"result 0x5", SimHostile::ResultHex},
            {"INT_MIN", SimHostile::NumbersMin},
            {"INT_MAX", SimHostile::NumbersMax},
            {"cut short", SimHostile::CutShort},
        };
        for (const Surface &s : surfaces()) {
            for (const auto &f : faults)
                QTest::newRow(qPrintable(s.name + ": " + f.first)) << s << int(Rewrite) << f.second;
            QTest::newRow(qPrintable(s.name + ": set reply out of the blue"))
                << s << int(OutOfTheBlue) << SimHostile::ResultFail;
            QTest::newRow(qPrintable(s.name + ": lying header")) << s << int(LyingHeader) << SimHostile::ResultFail;
        }
    }

    void hostileReads()
    {
        QFETCH(Surface, surface);
        QFETCH(int, kind);
        QFETCH(SimHostile::ReplyFault, fault);
        SimDevice &sim = surface.nvr ? *m_nvr : *m_cam;
        bool ok = false;
        QVERIFY(readRound(surface, &ok));
        QVERIFY(ok);
        const QStringList shown = snapshot(m_root);
        closeToasts();

        const bool numbers = kind == Rewrite && (fault == SimHostile::NumbersMin || fault == SimHostile::NumbersMax);
        if (kind == OutOfTheBlue) {
            QList<int> heard;
            connect(m_conversation, &ConfigConversation::unrequested, this,
                    [&heard](const ConfigReply &r) { heard << r.cmd; });
            sim.pushMessage(surface.set, QString(), 0);
            sim.pushMessage(surface.set, QString(), 8);
            QTRY_COMPARE_WITH_TIMEOUT(heard.count(int(surface.set)), 2, 10000);
            disconnect(m_conversation, &ConfigConversation::unrequested, this, nullptr);
        } else {
            if (kind == LyingHeader)
                sim.pushRaw(PrivateProto::frameHeader(PrivateProto::MaxFrameLength) + QByteArray(64, 'x'));
            for (unsigned cmd : surface.reads)
                if (kind == Rewrite)
                    sim.setReplyRewrite(cmd, SimHostile::rewrite(fault));
            QVERIFY(readRound(surface, &ok));
            // Only a read that came whole and succeeded counts as one.
            QCOMPARE(ok, kind == LyingHeader || numbers);
            sim.clearReplyRewrites();
        }
        if (!numbers) {
            const QStringList now = snapshot(m_root);
            QVERIFY2(now == shown, qPrintable(difference(now, shown)));
        }
        QStringList toasts = toastTexts();
        toasts.removeDuplicates();
        // The camera window marks the page too, as its Save would write what it
        // shows; its maintenance page reads only for a question and keeps quiet.
        const bool camWindow = !surface.nvr && surface.page != 0 && surface.page != 14008;
        const bool toldFailed = (surface.nvr || camWindow) && kind == Rewrite && !numbers;
        QCOMPARE(toasts, toldFailed ? QStringList{SharedTexts::readFailedText()} : QStringList{});
        const auto marked = [this] {
            auto *marker = m_root->findChild<QWidget *>(QStringLiteral("labelReadFailed"));
            return marker && marker->isVisibleTo(m_root);
        };
        if (!surface.nvr && surface.page)
            QCOMPARE(marked(), toldFailed);

        // The next read is delivered whole and shows the device as before.
        closeToasts();
        QVERIFY(readRound(surface, &ok));
        QVERIFY(ok);
        QCOMPARE(snapshot(m_root), shown);
        QVERIFY(!marked());
    }

    // Hundreds of accounts all show, in both user dialogs.
    void manyUsers_data()
    {
        QTest::addColumn<bool>("nvr");
        QTest::newRow("camera") << false;
        QTest::newRow("nvr") << true;
    }

    void manyUsers()
    {
        QFETCH(bool, nvr);
        const Surface s{nvr ? "nvr users" : "camera users", nvr, 0, "users", {14013}};
        SimDevice &sim = nvr ? *m_nvr : *m_cam;
        const QString element = nvr ? QStringLiteral("userAcount") : QStringLiteral("user");
        sim.setReplyRewrite(14013, [element](const QString &envelope) {
            QString users;
            for (int i = 0; i < 300; ++i)
                users += QStringLiteral("<%1><userName>u%2</userName><status>1</status></%1>").arg(element).arg(i);
            QString text = envelope;
            return text.replace(QRegularExpression("<body>.*</body>"), "<body>" + users + "</body>").toUtf8();
        });
        bool ok = false;
        QVERIFY(readRound(s, &ok));
        auto *table = m_root->findChild<QTableWidget *>(QStringLiteral("m_AddDevTableWidget"));
        QCOMPARE(table->rowCount(), 300);
        QCOMPARE(table->item(299, 0)->text(), QStringLiteral("u299"));
    }
};

QTEST_MAIN(TestHostileReplies)
#include "tst_hostilereplies.moc"
