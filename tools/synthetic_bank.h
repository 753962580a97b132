#pragma once
#include <QSqlDatabase>

// A large generated bank with the demo bank's schema, for tests and benchmarks.
// The same seed gives the same bank.
struct SyntheticBank {
    int roots = 4;
    int sectionsPerRoot = 10;
    int chaptersPerSection = 13;
    int questionsPerChapter = 38;
    int bigChapterQuestions = 300;  // the first chapter holds exactly this many
    unsigned seed = 20261211;

    // Fills an empty database that already has the schema. Returns the big chapter's id.
    int generate(const QSqlDatabase& db) const;
};
