#include "TestMain.h"

#include <QApplication>
#include <QTest>
#include <vector>

namespace {
std::vector<std::function<std::unique_ptr<QObject>()>>& registry() {
    static std::vector<std::function<std::unique_ptr<QObject>()>> makers;
    return makers;
}
} // namespace

bool registerTestClass(std::function<std::unique_ptr<QObject>()> make) {
    registry().push_back(std::move(make));
    return true;
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failures = 0;
    for (const auto& make : registry()) {
        const std::unique_ptr<QObject> test = make();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
