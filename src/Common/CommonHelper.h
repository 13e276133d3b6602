#pragma once

// General helpers shared by every page, without widgets. CommonHelper is a
// namespace that each owning library reopens in a header of its own: the widget
// helpers in CommonHelperWidgets.h (widgets library), the stream addresses in
// CommonHelperStream.h (func library). A file includes the header of each group
// it uses, so its includes say what its target links.

#include <QHostAddress>
#include <QList>
#include <QLocale>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>

#include "KelvoCommon.h"

// Storage folders of the client settings (RecordPath, BackupPath, SnapPath).
struct StoragePaths
{
    QString recordPath;
    QString backupPath;
    QString snapPath;
    // False from a provider that has no settings read: the folders are not
    // known, and nothing is written or looked for in their place.
    bool known = true;
};

namespace CommonHelper {

// Record tests; a null record is "no device".
bool isDevType(const FUN_DEV_INFO *dev, int type);
bool isMultiChannelIpc(const FUN_DEV_INFO *dev);
bool isMultiChannelIpcMain(const FUN_DEV_INFO *dev);
bool isNvrMain(const FUN_DEV_INFO *dev);
bool checkDevOnline(const FUN_DEV_INFO *dev);

// Device texts.
QString getDevKey(const FUN_DEV_INFO *dev);
QString getDevTypeName(const FUN_DEV_INFO *dev);
QString getDevStatusText(const FUN_DEV_INFO *dev);
QString connectionFailedText();
QString connectionSuccessText();
QString incorrectLoginText();
QString errorCodeToText(int code);

// Folders the client writes beside itself (log, Video, Picture, crash dump):
// the application folder when it is writable, else the platform's
// application-data folder. The base can be replaced (tests); an empty text
// restores the rule.
QString appWritableDir();
void setAppWritableDir(const QString &dir);

// Where the settings' storage folders come from. The shell installs a
// provider once the database is open (the settings as last read, kept in
// one place by the database layer); without one the folders are empty and
// the defaults below the writable application folder apply. A provider
// with no settings read gives known false, never the defaults.
void setStoragePathsProvider(std::function<StoragePaths()> provider);
StoragePaths storagePaths();

// A name or address turned into one harmless folder name: no separators,
// no control characters, never "", "." or "..".
QString safePathSegment(const QString &name);

// Local storage paths (native separators).
QString getRecordDir(const FUN_DEV_INFO *dev, bool backup);
QString getRecordFileName(const FUN_DEV_INFO *dev, bool backup);
// Scheduled recordings of a record: BackupPath/<ip> for a device,
// BackupPath/<ip>/CH_NN for a channel record; one rule for the recorder
// and the local playback. Creates nothing. Empty while the settings were
// never read. The second form takes the storage folder (BackupPath) given.
QString getVideoRootDir(const FUN_DEV_INFO *dev);
QString getVideoRootDir(const FUN_DEV_INFO *dev, const QString &backupPath);
QString getSnapshotPath(const FUN_DEV_INFO *dev);
bool getDiskFreeSpace(const QString &path, quint64 &freeGiB);

// Text fields exchanged with devices: hex of GBK (empty platform), hex of
// UTF-8 (listed chip platforms) or XML-escaped text (other platforms).
QString stringToHex(const QString &text, const QString &platform);
QString hexToString(const QString &hex, const QString &platform);
QString xmlEscape(const QString &text);

// A message body from a template with %1 ... %N (any N), filled in one
// pass: an inserted value is never scanned again, so a typed "%3" reaches
// the device as "%3". A placeholder without a value stays as it is.
QString fillTemplate(const QString &pattern, const QStringList &values);

// Form checks.
bool hasEmptyString(const QStringList &texts);
bool isValidEmail(const QString &text);
bool isValidPhone(const QString &text);
QString maskAccount(const QString &text);
QString maskEmail(const QString &text);
QString maskPhone(const QString &text);
bool isNonZeroDigitAt(const QString &rights, int index);

// Addresses and the network.
QList<QHostAddress> getValidIpv4();
// 0 usable, 1 address in use, 2 address and gateway not in the same subnet.
int checkIpAddress(const QString &ip, const QString &mask, const QString &gateway, bool pingFirst);
// One echo request through the installed probe (see Platform.h); blocks.
bool ping(const QString &ip);
int findFreeSlot(const QString &value, const QMap<int, QString> &slotMap);
QMap<int, QLocale::Language> languageLocaleMap();
QString getSkinName();

// Opens the folder that holds the file, through the installed launcher.
bool showFileInFolder(const QString &filePath);

} // namespace CommonHelper
