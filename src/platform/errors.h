#pragma once
#include <functional>
#include <stdexcept>
#include <QString>

// An error of an operation, carrying the text the user is shown.
class KaivoraError : public std::runtime_error {
public:
    explicit KaivoraError(const QString& text) : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};

// Runs an event handler; an error that escapes it is shown in a message box
// with its text and the program goes on.
void runReported(const std::function<void()>& handler);
// Runs work whose errors the program deliberately drops; returns false on error.
bool runSilently(const std::function<void()>& work);
