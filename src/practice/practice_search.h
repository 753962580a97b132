#pragma once
#include <QString>

class PracticeHost;

// The question search of the practice window: the search text's questions of the
// current view as the page, the index brought up to date first.
class PracticeSearch {
public:
    explicit PracticeSearch(PracticeHost& host);

    // An empty text does nothing. Throws on a database error.
    void run(const QString& text);

private:
    PracticeHost& host_;
};
