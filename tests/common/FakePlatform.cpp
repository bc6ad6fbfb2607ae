#include "FakePlatform.h"

#include <QDialog>
#include <QFile>

namespace {
// The start layout of the pieces, as the editor would save it.
const QByteArray kStartLayout =
    "170.11,169.71\r\n118.64,169.71\r\n170.11,118.25\r\n170.11,118.25\r\n42.82,133.96\r\n"
    "78.96,170.11\r\n6.68,170.11\r\n6.68,170.11\r\n24.75,111.96\r\n6.68,93.89\r\n6.68,130.04\r\n"
    "6.68,130.04\r\n98.61,152.04\r\n80.54,170.11\r\n116.68,170.11\r\n116.68,170.11\r\n"
    "117.46,132.79\r\n99.39,150.86\r\n117.46,168.93\r\n135.54,150.86\r\n6.68,132\r\n"
    "6.68,168.14\r\n24.75,150.07\r\n24.75,113.93\r\n79.75,168.54\r\n53.82,142.61\r\n"
    "105.68,142.61\r\n105.68,142.61\r\n";

// The front of a queue, taken off it; `none` once it runs dry.
template <class T> T next(std::deque<T>& queue, T none) {
    if (queue.empty()) return none;
    none = queue.front();
    queue.pop_front();
    return none;
}
} // namespace

FakePlatform::FakePlatform()
    : folder(programDir.path()),
      userFolder(dataDir.filePath("user")), shared{dataDir.filePath("share")} {
    writeCatalogue(figureRecord("INICIO"));
}

QByteArray FakePlatform::figureRecord(const QByteArray& name) {
    return '"' + name + "\"\r\n" + kStartLayout;
}

void FakePlatform::writeCatalogue(const QByteArray& bytes) const {
    QFile file(folder + QStringLiteral("/Sietari.dat"));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
}

Platform::Answer FakePlatform::messageBox(QWidget*, const QString& text, Icon icon,
                                          Buttons buttons) {
    messages.append({text, icon, buttons});
    return next(answers, Answer::Ok);
}

QString FakePlatform::inputBox(QWidget*, const QString&, const QString&, const QString&) {
    return next(inputs, QString());
}

void FakePlatform::openWithDesktop(const QString& target, const QString& folder) {
    opened.append(folder + QLatin1Char('|') + target);
}

void FakePlatform::runModal(QDialog* dialog) {
    modals.append(dialog->windowTitle());
    if (onModal) onModal(dialog);
}

double FakePlatform::nextRandom() {
    if (randoms.empty()) return std::uniform_real_distribution<double>(0.0, 1.0)(fallback_);
    return next(randoms, 0.0);
}
