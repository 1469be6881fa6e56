// The game session of the main window: setting up a game, the end of each turn, the end of
// a game, and leaving.
#include "core/Program.h"
#include "rules/sound/SoundNumbers.h"
#include "ui/ClickLabel.h"
#include "ui/Colours.h"
#include "ui/MessageDisplay.h"
#include "ui/SoundEffects.h"
#include "windows/main/MainWindow.h"
#include "windows/main/TopTen.h"
#include "windows/main/TopTenLabels.h"

#include <QLineEdit>
#include <QTimer>

namespace {
// The indicator's fill by pulse phase: dark, brighter, brightest, held, back down, held.
QColor indicatorColour(int phase, const QColor& current) {
    switch (phase) {
    case 0:
    case 7:
        return QColor(0x40, 0, 0);
    case 1:
    case 6:
        return QColor(0x80, 0, 0);
    case 2:
        return QColor(0xC0, 0, 0);
    default:
        return current;
    }
}
} // namespace

void Main::Restart() {
    try {
        model_ = GameModel::newGame();
        sounds_->reset();
        display_->stop();

        bonus_->setText(bonusBalanceCaption(game().upperBalance));
        setTextColour(bonus_, colours::LightRed);
        rolls_->setText(QString::number(game().rollsLeft));
        mrolls_->clear();

        // Loading the settings window selects and applies the language, so it is loaded here,
        // hidden, before the first message; once loaded it is left as it is.
        emit settingsNeeded();

        indik_->hide();
        showTable();
        showRollButtons();
        total_->setText(QString::number(game().total));
        for (ClickLabel* c : categories_)
            c->setForeground(colours::White);

        scores::UpdatTopp(program_, toppLabels(), topTen_->newPlace());
        PlaceAll();

        if (!welcomeShown_) {
            welcomeShown_ = true;
            Say(program_.text(text::Welcome));
        } else {
            Say(program_.text(text::NewGame));
        }
    } catch (const RuntimeFailure& f) {
        failurePath(f, QStringLiteral(", Restart function"));
    }
}

bool Main::confirm(const ini::SwitchKey& warning, text::Key prompt) {
    if (!program_.ini.get(warning)) return true;
    return program_.platform.boxes.askYesNo(this, program_.text(prompt),
                                            program_.text(text::ConfirmTitle), true);
}

void Main::NyttSpel() {
    if (confirm(ini::options::WarnNewGame, text::AskNewGame)) Restart();
}

void Main::Avsluta() {
    if (!confirm(ini::options::WarnExit, text::AskExit)) return;
    DelRes();
    if (program_.quit) program_.quit();
}

void Main::Varje(int total) {
    Say(program_.text(text::Total) + QStringLiteral(": ") + QString::number(total));
    sndA(sound::Points);
    RemoveAll();
    indik_->hide();
    timerIndik_->stop();
    if (model_.isOver()) timerEnd_->start();
}

void Main::NoAble() {
    sounds_->playRefused();
    Say(program_.text(text::DoesNotFit));
}

void Main::TimerEndTick() {
    // Stopped first: the scoring's boxes run their own event loops, and the end of a game
    // must run once.
    timerEnd_->stop();
    timerPlay_->stop();
    topTen_->GeKey(game().total);
    const scores::Scored scored =
        topTen_->KollaScore(game().total, game().playSeconds, toppLabels(), this);
    if (scored.ran) Restart();
}

void Main::TimerIndikTick() {
    ++indicatorPhase_;
    indik_->setFillColor(indicatorColour(indicatorPhase_, indik_->fillColor()));
    if (indicatorPhase_ == 11) indicatorPhase_ = -1;
}

void Main::Command1Click() {
    model_.leaveOneRoll();
}

void Main::Command2Click() {
    Say(text1_->text());
}

void Main::sayTotalAgain() {
    display_->sayTimer()->start();
}

void Main::clearTopList() {
    for (ClickLabel* t : topp_) {
        t->clear();
        t->hide();
    }
}
