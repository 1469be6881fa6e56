// On-line submission of a top-10 entry: the offer, the wait for a user, and the address the
// browser opens. The game never sees the answer; the browser shows it.
#include "core/Program.h"
#include "rules/language/LanguageFile.h"
#include "rules/scores/ScoreKey.h"
#include "rules/scores/Submission.h"
#include "rules/users/UserList.h"
#include "windows/main/MainWindow.h"

#include <QTimer>

void Main::ToppClick(int place) {
    selectedPlace_ = place;
    SendX();
}

void Main::SendX() {
    if (!program_.platform.boxes.askYesNo(this, program_.text(text::AskSend),
                                          program_.text(text::ConfirmTitle), true))
        return;
    waitingForUser_ = false;
    // Without a user, or when the player wants to see who sends, the user page comes first.
    if (users::count(program_.ini) == 0 || program_.ini.get(ini::options::ShowUser)) {
        waitingForUser_ = true;
        emit settingsRequested(QStringLiteral("user"));
    }
    timerUser_->start();
}

void Main::userReady() {
    if (!waitingForUser_) return;
    waitingForUser_ = false;
    timerUser_->start();
}

QString Main::submission() const {
    const TarnIni& ini = program_.ini;
    const QString user = users::selected(ini);
    const int place = selectedPlace_;
    scores::Submission s;
    s.send = ini.get(ini::internet::send);
    s.user = ini.get(ini::users::user, user);
    s.pass = ini.get(ini::users::pass, user);
    s.version = scores::versionNumber(Program::version);
    s.revision = Program::revision;
    s.date = ini.get(ini::highscore::date, place);
    s.todayStamp = scores::dateStamp(program_.platform.clock.now().date());
    s.points = ini.get(ini::highscore::points, place);
    s.key = ini.get(ini::highscore::key, place);
    s.lan = language::international(program_.languageFile);
    s.workArea = program_.platform.desktop.workArea(this).size();
    s.os = scores::osFamily(program_.platform.desktop.systemName());
    return scores::submissionAddress(s);
}

void Main::TimerUserTick() {
    // The timer keeps ticking while the settings window waits for a user.
    if (waitingForUser_) return;
    Say(program_.text(text::Sending));
    timerSending_->start();
    sendAddress_ = submission();
    timerUser_->stop();

    TarnIni& ini = program_.ini;
    ini.raise(ini::internet::entries);
    const QString user = users::selectedName(ini);
    Logg(QStringLiteral("Send highscore. User: ") + user + QStringLiteral(", points: ") +
         ini.get(ini::highscore::points, selectedPlace_) + QStringLiteral(", key: ") +
         ini.get(ini::highscore::key, selectedPlace_));
}

void Main::TimerSendingTick() {
    program_.platform.shell.open(sendAddress_);
    Say(program_.text(text::Total) + QStringLiteral(": ") + QString::number(game().total));
    timerSending_->stop();
}
