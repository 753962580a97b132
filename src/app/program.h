#pragma once
#include <QList>
#include <memory>
#include <vector>

class QApplication;
class QWidget;
class Room;
class TForm10;
class PracticeRoom;
class SupportRoom;

// Program entry: the title, the windows in their creation order, the first show.
namespace Program {
// Settings the web engine needs before the application object exists.
void prepareEnvironment();
// Returns the exit status; non-zero when the bank cannot be used.
int run(QApplication& app);
// The practice window first, then the rooms with the windows they make at start-up.
struct Windows;
}

struct Program::Windows {
    Windows();
    ~Windows();
    TForm10* form10 = nullptr;
    PracticeRoom* practice = nullptr;
    SupportRoom* support = nullptr;
    std::vector<std::unique_ptr<Room>> rooms;
};
