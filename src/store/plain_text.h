#pragma once
#include <QString>
#include <QVector>

// The text a reader sees in a piece of the bank's HTML: tags dropped (line-breaking
// ones read as a blank), entities decoded, runs of white space as one blank.
namespace PlainText {
QString of(const QString& html);

// Where each character of the text came from in the HTML: [start, end). A blank that
// stands for a tag or a run of white space has start -1.
struct Mapped {
    QString text;
    QVector<int> start;
    QVector<int> end;
};
Mapped mapped(const QString& html);
}
