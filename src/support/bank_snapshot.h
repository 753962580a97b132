#pragma once
#include <QString>

// A consistent snapshot of the bank, changes still in its write-ahead log included,
// written while other connections stay open.
namespace BankSnapshot {
// Writes the bank to the new file to as a single self-contained bank file and starts
// putting it on disk. Throws KaivoraError.
void write(const QString& bankPath, const QString& to);
// Starts putting what was written to the open file on disk, without waiting for it.
void startWriting(int file);
// Returns once the written file is on disk. Throws KaivoraError.
void sync(const QString& path);
}
