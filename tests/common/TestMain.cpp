#include "TestMain.h"

#include <QApplication>
#include <vector>

namespace {
std::vector<std::function<int(int, char**)>>& tests() {
    static std::vector<std::function<int(int, char**)>> all;
    return all;
}
} // namespace

int registerTest(std::function<int(int, char**)> run) {
    tests().push_back(std::move(run));
    return int(tests().size());
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failed = 0;
    for (const auto& run : tests())
        failed += run(argc, argv);
    return failed;
}
