// Scripted boxes and recording services for tests.
#include "ui/fake_platform.h"

#include <QFileInfo>

namespace vondrik {

void FakeMessageBox::script(std::initializer_list<MessageAnswer> answers) {
    for (MessageAnswer answer : answers) {
        script_.enqueue(answer);
    }
}

MessageAnswer FakeMessageBox::ask(const QString& text, const QString& title, MessageIcon icon,
                                  MessageButtons buttons) {
    const QList<MessageAnswer> choices = answersOffered(buttons);
    MessageAnswer answer = choices.first();
    if (script_.isEmpty()) {
        problems.append(QStringLiteral("unscripted message box: ") + text);
    } else {
        answer = script_.dequeue();
        if (!choices.contains(answer)) {
            problems.append(QStringLiteral("scripted answer not offered by: ") + text);
        }
    }
    shown_.append({text, title, icon, buttons, answer});
    return answer;
}

void FakeInputBox::script(const QStringList& answers) {
    for (const QString& answer : answers) {
        script_.enqueue(answer);
    }
}

QString FakeInputBox::ask(const QString& prompt, const QString& title, const QString& defaultText) {
    QString answer;
    if (script_.isEmpty()) {
        problems.append(QStringLiteral("unscripted input box: ") + prompt);
    } else {
        answer = script_.dequeue();
    }
    asked_.append({prompt, title, defaultText, answer});
    return answer;
}

bool FakeSoundPlayer::start(const QString& path, bool loop) {
    const bool found = QFileInfo(path).isFile();
    played.append({path, loop, found});
    return found;
}

QByteArray FakeHttpGetter::get(const QUrl& url, int timeoutMs) {
    requests.append({url, timeoutMs});
    return bodies_.value(url);
}

void FakeRandom::script(std::initializer_list<double> values) {
    for (double value : values) {
        script_.enqueue(value);
    }
}

double FakeRandom::next() {
    if (!script_.isEmpty()) {
        return script_.dequeue();
    }
    ++drawsBeyondScript;
    return fallback_.next();
}

FakePlatform::FakePlatform(const QString& appRoot)
    : appFolder(appRoot), clock(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9))) {}

}  // namespace vondrik
