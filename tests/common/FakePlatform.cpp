#include "FakePlatform.h"

Platform::Answer FakePlatform::messageBox(QWidget*, const QString& text, Icon icon,
                                          Buttons buttons) {
    messages.append({text, icon, buttons});
    if (answers.empty())
        return Answer::Ok;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

QString FakePlatform::inputBox(QWidget*, const QString& prompt, const QString& title,
                               const QString&) {
    prompts.append(title + QLatin1Char('|') + prompt);
    if (inputs.empty())
        return QString();
    const QString answer = inputs.front();
    inputs.pop_front();
    return answer;
}

void FakePlatform::openWithDesktop(const QString& target, const QString& folder) {
    opened.append(folder + QLatin1Char('|') + target);
}

double FakePlatform::nextRandom() {
    if (randoms.empty())
        return 0.0;
    const double u = randoms.front();
    randoms.pop_front();
    return u;
}
