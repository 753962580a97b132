#pragma once
#include <QString>

// Backup files of the question bank and their restore. Both go through SQLite itself,
// so that the other windows' connections may stay open: a backup is a consistent
// snapshot (changes still in the write-ahead log included), a restore replaces the
// bank's content in one transaction. Every failure throws KaivoraError.
namespace BankBackup {
// The snapshot the last restore kept of the bank as it was before; its name is one
// the restore window accepts, so that a restore can be undone.
QString safetySnapshotPath(const QString& bankPath);

// Writes the bank to target as a complete bank file, replacing an existing file only
// once the new one is whole.
void backup(const QString& bankPath, const QString& target);
// Throws unless file is a sound SQLite database holding every table and column of the bank.
void checkBackup(const QString& file);
// Checks file, keeps a safety snapshot of the bank, then replaces the bank's content
// by file's. On failure the bank is exactly as before.
void restore(const QString& bankPath, const QString& file);
}
