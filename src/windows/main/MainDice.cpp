// The dice of the main window: the roll from the pool, picking dice up by click or by a
// left-button drag, putting them back by Undo, by click or by a right-button drag. The game
// model decides; the window shows its table and plays the sounds.
#include "core/Program.h"
#include "rules/game/DiceHit.h"
#include "rules/game/RollsPerCategory.h"
#include "rules/sound/SoundNumbers.h"
#include "ui/ClickLabel.h"
#include "ui/Colours.h"
#include "ui/MessageDisplay.h"
#include "ui/Resources.h"
#include "ui/Twips.h"
#include "windows/main/MainWindow.h"

#include <QMouseEvent>
#include <QTime>
#include <QTimer>

void Main::Roll() {
    if (!model_.canRoll()) return;
    try {
        auto& random = program_.platform.random;
        random.seed(quint32(program_.platform.clock.now().time().msecsSinceStartOfDay() / 1000));
        const RollResult r = model_.roll([&random] { return random.next(); });
        if (r.firstOfGame) timerPlay_->start();

        for (int i = 0; i < 6; ++i)
            if (r.thrown[i])
                diceImages_[i]->setPixmap(
                    resources::bitmap(10 * (i + 1) + game().dice[i], devicePixelRatioF()));
        showTable();
        showMrolls();
        showRolls();
        showRollButtons();
        sndA(sound::Dice);

        if (r.allAlike) {
            sndA(sound::Yahoo);
            Say(program_.text(text::SixAlike));
        }
        if (r.lastRoll) {
            Say(program_.text(text::LastRoll));
            if (r.gameOver) timerEnd_->start();
        }
        CheckKateg(r.preview);
    } catch (const RuntimeFailure& f) {
        failurePath(f, QStringLiteral(", Roll function"));
    }
}

void Main::showTable() {
    for (int i = 0; i < 6; ++i)
        diceImages_[i]->setVisible(game().onTable[i]);
}

void Main::showRollButtons() {
    roll_->setEnabled(model_.canRoll());
    undo_->setEnabled(model_.canUndo());
}

void Main::showRolls() {
    QFont bold = rolls_->font();
    bold.setBold(true);
    rolls_->setFont(bold);
    setTextColour(rolls_, colours::White);
    rolls_->setText(QString::number(game().rollsLeft));
}

void Main::showMrolls() {
    QFont plain = mrolls_->font();
    plain.setBold(false);
    mrolls_->setFont(plain);
    setTextColour(mrolls_, colours::Silver);
    mrolls_->setText(MrollsText(game().rollsLeft, game().categoriesLeft,
                                program_.platform.clock.decimalSeparator()));
}

void Main::ImageClick(int die) {
    if (!model_.pickUp(die)) return;
    diceImages_[die - 1]->hide();
    showRollButtons();
}

void Main::UndoClick() {
    if (!model_.undo()) return;
    sndA(sound::Pop);
    showTable();
    showRollButtons();
}

void Main::TimerPlayTick() {
    model_.tick();
}

void Main::mousePressEvent(QMouseEvent* event) {
    const Qt::MouseButtons buttons = event->buttons();
    if (buttons == Qt::LeftButton) pickDrag_ = true;
    if (buttons == Qt::RightButton) returnDrag_ = true;
    const QPoint at = event->position().toPoint();
    for (int die : dice::hitAt(twips::fromPx(at.x()), twips::fromPx(at.y()))) {
        if (!model_.putBack(die)) break; // only while Undo is possible
        diceImages_[die - 1]->show();
        dragTouched_[die - 1] = true;
    }
}

void Main::mouseMoveEvent(QMouseEvent* event) {
    if (!pickDrag_ && !returnDrag_) return;
    const QPoint at = event->position().toPoint();
    for (int die : dice::hitAt(twips::fromPx(at.x()), twips::fromPx(at.y()))) {
        const int i = die - 1;
        if (pickDrag_ && !dragTouched_[i] && game().onTable[i]) {
            dragTouched_[i] = true;
            ImageClick(die);
        }
        // The die shows at once; it counts as on the table from the release.
        if (model_.canUndo() && returnDrag_ && !dragTouched_[i] && !game().onTable[i]) {
            diceImages_[i]->show();
            dragTouched_[i] = true;
        }
    }
}

void Main::mouseReleaseEvent(QMouseEvent*) {
    if (pickDrag_ || returnDrag_) {
        std::array<bool, 6> shown{};
        for (int i = 0; i < 6; ++i)
            shown[i] = !diceImages_[i]->isHidden();
        model_.settleTable(shown);
        showRollButtons();
    }
    clearDrag();
}

void Main::clearDrag() {
    pickDrag_ = returnDrag_ = false;
    dragTouched_.fill(false);
}
