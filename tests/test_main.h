#pragma once

#include <QApplication>
#include <QTest>

// A test's main as the program runs: Italian separators for amounts, whatever
// the machine's locale, and the program's title for message boxes.
#define VALUTRINO_TEST_MAIN(TestClass)                                                                                 \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        qputenv("LC_ALL", "it_IT.UTF-8");                                                                              \
        QApplication app(argc, argv);                                                                                  \
        QApplication::setApplicationName(QStringLiteral("Valutrino"));                                                 \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
