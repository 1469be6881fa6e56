#include "platform/ScriptedPlatform.h"

#include "platform/MailAnswer.h"

namespace platform {

bool ScriptedBoxes::askYesNo(QWidget*, const QString& prompt, const QString& title, bool) {
    shown.append({RecordedBox::YesNo, prompt, title, BoxIcon::Question, {}});
    return yesNoAnswers.isEmpty() ? false : yesNoAnswers.takeFirst();
}

void ScriptedBoxes::message(QWidget*, const QString& text, const QString& title, BoxIcon icon) {
    shown.append({RecordedBox::Message, text, title, icon, {}});
}

QString ScriptedBoxes::input(QWidget*, const QString& prompt, const QString& title,
                             const QString& defaultText) {
    shown.append({RecordedBox::Input, prompt, title, BoxIcon::None, defaultText});
    return inputAnswers.isEmpty() ? defaultText : inputAnswers.takeFirst();
}

QString ScriptedBoxes::openFile(QWidget*, const QString& title, const QString& directory,
                                const QStringList& filters) {
    fileDialogs.append({title, directory, filters});
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

void ScriptedMail::send(const MailAccount& account, const MailMessage& message, QObject* receiver,
                        std::function<void(const MailResult&)> done) {
    sent.append({account, message});
    if (through) {
        through->send(account, message, receiver, std::move(done));
        return;
    }
    const MailResult result = results.isEmpty() ? MailResult{true, {}} : results.takeFirst();
    answerLater(receiver, std::move(done), result);
}

bool ScriptedSound::play(const QString& wavePath, bool wait) {
    played.append({wavePath, wait});
    return true;
}

bool ScriptedShell::open(const QString& addressOrPath) {
    opened.append(addressOrPath);
    return succeed;
}

QString ScriptedClock::shortDate(const QDate& date) const {
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

QString ScriptedClock::timeText(const QTime& time) const {
    return time.toString(QStringLiteral("HH:mm:ss"));
}

double ScriptedRandom::next() {
    return values.isEmpty() ? 0.0 : values.takeFirst();
}

void ScriptedRandom::queueFaces(std::initializer_list<int> faces) {
    // A die shows int(r * 6) + 1, so the middle of each sixth gives that face.
    for (int face : faces)
        values.append((face - 1 + 0.5) / 6.0);
}

} // namespace platform
