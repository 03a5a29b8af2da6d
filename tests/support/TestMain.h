#pragma once

#include "app/Application.h"

#include <QApplication>
#include <QTest>

// QTEST_MAIN, started as the program starts: the application named as the
// program names itself, so message box titles and the About box read as they
// do for a user, and a write past a file-size limit failing as it does there.
#define ZIVENTA_TEST_MAIN(TestClass)                \
    int main(int argc, char *argv[])                \
    {                                               \
        app::ignoreFileSizeLimitSignal();           \
        QApplication application(argc, argv);       \
        app::configureApplication(application);     \
        TestClass test;                             \
        return QTest::qExec(&test, argc, argv);     \
    }
