#pragma once
#include <QSqlDatabase>
#include <QString>
#include <functional>

// The full-text index of the bank's question texts, in tables of its own in the bank
// file (the bank's own tables are only read). One row per question, numbered in page
// order (type, chapter, group, question): search_text, a trigram index of its stem,
// options, explanation and case or matching text; search_chars, the same text one
// character per token, for texts too short for trigrams; search_rows, the question,
// group and type code of each row; search_info, what the index was built from.
namespace SearchIndex {
// Called while the index is built with the questions done and their number; returns
// at once.
using Progress = std::function<void(int done, int total)>;

// True when the index exists and was built from the bank's present content.
bool isCurrent(const QSqlDatabase& db);
// Builds the index afresh in one transaction; on failure the bank is as before.
void build(const QSqlDatabase& db, const Progress& progress = {});
// Builds the index unless it is current. Once an index has been found current it is
// trusted for as long as it stays the same index (a restore brings another one).
// Returns true when it built.
bool ensureCurrent(const QSqlDatabase& db, const Progress& progress = {});
// How many questions the index holds; 0 without an index.
int questionCount(const QSqlDatabase& db);

// One character of folded text as a token of search_chars.
QString charToken(char32_t c);
// The characters of text as a phrase of search_chars tokens, folded as the index is.
QString charPhrase(const QString& text);
}
