#pragma once

class QApplication;
class TForm10;
class TForm16;

// Program entry: the title, the windows in their creation order, the first show.
namespace Program {
// Settings the web engine needs before the application object exists.
void prepareEnvironment();
// Returns the exit status; non-zero when the bank cannot be used.
int run(QApplication& app);
// The windows made at start-up, in their creation order.
struct Windows;
}

struct Program::Windows {
    Windows();
    ~Windows();
    TForm10* form10 = nullptr;
    TForm16* form16 = nullptr;
};
