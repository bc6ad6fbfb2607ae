#pragma once

#include <QObject>
#include <functional>
#include <memory>

// Every test class of a folder registers itself here, so one executable per
// folder runs them all and CTest sees one result per subsystem.
bool registerTestClass(std::function<std::unique_ptr<QObject>()> make);

#define SIETARI_REGISTER_TEST(Class)                                                               \
    static const bool registered##Class =                                                          \
        registerTestClass([] { return std::unique_ptr<QObject>(new Class); });
