#pragma once

// The few places where the client reaches the operating system directly. Each
// goes through a replaceable function, so tests never ping a real address or
// open a window.

#include <QString>
#include <QUrl>

#include <functional>

namespace Platform {

// One echo request to ip; true when the host answered.
using PingProbe = std::function<bool(const QString &ip)>;
// Opens a URL with the desktop (a folder URL shows the folder).
using UrlLauncher = std::function<bool(const QUrl &url)>;
// Bytes available to the user on the volume that holds path; -1 when the
// volume cannot be read.
using FreeSpaceProbe = std::function<qint64(const QString &path)>;

// An empty function restores the system one.
void setPingProbe(PingProbe probe);
void setUrlLauncher(UrlLauncher launcher);
void setFreeSpaceProbe(FreeSpaceProbe probe);

bool runPingProbe(const QString &ip);
bool launchUrl(const QUrl &url);
qint64 freeBytes(const QString &path);

// The system probe: the system "ping" with one request and a 500 ms reply
// timeout, started within startLimitMs and finished within finishLimitMs, or
// it is killed. An answer is an output line with a TTL marker (any case).
bool systemPing(const QString &ip, int startLimitMs = 1000, int finishLimitMs = 1500);

// The ping program and its arguments for ip (exposed for tests).
QString pingProgram();
QStringList pingArguments(const QString &ip);

// True when the ping output holds a TTL marker ("TTL=", "TTL =", "ttl=").
bool pingOutputAnswered(const QString &output);

// The system launcher: QDesktopServices::openUrl.
bool systemOpenUrl(const QUrl &url);

// The system probe: QStorageInfo of the path.
qint64 systemFreeBytes(const QString &path);

// What the client stores for the operator (recordings, snapshots, downloads,
// day indexes) is for that user alone, like the database and the logs:
// folders 0700, files 0600, whatever the umask says.
//
// Creates the folder and every missing parent; each folder made here is
// user-only, folders that exist already keep their mode (the operator may
// have chosen a shared one). False when path is no folder afterwards.
bool makePrivateDir(const QString &path);
// A new empty user-only file when none is there, or an existing file made
// user-only; its folder must exist. Writers that create the file themselves
// (FFmpeg, QSaveFile) then keep that mode.
bool makePrivateFile(const QString &path);
// An existing file (0600) or folder (0700) made user-only.
bool restrictToUser(const QString &path);

// Puts bytes at path as a whole file or not at all: they go to a new
// user-only file beside it, are flushed and synced, and only then is it
// renamed to path (replacing a plain file there). On any failure the new file
// is removed, what was at path stays as it was, and false comes back with
// the reason. A path that is a link or no plain file is never written.
bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *error = nullptr);

} // namespace Platform
