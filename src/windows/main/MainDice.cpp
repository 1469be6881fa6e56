// The dice of the main window: the roll from the pool, picking dice up by click or by a
// left-button drag, putting them back by Undo, by click or by a right-button drag.
#include "core/Program.h"
#include "ui/Resources.h"
#include "ui/SoundEffects.h"
#include "ui/ClickLabel.h"
#include "ui/Colours.h"
#include "rules/game/DiceHit.h"
#include "ui/Twips.h"
#include "windows/main/MainWindow.h"
#include "rules/game/RollsPerCategory.h"

#include <QMouseEvent>
#include <QTime>
#include <QTimer>

#include <algorithm>
#include <limits>

void Main::Roll() {
    if (!roll_->isEnabled()) return;
    try {
        undo_->setEnabled(false);
        game.entryLocked = false;

        --game.rollsLeft;
        if (game.rollsLeft == GameState::PoolSize - 1) timerPlay_->start();

        auto& random = program_.platform.random;
        random.seed(quint32(program_.platform.clock.now().time().msecsSinceStartOfDay() / 1000));
        if (game.rollsLeft >= 0)
            for (int i = 0; i < 6; ++i)
                if (!game.onTable[i]) game.dice[i] = int(random.next() * 6) + 1;

        for (ClickLabel* image : diceImages_) image->show();
        for (int i = 0; i < 6; ++i) {
            if (game.onTable[i]) continue;
            diceImages_[i]->setPixmap(resources::bitmap(10 * (i + 1) + game.dice[i]));
            game.onTable[i] = true;
        }

        showMrolls();
        QFont bold = rolls_->font();
        bold.setBold(true);
        rolls_->setFont(bold);
        setTextColour(rolls_, colours::White);
        rolls_->setText(QString::number(game.rollsLeft));

        roll_->setEnabled(false);
        sndA(SoundEffects::Dice);

        if (std::all_of(game.dice.begin(), game.dice.end(),
                        [&](int v) { return v == game.dice[0]; })) {
            sndA(SoundEffects::Yahoo);
            Say(program_.text(QStringLiteral("d5")));
        }
        if (game.rollsLeft <= 0 || game.categoriesLeft <= 0) {
            Say(program_.text(QStringLiteral("d4")));
            CheckKateg();
            if (!game.scoringPossible) timerEnd_->start();
        }
        CheckKateg();
    } catch (const RuntimeFailure& f) {
        failurePath(f, QStringLiteral(", Roll function"));
    }
}

void Main::showMrolls() {
    QFont plain = mrolls_->font();
    plain.setBold(false);
    mrolls_->setFont(plain);
    setTextColour(mrolls_, colours::Silver);
    mrolls_->setText(
        MrollsText(game.rollsLeft, game.categoriesLeft, program_.platform.clock.decimalSeparator()));
}

void Main::ImageClick(int die) {
    const int i = die - 1;
    if (i < 0 || i >= 6 || !game.onTable[i] || game.rollsLeft <= 0) return;
    diceImages_[i]->hide();
    game.onTable[i] = false;
    undo_->setEnabled(true);
    roll_->setEnabled(true);
}

void Main::UndoClick() {
    if (!undo_->isEnabled()) return;
    sndA(SoundEffects::Pop);
    for (ClickLabel* image : diceImages_) image->show();
    game.onTable.fill(true);
    roll_->setEnabled(true);
    undo_->setEnabled(false);
}

void Main::TimerPlayTick() {
    // The count is 16 bits wide; past nine hours of play it stays at its top.
    if (game.playSeconds < std::numeric_limits<qint16>::max()) ++game.playSeconds;
}

void Main::mousePressEvent(QMouseEvent* event) {
    const Qt::MouseButtons buttons = event->buttons();
    if (buttons == Qt::LeftButton) pickDrag_ = true;
    if (buttons == Qt::RightButton) returnDrag_ = true;
    if (!undo_->isEnabled()) return;
    const QPoint at = event->position().toPoint();
    for (int die : dice::hitAt(twips::fromPx(at.x()), twips::fromPx(at.y()))) {
        diceImages_[die - 1]->show();
        game.onTable[die - 1] = true;
        dragTouched_[die - 1] = true;
    }
}

void Main::mouseMoveEvent(QMouseEvent* event) {
    if (!pickDrag_ && !returnDrag_) return;
    const QPoint at = event->position().toPoint();
    for (int die : dice::hitAt(twips::fromPx(at.x()), twips::fromPx(at.y()))) {
        const int i = die - 1;
        if (pickDrag_ && !dragTouched_[i] && game.onTable[i]) {
            dragTouched_[i] = true;
            ImageClick(die);
        }
        if (undo_->isEnabled() && returnDrag_ && !dragTouched_[i] && !game.onTable[i]) {
            diceImages_[i]->show();
            dragTouched_[i] = true;
        }
    }
}

void Main::mouseReleaseEvent(QMouseEvent*) {
    if (pickDrag_ || returnDrag_) {
        for (int i = 0; i < 6; ++i) game.onTable[i] = !diceImages_[i]->isHidden();
        if (std::all_of(game.onTable.begin(), game.onTable.end(), [](bool on) { return on; }))
            roll_->setEnabled(false);
    }
    clearDrag();
}

void Main::clearDrag() {
    pickDrag_ = returnDrag_ = false;
    dragTouched_.fill(false);
}
