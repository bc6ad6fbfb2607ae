// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DesktopPlatform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUrl>
#include <chrono>

namespace {
const QString kTitle = QStringLiteral("Sietari");
}

Platform::Answer DesktopPlatform::messageBox(QWidget* owner, const QString& text, Icon icon,
                                             Buttons buttons) {
    QMessageBox box(icon == Icon::Question ? QMessageBox::Question : QMessageBox::Warning, kTitle,
                    text, QMessageBox::Ok, owner);
    if (buttons == Buttons::OkCancel) box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

QString DesktopPlatform::inputBox(QWidget* owner, const QString& prompt, const QString& title,
                                  const QString& text) {
    bool accepted = false;
    const QString answer =
        QInputDialog::getText(owner, title, prompt, QLineEdit::Normal, text, &accepted);
    return accepted ? answer : QString();
}

void DesktopPlatform::openWithDesktop(const QString& target, const QString& folder) {
    const QUrl url = QUrl(target).scheme().size() > 1
                         ? QUrl(target)
                         : QUrl::fromLocalFile(QDir(folder).absoluteFilePath(target));
    QDesktopServices::openUrl(url);
}

void DesktopPlatform::runModal(QDialog* dialog) {
    dialog->exec();
}

void DesktopPlatform::seedRandomFromClock() {
    generator_.seed(
        static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

double DesktopPlatform::nextRandom() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator_);
}

void DesktopPlatform::nameProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("sietari"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.0"));
    // Names the installed org.example.sietari.desktop, whose icon a Wayland desktop shows.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.sietari"));
}

QString DesktopPlatform::programFolder() const {
    return QCoreApplication::applicationDirPath();
}

QString DesktopPlatform::userDataFolder() const {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

// An unpacked install finds its files relative to the program, wherever the
// prefix is; the system's data folders come after.
QStringList DesktopPlatform::sharedDataFolders() const {
    QStringList folders{QDir::cleanPath(programFolder() + QStringLiteral("/../share/sietari"))};
    for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::AppDataLocation))
        if (folder != userDataFolder() && !folders.contains(folder)) folders << folder;
    return folders;
}
