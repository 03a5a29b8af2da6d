#pragma once

#include "app/Application.h"

#include <QApplication>
#include <QTest>

// QTEST_MAIN, with the application named as the program names itself, so
// message box titles and the About box read as they do for a user.
#define ZIVENTA_TEST_MAIN(TestClass)                \
    int main(int argc, char *argv[])                \
    {                                               \
        QApplication application(argc, argv);       \
        app::configureApplication(application);     \
        TestClass test;                             \
        return QTest::qExec(&test, argc, argv);     \
    }
