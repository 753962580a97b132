#pragma once
#include <QString>

class FeedbackForm;
class PracticeHost;

// The command links of the chapter page: "http://scbt" + id toggles a favourite,
// "http://ctfk" + id opens the error report of the question. The practice window
// cancels the navigation; the channel serves it from the event loop.
class CommandChannel {
public:
    explicit CommandChannel(PracticeHost& host);

    // The error-report window; without one, report links are dropped.
    void setFeedbackForm(FeedbackForm* form) { feedback_ = form; }

    // Both words are looked for anywhere in the address; a report runs before a
    // favourite. An id that is not a question's number does nothing.
    void serve(const QString& url);

    // The id of a command link: the address less "http://" and the command word,
    // less a final "/". Empty unless it is a decimal number.
    static QString commandId(const QString& url);

    // "scbt": false when no question has the id.
    bool ToggleFavourite(const QString& id);
    // "ctfk": false when no question has the id.
    bool ShowErrorReport(const QString& id);

private:
    PracticeHost& host_;
    FeedbackForm* feedback_ = nullptr;
};
