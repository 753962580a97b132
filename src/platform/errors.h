#pragma once
#include "store/error.h"
#include <functional>

// Runs an event handler; an error that escapes it is shown in a message box
// with its text and the program goes on.
void runReported(const std::function<void()>& handler);
// Runs work whose errors the program deliberately drops; returns false on error.
bool runSilently(const std::function<void()>& work);
