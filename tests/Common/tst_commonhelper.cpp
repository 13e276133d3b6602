#include "CommonHelper.h"
#include "MountTable.h"
#include "Platform.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

namespace {

FUN_DEV_INFO device(int type, const QString &ip, int channelIdx = 0, int channelNum = 0)
{
    FUN_DEV_INFO d;
    d.devType = type;
    d.ip = ip;
    d.channelIdx = uint8_t(channelIdx);
    d.channelNum = uint8_t(channelNum);
    return d;
}

// Captures warnings for the checks on logged texts.
QStringList g_messages;
void captureHandler(QtMsgType, const QMessageLogContext &, const QString &msg)
{
    g_messages.append(msg);
}

bool isInside(const QString &path, const QString &base)
{
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(path));
    const QString root = QDir::cleanPath(base) + '/';
    return clean.startsWith(root);
}

} // namespace

class tst_CommonHelper : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void recordTests();
    void checkDevOnline();
    void deviceTexts();
    void errorCodes();
    void hexCodec_data();
    void hexCodec();
    void hexCodecOtherPlatforms();
    void xmlEscape();
    void fillTemplate_data();
    void fillTemplate();
    void formChecks();
    void masks_data();
    void masks();
    void checkIpAddress_data();
    void checkIpAddress();
    void findFreeSlot();
    void validIpv4();
    void tables();
    void recordPaths();
    void pathsStayInsideBase_data();
    void pathsStayInsideBase();
    void writableDirFallsBack();
    void diskFreeSpace();
    void mountTableCoversAPath_data();
    void mountTableCoversAPath();
    void pingEmptyLogs();
    void pingUsesProbe();
    void realPingLoopback();
    void pingOutputMarkers_data();
    void pingOutputMarkers();
    void pingArgumentsAreSafe();
    void showFileInFolder();
};

void tst_CommonHelper::cleanup()
{
    CommonHelper::setAppWritableDir(QString());
    CommonHelper::setStoragePathsProvider(nullptr);
    Platform::setPingProbe(nullptr);
    Platform::setUrlLauncher(nullptr);
}

void tst_CommonHelper::recordTests()
{
    const FUN_DEV_INFO ipc = device(0, "10.0.0.1", 0, 4);
    const FUN_DEV_INFO ipcCh = device(0, "10.0.0.1", 2, 4);
    const FUN_DEV_INFO single = device(0, "10.0.0.2", 0, 1);
    const FUN_DEV_INFO nvr = device(1, "10.0.0.3");
    const FUN_DEV_INFO nvrCh = device(1, "10.0.0.3", 3);

    QVERIFY(!CommonHelper::isDevType(nullptr, 0));
    QVERIFY(CommonHelper::isDevType(&nvr, 1));
    QVERIFY(!CommonHelper::isDevType(&nvr, 0));
    QVERIFY(CommonHelper::isMultiChannelIpc(&ipc));
    QVERIFY(CommonHelper::isMultiChannelIpc(&ipcCh));
    QVERIFY(!CommonHelper::isMultiChannelIpc(&single));
    QVERIFY(!CommonHelper::isMultiChannelIpc(nullptr));
    QVERIFY(CommonHelper::isMultiChannelIpcMain(&ipc));
    QVERIFY(!CommonHelper::isMultiChannelIpcMain(&ipcCh));
    QVERIFY(CommonHelper::isNvrMain(&nvr));
    QVERIFY(!CommonHelper::isNvrMain(&nvrCh));
    QVERIFY(!CommonHelper::isNvrMain(nullptr));
}

void tst_CommonHelper::checkDevOnline()
{
    FUN_DEV_INFO nvr = device(1, "10.0.0.3", 0, 4);
    nvr.loginStatus = 1;
    nvr.ipcsStat = "1010";
    FUN_DEV_INFO ch1 = device(1, "10.0.0.3", 1);
    ch1.parent = &nvr;
    FUN_DEV_INFO ch2 = device(1, "10.0.0.3", 2);
    ch2.parent = &nvr;
    FUN_DEV_INFO ch5 = device(1, "10.0.0.3", 5);
    ch5.parent = &nvr;

    QVERIFY(!CommonHelper::checkDevOnline(nullptr));
    QVERIFY(CommonHelper::checkDevOnline(&nvr));
    QVERIFY(CommonHelper::checkDevOnline(&ch1));
    QVERIFY(!CommonHelper::checkDevOnline(&ch2));

    g_messages.clear();
    const QtMessageHandler prev = qInstallMessageHandler(captureHandler);
    const bool online = CommonHelper::checkDevOnline(&ch5);
    qInstallMessageHandler(prev);
    QVERIFY(!online);
    QCOMPARE(g_messages.size(), 1);
    QVERIFY(g_messages.first().startsWith("Channel index out of range: 5 4"));

    nvr.loginStatus = 0;
    QVERIFY(!CommonHelper::checkDevOnline(&ch1));
    FUN_DEV_INFO orphan = device(1, "10.0.0.3", 1);
    QVERIFY(!CommonHelper::checkDevOnline(&orphan));

    FUN_DEV_INFO ipc = device(0, "10.0.0.1", 0, 4);
    ipc.loginStatus = 1;
    FUN_DEV_INFO ipcCh = device(0, "10.0.0.1", 2, 4);
    ipcCh.parent = &ipc;
    QVERIFY(!CommonHelper::checkDevOnline(&ipcCh));
    ipcCh.loginStatus = 1;
    QVERIFY(CommonHelper::checkDevOnline(&ipcCh));
}

void tst_CommonHelper::deviceTexts()
{
    FUN_DEV_INFO d = device(1, "10.0.0.5", 12);
    QCOMPARE(CommonHelper::getDevKey(&d), QStringLiteral("10.0.0.5_12"));
    d.channelIdx = 0;
    QCOMPARE(CommonHelper::getDevKey(&d), QStringLiteral("10.0.0.5"));
    QCOMPARE(CommonHelper::getDevKey(nullptr), QString());

    QCOMPARE(CommonHelper::getDevTypeName(&d), QStringLiteral("NVR"));
    d.devType = 2;
    QCOMPARE(CommonHelper::getDevTypeName(&d), QStringLiteral("ONVIF"));
    d.devType = 7;
    QCOMPARE(CommonHelper::getDevTypeName(&d), QStringLiteral("IPC"));
    QCOMPARE(CommonHelper::getDevTypeName(nullptr), QString());

    d.loginStatus = 2;
    QCOMPARE(CommonHelper::getDevStatusText(&d), QStringLiteral("Incorrect username or password."));
    d.loginStatus = 1;
    QCOMPARE(CommonHelper::getDevStatusText(&d), QStringLiteral("Connection successful"));
    d.loginStatus = 0;
    QCOMPARE(CommonHelper::getDevStatusText(&d), QStringLiteral("Connection failed"));
    QCOMPARE(CommonHelper::getDevStatusText(nullptr), QStringLiteral("Connection failed"));
}

void tst_CommonHelper::errorCodes()
{
    QCOMPARE(CommonHelper::errorCodeToText(-1), QStringLiteral("Invalid parameter!"));
    QCOMPARE(CommonHelper::errorCodeToText(-5), QStringLiteral("Signaling connection with IPC is not established!"));
    QCOMPARE(CommonHelper::errorCodeToText(-14), QStringLiteral("The total number of playback channels is full!"));
    QCOMPARE(CommonHelper::errorCodeToText(-11), QStringLiteral("Unknown error code: -11!"));
    QCOMPARE(CommonHelper::errorCodeToText(-13), QStringLiteral("Unknown error code: -13!"));
    QCOMPARE(CommonHelper::errorCodeToText(0), QStringLiteral("Unknown error code: 0!"));
}

void tst_CommonHelper::hexCodec_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("hex");
    const QString chinese = QString::fromUtf8("前门摄像机");
    QTest::newRow("ascii gbk") << ""
                               << "AB"
                               << "4142";
    QTest::newRow("ascii utf8") << "GUOKE"
                                << "AB"
                                << "4142";
    QTest::newRow("chinese gbk") << "" << chinese << "c7b0c3c5c9e3cff1bbfa";
    QTest::newRow("chinese sigmastar") << "SIGMASTAR" << chinese << QString::fromLatin1(chinese.toUtf8().toHex());
    QTest::newRow("chinese guoke") << "GUOKE" << chinese << QString::fromLatin1(chinese.toUtf8().toHex());
    QTest::newRow("chinese duofang") << "DUOFANG" << chinese << QString::fromLatin1(chinese.toUtf8().toHex());
    QTest::newRow("empty") << ""
                           << ""
                           << "";
}

void tst_CommonHelper::hexCodec()
{
    QFETCH(QString, platform);
    QFETCH(QString, text);
    QFETCH(QString, hex);
    QVERIFY(QTextCodec::codecForName("GBK"));
    QCOMPARE(CommonHelper::stringToHex(text, platform), hex);
    QCOMPARE(CommonHelper::hexToString(hex, platform), text);
    // Upper-case digits and stray characters read the same.
    QCOMPARE(CommonHelper::hexToString(hex.toUpper(), platform), text);
}

void tst_CommonHelper::hexCodecOtherPlatforms()
{
    QCOMPARE(CommonHelper::stringToHex("A<B>&'\"", "guoke"), QStringLiteral("A&lt;B&gt;&amp;&apos;&quot;"));
    QCOMPARE(CommonHelper::stringToHex("AB", "HISI"), QStringLiteral("AB"));
    QCOMPARE(CommonHelper::hexToString("4142", "HISI"), QStringLiteral("4142"));
    QCOMPARE(CommonHelper::hexToString("41zz42", "GUOKE"), QStringLiteral("AB"));
}

void tst_CommonHelper::xmlEscape()
{
    QCOMPARE(CommonHelper::xmlEscape("a&b<c>d'e\"f"), QStringLiteral("a&amp;b&lt;c&gt;d&apos;e&quot;f"));
    QCOMPARE(CommonHelper::xmlEscape("&lt;"), QStringLiteral("&amp;lt;"));
}

void tst_CommonHelper::fillTemplate_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "<a>%1</a><b>%2</b>" << QStringList{"x", "y"} << "<a>x</a><b>y</b>";
    QTest::newRow("value holds %3") << "%1|%2|%3" << QStringList{"%3", "%1", "z"} << "%3|%1|z";
    QTest::newRow("ten and more") << "%10-%1-%11" << QStringList{"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"}
                                  << "j-a-k";
    QTest::newRow("value holds %10") << "%1%2" << QStringList{"%10", "v"} << "%10v";
    QTest::newRow("missing value kept") << "%1 %4 %" << QStringList{"a"} << "a %4 %";
    QTest::newRow("percent not a placeholder") << "100% %a %0" << QStringList{"x"} << "100% %a %0";
    QTest::newRow("huge number") << "%99999999999" << QStringList{"x"} << "%99999999999";
}

void tst_CommonHelper::fillTemplate()
{
    QFETCH(QString, pattern);
    QFETCH(QStringList, values);
    QFETCH(QString, expected);
    QCOMPARE(CommonHelper::fillTemplate(pattern, values), expected);
}

void tst_CommonHelper::formChecks()
{
    QVERIFY(CommonHelper::hasEmptyString({"a", "  "}));
    QVERIFY(!CommonHelper::hasEmptyString({"a", " b "}));
    QVERIFY(!CommonHelper::hasEmptyString({}));

    QVERIFY(CommonHelper::isValidEmail("john.doe+x@mail.example.com"));
    QVERIFY(!CommonHelper::isValidEmail("john@localhost"));
    QVERIFY(!CommonHelper::isValidEmail("john@example.c"));
    QVERIFY(!CommonHelper::isValidEmail(" john@example.com"));

    QVERIFY(CommonHelper::isValidPhone("86-13800138000"));
    QVERIFY(!CommonHelper::isValidPhone("13800138000"));
    QVERIFY(!CommonHelper::isValidPhone("12345-1234567"));
    QVERIFY(!CommonHelper::isValidPhone("1-123456"));

    QVERIFY(CommonHelper::isNonZeroDigitAt("1011111", 0));
    QVERIFY(!CommonHelper::isNonZeroDigitAt("1011111", 1));
    QVERIFY(!CommonHelper::isNonZeroDigitAt("1011111", 7));
    QVERIFY(!CommonHelper::isNonZeroDigitAt("1011111", -1));
    QVERIFY(!CommonHelper::isNonZeroDigitAt("1a", 1));
}

void tst_CommonHelper::masks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("masked");
    QTest::newRow("email") << "johnnie@mail.com"
                           << "jo*****@mail.com";
    QTest::newRow("email at 3") << "abc@x.com"
                                << "ab*@x.com";
    QTest::newRow("email at 2") << "ab@x.com"
                                << "ab@x.com";
    QTest::newRow("phone") << "86-13800138000"
                           << "86-1******8000";
    QTest::newRow("phone 10") << "1234567890"
                              << "1234**7890";
    QTest::newRow("phone 9") << "123456789"
                             << "123456789";
}

void tst_CommonHelper::masks()
{
    QFETCH(QString, text);
    QFETCH(QString, masked);
    QCOMPARE(CommonHelper::maskAccount(text), masked);
}

void tst_CommonHelper::checkIpAddress_data()
{
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("gateway");
    QTest::addColumn<int>("result");
    QTest::newRow("other subnet") << "192.168.1.10"
                                  << "255.255.255.0"
                                  << "192.168.2.1" << 2;
    QTest::newRow("same subnet") << "192.168.1.10"
                                 << "255.255.255.0"
                                 << "192.168.1.1" << 0;
    QTest::newRow("wide mask") << "10.1.2.3"
                               << "255.0.0.0"
                               << "10.200.0.1" << 0;
    QTest::newRow("short gateway") << "192.168.1.10"
                                   << "255.255.255.0"
                                   << "192.168" << 0;
    QTest::newRow("garbage") << "abc"
                             << "255"
                             << "0" << 0;
}

void tst_CommonHelper::checkIpAddress()
{
    QFETCH(QString, ip);
    QFETCH(QString, mask);
    QFETCH(QString, gateway);
    QFETCH(int, result);
    int probes = 0;
    Platform::setPingProbe([&](const QString &) {
        ++probes;
        return false;
    });
    QCOMPARE(CommonHelper::checkIpAddress(ip, mask, gateway, false), result);
    QCOMPARE(probes, 0);
    QCOMPARE(CommonHelper::checkIpAddress(ip, mask, gateway, true), result);
    QCOMPARE(probes, 1);
    Platform::setPingProbe([](const QString &) { return true; });
    QCOMPARE(CommonHelper::checkIpAddress(ip, mask, gateway, true), 1);
}

void tst_CommonHelper::findFreeSlot()
{
    QCOMPARE(CommonHelper::findFreeSlot("a", {{0, "x"}, {1, "y"}, {2, "z"}, {3, "w"}}), -1);
    QCOMPARE(CommonHelper::findFreeSlot("z", {{0, "x"}, {1, "y"}, {2, "z"}, {3, "w"}}), 2);
    QCOMPARE(CommonHelper::findFreeSlot("a", {{0, "x"}, {2, "z"}}), 1);
    QCOMPARE(CommonHelper::findFreeSlot("a", {}), 0);
    QCOMPARE(CommonHelper::findFreeSlot("a", {{7, "a"}, {9, "a"}}), 7);
}

void tst_CommonHelper::validIpv4()
{
    const quint32 first = QHostAddress("169.254.1.0").toIPv4Address();
    const quint32 last = QHostAddress("169.254.254.255").toIPv4Address();
    for (const QHostAddress &a : CommonHelper::getValidIpv4()) {
        QCOMPARE(a.protocol(), QAbstractSocket::IPv4Protocol);
        QVERIFY(!a.isLoopback());
        QVERIFY(a.toIPv4Address() < first || a.toIPv4Address() > last);
    }
}

void tst_CommonHelper::tables()
{
    const auto map = CommonHelper::languageLocaleMap();
    QCOMPARE(map.size(), 5);
    QCOMPARE(int(map.value(0)), 25);
    QCOMPARE(int(map.value(1)), 31);
    QCOMPARE(int(map.value(2)), 96);
    QCOMPARE(int(map.value(3)), 52);
    QCOMPARE(int(map.value(4)), 28);
    QCOMPARE(CommonHelper::getSkinName(), QStringLiteral("Default"));
}

void tst_CommonHelper::recordPaths()
{
    QTemporaryDir tmp;
    CommonHelper::setAppWritableDir(tmp.path());

    FUN_DEV_INFO nvrCh = device(1, "192.168.1.30", 3);
    nvrCh.name = "CH_03";
    const QString dir = CommonHelper::getRecordDir(&nvrCh, false);
    QCOMPARE(dir, QDir::toNativeSeparators(tmp.path() + "/Video/192.168.1.30/CH_03/"));
    QVERIFY(QFileInfo(dir).isDir());

    FUN_DEV_INFO ipcCh = device(0, "192.168.1.40", 2, 4);
    QCOMPARE(CommonHelper::getRecordDir(&ipcCh, false),
             QDir::toNativeSeparators(tmp.path() + "/Video/192.168.1.40/CH_00/"));
    QCOMPARE(CommonHelper::getRecordDir(nullptr, false), QString());
    QCOMPARE(CommonHelper::getRecordFileName(nullptr, false), QString());

    const QString file = CommonHelper::getRecordFileName(&nvrCh, false);
    QVERIFY(QRegularExpression("/CH_03//\\d{17}\\.mp4$").match(file).hasMatch());

    QTemporaryDir rec, backup, snap;
    CommonHelper::setStoragePathsProvider([&] { return StoragePaths{rec.path(), backup.path(), snap.path()}; });
    // Video root: the address, and the channel for a channel record, whether
    // the folders exist or not (the local playback reads the same folders);
    // nothing is created.
    QCOMPARE(CommonHelper::getVideoRootDir(&nvrCh), backup.path() + "/192.168.1.30/CH_03");
    QVERIFY(!QFileInfo::exists(backup.path() + "/192.168.1.30"));
    QVERIFY(QDir().mkpath(backup.path() + "/192.168.1.30"));
    QCOMPARE(CommonHelper::getVideoRootDir(&nvrCh), backup.path() + "/192.168.1.30/CH_03");

    QVERIFY(CommonHelper::getRecordDir(&nvrCh, false).startsWith(rec.path() + "/192.168.1.30/CH_03"));
    QVERIFY(CommonHelper::getRecordDir(&nvrCh, true).startsWith(backup.path() + "/192.168.1.30/CH_03"));
    QCOMPARE(CommonHelper::getVideoRootDir(&nvrCh), backup.path() + "/192.168.1.30/CH_03");
    FUN_DEV_INFO single = device(0, "192.168.1.50", 0, 1);
    single.name = "Door";
    QCOMPARE(CommonHelper::getVideoRootDir(&single), backup.path() + "/192.168.1.50");
    // The NVR itself and a multi-channel camera's own record: the address only.
    QCOMPARE(CommonHelper::getVideoRootDir(&ipcCh), backup.path() + "/192.168.1.40/CH_02");
    FUN_DEV_INFO nvr = device(1, "192.168.1.30", 0, 4);
    nvr.name = "Yard";
    QCOMPARE(CommonHelper::getVideoRootDir(&nvr), backup.path() + "/192.168.1.30");

    // Snapshots: the address level only for NVRs and multi-channel cameras, and only if it exists.
    const QString shot = CommonHelper::getSnapshotPath(&single);
    QVERIFY(QRegularExpression("^" + QRegularExpression::escape(snap.path()) + "/Door/\\d{17}\\.jpg$")
                .match(shot)
                .hasMatch());
    QVERIFY(QFileInfo(snap.path() + "/Door").isDir());
    QVERIFY(CommonHelper::getSnapshotPath(&nvrCh).startsWith(snap.path() + "/CH_03/"));
    QVERIFY(QDir().mkpath(snap.path() + "/192.168.1.30"));
    QVERIFY(CommonHelper::getSnapshotPath(&nvrCh).startsWith(snap.path() + "/192.168.1.30/CH_03/"));
    QCOMPARE(CommonHelper::getSnapshotPath(nullptr), QString());
}

void tst_CommonHelper::pathsStayInsideBase_data()
{
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("name");
    QTest::newRow("parent") << ".."
                            << "..";
    QTest::newRow("dot") << "."
                         << ".";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("traversal") << "../../etc"
                               << "../../../tmp/x";
    QTest::newRow("absolute") << "/etc/passwd"
                              << "/tmp";
    QTest::newRow("backslash") << "..\\..\\x"
                               << "a\\..\\..\\b";
    QTest::newRow("control") << QString("a\nb") << QString("\t..\t");
    QTest::newRow("long") << QString(300, QChar(0x6444)) << QString(300, 'n');
}

void tst_CommonHelper::pathsStayInsideBase()
{
    QFETCH(QString, ip);
    QFETCH(QString, name);
    QTemporaryDir tmp;
    const QString base = tmp.path() + "/base";
    const QString video = base + "/video";
    CommonHelper::setStoragePathsProvider([&] { return StoragePaths{video, video, base + "/snap"}; });

    for (int type : {0, 1}) {
        FUN_DEV_INFO d = device(type, ip, type == 1 ? 2 : 0, 4);
        d.name = name;
        const QString dir = CommonHelper::getRecordDir(&d, false);
        QVERIFY2(isInside(dir, video), qPrintable(dir));
        QVERIFY(QFileInfo(dir).isDir());
        QVERIFY(isInside(CommonHelper::getRecordFileName(&d, true), video));
        QVERIFY(
            QDir().mkpath(video + "/" + CommonHelper::safePathSegment(ip) + "/" + CommonHelper::safePathSegment(name)));
        const QString root = CommonHelper::getVideoRootDir(&d);
        QVERIFY2(root == video || isInside(root, video), qPrintable(root));
        const QString shot = CommonHelper::getSnapshotPath(&d);
        QVERIFY2(isInside(shot, base + "/snap"), qPrintable(shot));
    }
    // Nothing was created beside the base.
    QCOMPARE(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"base"});
}

void tst_CommonHelper::writableDirFallsBack()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    if (QFileInfo(appDir).isWritable())
        QCOMPARE(CommonHelper::appWritableDir(), appDir);
    else
        QCOMPARE(CommonHelper::appWritableDir(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    CommonHelper::setAppWritableDir("/somewhere");
    QCOMPARE(CommonHelper::appWritableDir(), QStringLiteral("/somewhere"));
}

void tst_CommonHelper::diskFreeSpace()
{
    quint64 gib = 12345;
    QVERIFY(CommonHelper::getDiskFreeSpace(QDir::currentPath(), gib));
    QVERIFY(gib != 12345 || QStorageInfo(QDir::currentPath()).bytesAvailable() >= (12345LL << 30));
    gib = 7;
    QVERIFY(!CommonHelper::getDiskFreeSpace("/no/such/folder/at/all", gib));
    QCOMPARE(gib, quint64(7));
}

// The mount points the mount table lists over a storage folder, deepest
// first, and the deepest of them with nothing mounted on it.
void tst_CommonHelper::mountTableCoversAPath_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("unmounted");
    QTest::newRow("nested, deepest first")
        << "/dev/a /srv ext4 defaults 0 2\n/dev/b /srv/kelvo-rec ext4 defaults 0 2\n"
        << "/srv/kelvo-rec/Backup" << QStringList{"/srv/kelvo-rec", "/srv"} << "/srv/kelvo-rec";
    QTest::newRow("a blank in the name") << "LABEL=rec\t/mnt/kelvo\\040disk  vfat noauto 0 0\n"
                                         << "/mnt/kelvo disk/Backup" << QStringList{"/mnt/kelvo disk"}
                                         << "/mnt/kelvo disk";
    QTest::newRow("root, swap, comments and names only beginning alike left out")
        << "/dev/r / ext4 defaults 0 1\n/dev/s none swap sw 0 0\n# /dev/c /srv/kelvo-rec ext4 defaults 0 2\n"
           "/dev/d /srv/kelvo-recordings ext4 defaults 0 2\n/dev/e /srv/kelvo ext4 defaults 0 2\n"
        << "/srv/kelvo-rec/Backup" << QStringList() << QString();
    QTest::newRow("mounted") << "proc /proc proc defaults 0 0\n"
                             << "/proc/self" << QStringList{"/proc"} << QString();
}

void tst_CommonHelper::mountTableCoversAPath()
{
    QFETCH(QString, table);
    QFETCH(QString, path);
    QTemporaryDir dir;
    QFile file(dir.filePath("fstab"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(table.toUtf8()) == table.toUtf8().size() && file.flush());
    MountTable::setFstabPathForTesting(file.fileName());
    const auto restore = qScopeGuard([] { MountTable::setFstabPathForTesting(QString()); });
    QTEST(MountTable::listedMountPoints(path), "listed");
    QTEST(MountTable::unmountedListedPoint(path), "unmounted");
}

void tst_CommonHelper::pingEmptyLogs()
{
    int probes = 0;
    Platform::setPingProbe([&](const QString &) {
        ++probes;
        return true;
    });
    QTest::ignoreMessage(QtWarningMsg, "Ping failed: IP address is empty");
    QVERIFY(!CommonHelper::ping(QString()));
    QCOMPARE(probes, 0);
}

void tst_CommonHelper::pingUsesProbe()
{
    QStringList asked;
    Platform::setPingProbe([&](const QString &ip) {
        asked << ip;
        return ip == "10.9.8.7";
    });
    QVERIFY(CommonHelper::ping("10.9.8.7"));
    QVERIFY(!CommonHelper::ping("10.9.8.6"));
    QCOMPARE(asked, (QStringList{"10.9.8.7", "10.9.8.6"}));
}

void tst_CommonHelper::realPingLoopback()
{
    // Containers and CI sandboxes often forbid ICMP: ask the system first, with
    // time to spare, and only then hold the client to its answer.
    QProcess probe;
    probe.start(Platform::pingProgram(), Platform::pingArguments(QStringLiteral("127.0.0.1")));
    if (!probe.waitForFinished(10000)
        || !Platform::pingOutputAnswered(QString::fromLocal8Bit(probe.readAllStandardOutput())))
        QSKIP("ping cannot reach 127.0.0.1 on this machine (no ICMP permitted)");
    QVERIFY(CommonHelper::ping("127.0.0.1"));
}

void tst_CommonHelper::pingOutputMarkers_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<bool>("answered");
    QTest::newRow("linux") << "64 bytes from 127.0.0.1: icmp_seq=1 ttl=64 time=0.05 ms" << true;
    QTest::newRow("windows") << "Reply from 10.0.0.1: bytes=32 time<1ms TTL=64" << true;
    QTest::newRow("blank") << "Reply: TTL =64" << true;
    QTest::newRow("lost") << "1 packets transmitted, 0 received, 100% packet loss" << false;
    QTest::newRow("empty") << "" << false;
}

void tst_CommonHelper::pingOutputMarkers()
{
    QFETCH(QString, output);
    QFETCH(bool, answered);
    QCOMPARE(Platform::pingOutputAnswered(output), answered);
}

void tst_CommonHelper::pingArgumentsAreSafe()
{
    const QStringList args = Platform::pingArguments("-f");
    QCOMPARE(args.last(), QStringLiteral("-f"));
    QCOMPARE(args.at(args.size() - 2), QStringLiteral("--"));
    QVERIFY(args.contains("-c"));
    QCOMPARE(args.at(args.indexOf("-c") + 1), QStringLiteral("1"));
}

void tst_CommonHelper::showFileInFolder()
{
    QList<QUrl> opened;
    Platform::setUrlLauncher([&](const QUrl &url) {
        opened << url;
        return true;
    });
    QVERIFY(CommonHelper::showFileInFolder("/data/Video/192.168.1.30/CH_03/20260101120000000.mp4"));
    QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile("/data/Video/192.168.1.30/CH_03")});
    QTest::ignoreMessage(QtWarningMsg, "Show in folder: empty file path");
    QVERIFY(!CommonHelper::showFileInFolder(QString()));
    QCOMPARE(opened.size(), 1);
}

QTEST_GUILESS_MAIN(tst_CommonHelper)
#include "tst_commonhelper.moc"
