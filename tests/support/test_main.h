#pragma once
#include "app/program.h"
#include <QApplication>
#include <QTest>

// The web engine needs its settings before the application object exists.
#define KAIVORA_TEST_MAIN(TestClass)                      \
    int main(int argc, char* argv[])                      \
    {                                                     \
        Program::prepareEnvironment();                    \
        QApplication app(argc, argv);                     \
        app.setApplicationDisplayName(QStringLiteral("Kaivora")); \
        TestClass test;                                   \
        return QTest::qExec(&test, argc, argv);           \
    }
