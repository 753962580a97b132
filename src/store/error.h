#pragma once
#include <QString>
#include <stdexcept>

// An error of an operation, carrying the text the user is shown.
class KaivoraError : public std::runtime_error {
public:
    explicit KaivoraError(const QString& text) : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};
