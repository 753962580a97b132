#pragma once

struct PracticeState;

// Held by every operation that builds or scripts the practice page: the page-ready
// flag is cleared while it lives and set again when it ends, also when an error
// escapes. While one operation holds it, a second one is refused.
class PageGuard {
public:
    explicit PageGuard(PracticeState& state);
    ~PageGuard();
    PageGuard(const PageGuard&) = delete;
    PageGuard& operator=(const PageGuard&) = delete;

    // True when another operation holds the page; the caller then does nothing.
    bool refused() const { return refused_; }

private:
    PracticeState& state_;
    bool refused_;
};
