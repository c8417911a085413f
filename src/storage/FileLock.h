#pragma once

class QFile;

// The advisory lock two copies of the program sharing a folder agree on: a
// record file is held exclusively while an action reads or writes it, and
// shared while a backup copies it.
enum class FileLockKind { Shared, Exclusive };

/// Locks the open file, waiting up to two seconds for another holder to let
/// go. Returns 0, or the system's error number when the lock could not be
/// had. A file system without locks counts as locked: it still serves a
/// single copy of the program.
int lockOpenFile(QFile &file, FileLockKind kind);
