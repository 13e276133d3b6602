#pragma once

// The storage folder of scheduled recording is known by a mark of the
// client's own inside it: a small user-only file holding an id that the
// database keeps (setting "StorageMark"). A disk comes back under another
// device number (a remount, a USB disk that enumerates again) and is still
// the storage; an empty mount point, or a folder made again by hand under
// the same name, is not, and nothing is written into it until the disk with
// the mark is back or the operator chooses that folder again.
//
// The schedule thread looks with look() before and while it records, the
// recorders and the start-up repair check with check(); the settings dialog
// gives a folder the operator chose its mark with takeAnew(). Any thread.

#include <QString>

namespace StorageMark {

enum class State {
    Ours,       // the folder holds the kept mark
    Missing,    // no folder at the path
    NotOurs,    // a folder without the kept mark (another mark, none, or one that cannot be read)
    Unwritable, // the folder was to be taken but its mark cannot be written
};

// The mark's file name inside the storage folder.
QString fileName();

// Whether path is the storage folder. While no mark is kept yet (a new
// client, or one that recorded before folders were marked) the folder is
// taken: made when missing, marked when it is empty or holds the client's
// own day folders, or its mark adopted when it has one.
State look(const QString &path);
// Whether path is the storage folder, without taking anything: while no mark
// is kept, any folder at the path is.
State check(const QString &path);
// The operator chose path: it is made when missing and keeps the mark it
// holds, or gets a new one; the mark is kept from then on. False (with the
// reason) when the folder cannot be made or marked.
bool takeAnew(const QString &path, QString *error = nullptr);

// How many looks were taken so far: a test waits for the next ones.
int looks();

// The kept id; empty when none.
QString keptId();
// Tests: the next use reads the kept id from the database again.
void forgetForTesting();

} // namespace StorageMark
