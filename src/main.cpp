#include "app/program.h"
#include <QApplication>

int main(int argc, char* argv[])
{
    Program::prepareEnvironment();
    QApplication app(argc, argv);
    return Program::run(app);
}
