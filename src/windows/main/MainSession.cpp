// The game session of the main window: setting up a game, the end of each turn, the end of
// a game, and leaving.
#include "core/Program.h"
#include "ui/ClickLabel.h"
#include "ui/Colours.h"
#include "windows/main/MainWindow.h"
#include "ui/MessageDisplay.h"
#include "ui/SoundEffects.h"
#include "windows/main/TopTen.h"
#include "windows/main/TopTenLabels.h"
#include "core/Profile.h"

#include <QLineEdit>
#include <QTimer>

namespace {
const QString Options = QStringLiteral("Options");
// The indicator's fill by pulse phase: dark, brighter, brightest, held, back down, held.
QColor indicatorColour(int phase, const QColor& current) {
    switch (phase) {
    case 0: case 7: return QColor(0x40, 0, 0);
    case 1: case 6: return QColor(0x80, 0, 0);
    case 2: return QColor(0xC0, 0, 0);
    default: return current;
    }
}
} // namespace

void Main::Restart() {
    try {
        roll_->setEnabled(true);
        sounds_->reset();
        display_->stop();

        game.upperFilled = 0;
        game.upperBalance = -GameState::UpperTarget;
        bonus_->setText(QString::number(game.upperBalance));
        setTextColour(bonus_, colours::LightRed);

        game.bonusAwarded = false;
        game.entryLocked = false;
        game.rollsLeft = GameState::PoolSize;
        game.categoriesLeft = GameState::CategoryCount;
        game.total = 0;
        rolls_->setText(QString::number(game.rollsLeft));
        mrolls_->clear();
        game.playSeconds = 0;

        // Loading the settings window selects and applies the language, so it is loaded here,
        // hidden, before the first message, with no page laid out; once loaded it is left as
        // it is.
        if (!settings_) {
            program_.settingsMode.clear();
            loadSettings();
        }

        game.onTable.fill(false);
        game.dice.fill(0);
        indik_->hide();
        for (ClickLabel* image : diceImages_) image->hide();

        total_->setText(QString::number(game.total));
        game.categoryScore.fill(0);

        undo_->setEnabled(false);
        for (ClickLabel* c : categories_) c->setForeground(colours::White);

        scores::UpdatTopp(program_, toppLabels(), topTen_->newPlace());
        PlaceAll();

        if (!welcomeShown) {
            welcomeShown = true;
            Say(program_.text(QStringLiteral("d1")));
        } else {
            Say(program_.text(QStringLiteral("d6")));
        }
    } catch (const RuntimeFailure& f) {
        failurePath(f, QStringLiteral(", Restart function"));
    }
}

bool Main::confirm(const QString& warnKey, const QString& promptKey) {
    if (!profile::switchY(Options, warnKey, program_.iniPath())) return true;
    return program_.platform.boxes.askYesNo(this, program_.text(promptKey),
                                            program_.text(QStringLiteral("b1")), true);
}

void Main::NyttSpel() {
    if (confirm(QStringLiteral("WarnNewGame"), QStringLiteral("b2"))) Restart();
}

void Main::Avsluta() {
    if (!confirm(QStringLiteral("WarnExit"), QStringLiteral("b6"))) return;
    // The unpacked resources are removed here once the package exists.
    if (program_.quit) program_.quit();
}

void Main::Varje() {
    Say(program_.text(QStringLiteral("d2")) + QStringLiteral(": ") + QString::number(game.total));
    --game.categoriesLeft;
    sndA(SoundEffects::Points);
    RemoveAll();
    indik_->hide();
    timerIndik_->stop();
    if (game.rollsLeft <= 0 || game.categoriesLeft <= 0) {
        roll_->setEnabled(false);
        timerEnd_->start();
    }
}

void Main::NoAble() {
    sounds_->playRefused();
    Say(program_.text(QStringLiteral("d3")));
}

void Main::TimerEndTick() {
    // Stopped first: the scoring's boxes run their own event loops, and the end of a game
    // must run once.
    timerEnd_->stop();
    timerPlay_->stop();
    topTen_->GeKey(game.total);
    const scores::Scored scored = topTen_->KollaScore(game.total, game.playSeconds, toppLabels(), this);
    if (!scored.ran) return;
    Restart();
    const QString ini = program_.iniPath();
    profile::writeNumber(QStringLiteral("Session"), QStringLiteral("total"),
                         qint64(profile::readNumber(QStringLiteral("Session"), QStringLiteral("total"), ini)) + 1,
                         ini);
}

void Main::TimerIndikTick() {
    ++indicatorPhase;
    indik_->setFillColor(indicatorColour(indicatorPhase, indik_->fillColor()));
    if (indicatorPhase == 11) indicatorPhase = -1;
}

void Main::Command1Click() { game.rollsLeft = 1; }

void Main::Command2Click() { Say(text1_->text()); }

void Main::ToppClick(int place) { selectedPlace = place; }
