#pragma once

// Stateless helpers shared by every page. One class, one header; the members of
// each group are defined in the library that owns the group (see the sections).

#include <QCoreApplication>
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
};

class CommonHelper
{
    Q_DECLARE_TR_FUNCTIONS(CommonHelper)

public:
    // ---- general helpers: defined in the Common library ----------------------

    // Record tests; a null record is "no device".
    static bool isDevType(const FUN_DEV_INFO *dev, int type);
    static bool isMultiChannelIpc(const FUN_DEV_INFO *dev);
    static bool isMultiChannelIpcMain(const FUN_DEV_INFO *dev);
    static bool isNvrMain(const FUN_DEV_INFO *dev);
    static bool checkDevOnline(const FUN_DEV_INFO *dev);

    // Device texts.
    static QString getDevKey(const FUN_DEV_INFO *dev);
    static QString getDevTypeName(const FUN_DEV_INFO *dev);
    static QString getDevStatusText(const FUN_DEV_INFO *dev);
    static QString connectionFailedText();
    static QString connectionSuccessText();
    static QString incorrectLoginText();
    static QString errorCodeToText(int code);

    // Folders the client writes beside itself (log, Video, Picture, crash dump):
    // the application folder when it is writable, else the platform's
    // application-data folder. The base can be replaced (tests); an empty text
    // restores the rule.
    static QString appWritableDir();
    static void setAppWritableDir(const QString &dir);

    // Where the settings' storage folders come from. The shell installs a
    // provider once the database is open; without one the folders are empty
    // and the defaults below the writable application folder apply.
    static void setStoragePathsProvider(std::function<StoragePaths()> provider);
    static StoragePaths storagePaths();

    // A name or address turned into one harmless folder name: no separators,
    // no control characters, never "", "." or "..".
    static QString safePathSegment(const QString &name);

    // Local storage paths (native separators).
    static QString getRecordDir(const FUN_DEV_INFO *dev, bool backup);
    static QString getRecordFileName(const FUN_DEV_INFO *dev, bool backup);
    // Scheduled recordings of a record: BackupPath/<ip> for a device,
    // BackupPath/<ip>/CH_NN for a channel record; one rule for the recorder
    // and the local playback. Creates nothing.
    static QString getVideoRootDir(const FUN_DEV_INFO *dev);
    static QString getSnapshotPath(const FUN_DEV_INFO *dev);
    static bool getDiskFreeSpace(const QString &path, quint64 &freeGiB);

    // Text fields exchanged with devices: hex of GBK (empty platform), hex of
    // UTF-8 (listed chip platforms) or XML-escaped text (other platforms).
    static QString stringToHex(const QString &text, const QString &platform);
    static QString hexToString(const QString &hex, const QString &platform);
    static QString xmlEscape(const QString &text);

    // A message body from a template with %1 ... %N (any N), filled in one
    // pass: an inserted value is never scanned again, so a typed "%3" reaches
    // the device as "%3". A placeholder without a value stays as it is.
    static QString fillTemplate(const QString &pattern, const QStringList &values);

    // Form checks.
    static bool hasEmptyString(const QStringList &texts);
    static bool isValidEmail(const QString &text);
    static bool isValidPhone(const QString &text);
    static QString maskAccount(const QString &text);
    static QString maskEmail(const QString &text);
    static QString maskPhone(const QString &text);
    static bool isNonZeroDigitAt(const QString &rights, int index);

    // Addresses and the network.
    static QList<QHostAddress> getValidIpv4();
    // 0 usable, 1 address in use, 2 address and gateway not in the same subnet.
    static int checkIpAddress(const QString &ip, const QString &mask, const QString &gateway, bool pingFirst);
    // One echo request through the installed probe (see Platform.h); blocks.
    static bool ping(const QString &ip);
    static int findFreeSlot(const QString &value, const QMap<int, QString> &slotMap);
    static QMap<int, QLocale::Language> languageLocaleMap();
    static QString getSkinName();

    // Opens the folder that holds the file, through the installed launcher.
    static bool showFileInFolder(const QString &filePath);

    // ---- widget helpers: defined in the widgets library ----
    // (Widget and geometry types are named with "class" so this header needs no
    // Qt Widgets include; callers include what they pass.)

    // Tool tip := trimmed text; text := that text elided on the right to the width.
    static void setElidedButtonText(class QAbstractButton *button);
    static void setElidedLabelText(class QLabel *label);
    // Buttons first, then labels, of every descendant.
    static void elideChildTexts(class QWidget *widget);
    // A "Copy" context menu, bound once per edit however often it is called.
    static void addCopyAction(class QLineEdit *edit, class QWidget *owner);
    static void addCopyMenu(class QWidget *widget);
    // folder: 0 Login, 1 MainWindow, 2 Playback; skinned picks the current skin.
    static void setButtonImages(class QPushButton *button, int folder, const QString &normal,
                                const QString &hover, bool skinned);
    // image holds `states` frames side by side: normal, hover, pressed/checked, disabled.
    static void setSpriteButton(class QPushButton *button, const QString &image, int states);
    static void setWidgetsLocale(class QWidget *widget, int languageIndex);
    static class QRect screenGeometryOf(class QWidget *widget);
    // Top-left of the widget moved by offset, kept inside the union of all screens.
    static class QPoint adjustRectToScreen(class QWidget *widget, const class QPoint &offset);
    static class QPoint centerOnParent(const class QRect &area, class QWidget *widget);
    // Percent (0..100) <-> pixels of a widget of `size`.
    static class QRect percentRectToWidget(const class QSize &size, const class QPointF &topLeft,
                                           const class QPointF &bottomRight, bool toPixels);
    // Waits while events keep being processed.
    static void waitMs(int ms);
    // Six numbers: four tick-pattern values, ticks per label, minutes per label.
    static QList<int> getTimeScaleParams(double zoomPercent);
    // (translated name, sound id) of the voice-alarm sounds.
    static QList<QPair<QString, int>> alarmAudioList();
    // Trailing "view" button on a password field; needAuth asks for the local
    // account's password (re-authentication dialog) before showing the text.
    static void addPasswordViewAction(class QLineEdit *edit, bool needAuth);
    static void togglePasswordVisible(class QLineEdit *edit, bool needAuth);

    // ---- stream address and ONVIF write-back: defined in the func library ----

    // RTSP address of a device or channel; the ONVIF stream URI for an ONVIF
    // record; empty for a null record.
    static QString getDevUrl(FUN_DEV_INFO *dev, ENUM_STREAM_TYPE stream);
    // The ONVIF table's URI of the record (credentials percent-encoded into it
    // when it has none); empty when unknown.
    static QString getOnvifUrl(FUN_DEV_INFO *dev, ENUM_STREAM_TYPE stream);
    // Hands an ONVIF record's credentials and addresses to the ONVIF table and
    // reads the device again.
    static void saveDevInfo(FUN_DEV_INFO *dev);
    // Fills a record from an entry of the ONVIF table. The entry type is
    // ONVIF::Service::ONVIF_DEV_INFO (a nested type this header cannot name);
    // the func library instantiates it for that type only.
    template<class OnvifDevInfo>
    static void onvifToDevInfo(FUN_DEV_INFO *dev, const OnvifDevInfo &entry);
};
