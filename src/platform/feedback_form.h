#pragma once
#include <QString>

class PageView;

// The error-report window as the page command channel fills it; the window
// itself and its sending belong to the support room.
class FeedbackForm {
public:
    virtual ~FeedbackForm() = default;

    // Memo empty, every box unticked, the window shown (not modal).
    virtual void clearAndShow() = 0;
    // The window's own page view; it serves no command links.
    virtual PageView& reportPage() = 0;
    // The question the next report is about: its id and its text.
    virtual void setReportedQuestion(const QString& id, const QString& content) = 0;
};
