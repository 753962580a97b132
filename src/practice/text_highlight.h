#pragma once
#include <QString>

// Marks every place where the reader's text of html holds needle (case-insensitive)
// with <mark>…</mark>, leaving tags and entities whole: a place that a tag cuts in
// two gets one mark on each side of it.
QString highlighted(const QString& html, const QString& needle);
