#pragma once

#include <QTest>
#include <functional>

// A folder's test executable may hold several test classes: each registers
// itself with SIETARI_TEST, and the one main runs them all in turn.
int registerTest(std::function<int(int, char**)> run);

#define SIETARI_TEST(Class)                                                                        \
    static const int registered##Class = registerTest([](int argc, char** argv) {                  \
        Class test;                                                                                \
        return QTest::qExec(&test, argc, argv);                                                    \
    })
