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

// Every file the operator keeps reaches its name by one rule: written whole
// and synced under another name, renamed, and the folder synced so that the
// new name survives a crash too; a failure of any step, the folder's sync
// included, is a failure.
//
// Puts bytes at path as a whole file or not at all: they go to a new
// user-only temporary beside it, are written and synced, and only then is it
// renamed to path (replacing a plain file there). On a failure before the
// rename the temporary is removed, what was at path stays as it was, and
// false comes back with the reason; when only the folder's sync fails, the
// new bytes stand at path but may be lost in a crash, and false comes back
// too. A path that is a link or no plain file is never written.
bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// Gives the whole (already synced) file from its final name to in the same
// folder, never replacing what is there, and syncs the folder. False with
// the reason when to is taken, from is no plain file, the rename fails (from
// keeps its name) or the folder's sync fails (the file has its new name, which
// a crash may undo).
bool renameWhole(const QString &from, const QString &to, QString *error = nullptr);

// Makes the names in folder (files made, renamed or removed there) reach the
// disk. False with the reason when the folder cannot be opened or synced.
bool syncFolder(const QString &folder, QString *error = nullptr);

// The temporaries writeWholeFile makes are hidden, carry this run's mark and
// end in ".tmp": ".<name>.<run>-XXXXXX.tmp". One that an earlier run left (it
// ended between making and renaming it) is removed when the client next
// writes into its folder: only plain files of this user with that pattern,
// never a link, never through a folder that is a link. A temporary of a
// version before the run's mark (".<name>.XXXXXX") cannot be told from a
// file of someone else's and stays. Once per folder and run; returns the
// files removed.
int removeStaleTemporaries(const QString &folder);
// The name writeWholeFile's temporary for fileName starts with in this run.
QString temporaryPrefix(const QString &fileName);

// The reason for a failed write of a file, in the words that tell the
// operator what to do: "no space left on the disk", "the disk is read-only",
// "the folder is missing", "no permission to write there"; else the system's
// text. Marked for translation in the "Platform" context; translatedFailure
// gives a reason made here in the operator's language.
QString writeFailureText(int errorNumber);
QString translatedFailure(const QString &reason);

// The folder sync at the system call, for tests: returns 0 or an errno, and
// stands in for fsync on the folder's descriptor. An empty function restores
// the system call.
using FolderSync = std::function<int(const QString &folder)>;
void setFolderSyncForTesting(FolderSync sync);

// Sets the C library's allocator up for a client that starts and ends
// players, recorders and sessions all day. Called once, first thing in
// main, before any other thread runs; a benchmark that measures the
// client's memory calls it the same way.
void setUpAllocator();

// Hands what the client freed back to the system. The C library keeps what a
// thread frees in that thread's arena for the next allocation; with players
// (and their threads) coming and going all day, every arena ends up holding
// the largest pictures it ever saw, and memory never comes down after a pane,
// a window or a download is closed. Asked for by what frees a lot when it
// goes; what is freed by the time the caller's event is done counts. Asks in
// a row make one return, on a pool thread, never the caller's. Any thread.
void returnFreedMemory();

} // namespace Platform
