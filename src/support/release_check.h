#pragma once
#include <QString>

// The release descriptors in the program folder: "tmp.ini", last fetched from the update
// server, and "predate.ini", the installed release's.
namespace ReleaseCheck {
// "Date" in section "File1"; today, written yyyy-MM-dd, where the file, the section or
// the key is missing. Section and key names are matched without regard to case.
QString releaseDate(const QString& iniPath);
// The server's date greater than the installed one, compared character by character.
bool updateDue(const QString& programFolder);
}
