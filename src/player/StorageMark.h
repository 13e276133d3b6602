#pragma once

// The storage folder of scheduled recording is known by a mark of the
// client's own inside it: a small user-only file holding an id that the
// database keeps (setting "StorageMark"). A disk comes back under another
// device number (a remount, a USB disk that enumerates again) and is still
// the storage; an empty mount point, or a folder made again by hand under
// the same name, is not, and nothing is written into it until the disk with
// the mark is back or the operator chooses that folder again. The folder
// itself removed while the disk it was found on stays mounted there is the
// client's own still: it is made again on that disk, with its mark.
//
// While no mark is kept (a new database, the first start after an upgrade,
// a settings table that cannot be written) the folder the client takes on
// its own is its choice only for now, until the operator chooses one (also
// after a restart). The file system the storage folder lies on is kept
// beside the mark: when a disk is mounted at that folder or at any folder
// above it (while the client runs, or before a start), and the folder there
// is missing, empty, or holds the client's day folders and no mark, it is
// made, marked and taken in the earlier one's place (the footage recorded
// before stays on the disk below the mount). A path under a mount point the
// mount table lists is not taken while nothing is mounted there. A kept id
// that cannot be read is read again at the next look, never taken for none.
//
// Two clients never record into one folder: the one recording holds a lock
// on the mark file (released when it stops recording, or ends); another that
// finds it held refuses the folder, and repairs nothing in it. Nor does a
// client take on its own a folder inside another storage folder.
//
// The schedule thread looks with look() before and while it records, the
// recorders ask through a Seat whether their folder is still the storage,
// the start-up repair acts only under a Hold of its own mark; the settings
// dialog gives a folder the operator chose its mark with takeAnew(). Any
// thread.

#include <QString>

#include <sys/types.h>

namespace StorageMark {

enum class State {
    Ours,       // the folder holds the kept mark
    Missing,    // no folder at the path
    NotOurs,    // a folder without the kept mark (another mark, none, or one that cannot be read)
    Unwritable, // the folder cannot be written (read-only), or was to be taken but cannot be marked
    Held,       // another client records into the folder: its mark is locked by another process
    Unmounted,  // the path lies under a mount point the mount table lists, and nothing is mounted there
    Unknown,    // the kept id cannot be read from the database now; looked at again
    Inside,     // not taken on the client's own: the folder lies inside another storage folder
};

// What a look found beside its state.
struct Look
{
    // Unwritable: why; Unmounted: the mount point waited for; Unknown: the
    // database's error; Held: the mark file; Inside: the storage folder it
    // lies in; NotOurs and Missing: the mount point of a disk mounted at or
    // above the folder since it was last found there (empty when none).
    QString detail;
    // A disk was mounted over the folder the client had taken on its own, and
    // became the storage folder. The folder recorded into before lies on
    // earlierSource (mounted at earlierMountPoint), hidden under mountPoint.
    bool moved = false;
    QString earlierSource;
    QString earlierMountPoint;
    QString mountPoint;
    // The mark could not be kept in the database (the reason): the folder
    // is the storage for this run only.
    QString notKept;
    // The storage folder had been removed from its disk, which is still
    // mounted where it was found: it was made again, with its mark.
    bool remade = false;
};

// The mark's file name inside the storage folder.
QString fileName();

// Whether path is the storage folder. While no mark is kept yet (a new
// client, or one that recorded before folders were marked) the folder is
// taken: made when missing, marked when it is empty or holds the client's
// own day folders, or its mark adopted when it has one. Ours also means the
// mark is locked by this process until release().
State look(const QString &path, Look *info = nullptr);
// The lock look() took: recording stopped.
void release();
// Whether path is the storage folder, without taking anything: while no mark
// is kept, any folder at the path is.
State check(const QString &path);
// The operator chose path: it is made when missing and keeps the mark it
// holds, or gets a new one; the mark is kept from then on. False (with the
// reason) when the folder cannot be made or marked, or another client
// records into it. notKept: why the database did not keep the mark.
bool takeAnew(const QString &path, QString *error = nullptr, QString *notKept = nullptr);

// The folder's mark locked for this process while it lasts (the start-up
// repair): nothing is repaired where another process records, nor in a
// folder without this client's mark.
class Hold
{
public:
    explicit Hold(const QString &folder);
    ~Hold();
    Hold(const Hold &) = delete;
    Hold &operator=(const Hold &) = delete;
    // Another process holds the folder's mark.
    bool elsewhere() const { return m_elsewhere; }
    // The folder holds the kept mark, and this process holds it locked.
    bool ours() const { return m_ours; }

private:
    dev_t m_dev = 0;
    ino_t m_ino = 0;
    bool m_held = false;
    bool m_elsewhere = false;
    bool m_ours = false;
};

// The storage folder as a recorder found it when it started. Whether it is
// still the storage and still that folder: a disk mounted over it since is
// not, even when it became the storage (what the recorder wrote lies below
// it). An empty path is always.
class Seat
{
public:
    explicit Seat(const QString &path);
    bool stillStorage() const;

private:
    QString m_path;
    bool m_known = false;
    dev_t m_dev = 0;
    ino_t m_ino = 0;
};

// How many looks were taken so far: a test waits for the next ones.
int looks();

// The kept id; empty when none (or it cannot be read).
QString keptId();
// Tests: the next use reads the kept id from the database again, and this
// run has taken no folder.
void forgetForTesting();

} // namespace StorageMark
