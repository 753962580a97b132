// calc: the calculator that the exam window starts beside the exam.
#include "calc_window.h"
#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("calc"));
    app.setApplicationDisplayName(QStringLiteral("计算器"));
    CalcWindow window;
    window.show();
    return app.exec();
}
