#pragma once
#include <QString>

// The folder of the running program, ending in a separator. Every file the
// program uses is found relative to it, never relative to the current directory.
namespace ProgramFolder {
QString path();
// Tests and tools point the program at a folder they built.
void override(const QString& folder);
QString file(const QString& relative);
}
