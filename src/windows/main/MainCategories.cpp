// The categories of the main window: entering the roll in a category, the upper bonus, and
// the preview of every open category after each roll.
#include "core/Program.h"
#include "rules/game/Categories.h"
#include "rules/sound/SoundNumbers.h"
#include "ui/ClickLabel.h"
#include "ui/Colours.h"
#include "ui/Layout.h"
#include "windows/main/MainWindow.h"

#include <QTimer>

void Main::EnterCategory(int id) {
    const EntryResult entry = model_.enter(id);
    if (entry.outcome == EntryOutcome::Ignored) return;
    if (entry.outcome == EntryOutcome::Rejected) {
        NoAble();
        return;
    }
    QLabel* score = scores_[id - 1];
    setTextColour(score, entry.best ? colours::White : colours::Gold);
    score->setText(QString::number(entry.score));
    total_->setText(QString::number(entry.totalBefore));
    categories_[id - 1]->setEnabled(false);
    Varje(entry.totalBefore);
    if (entry.upper) bonusVarje(entry.bonus);
    if (entry.yatzy) {
        sndA(sound::Yatzy);
        Say(yatzyMessage(entry.score));
    }
}

void Main::bonusVarje(BonusOutcome outcome) {
    bonus_->setText(bonusCaption(outcome, game().upperBalance));
    setTextColour(bonus_, outcome == BonusOutcome::Running ? colours::LightRed : colours::Gold);
    if (outcome == BonusOutcome::Awarded) sndA(sound::Bonus);
    total_->setText(QString::number(game().total));
    const QString message = bonusMessage(outcome, program_.text(text::NoBonus));
    if (!message.isEmpty()) Say(message);
}

void Main::CheckKateg(const preview::Result& result) {
    for (const Category& c : Categories) {
        ClickLabel* label = categories_[c.id - 1];
        const preview::Look look = result.look[c.id - 1];
        if (look == preview::Look::Unchanged) continue;
        label->setForeground(look == preview::Look::NoFit ? colours::Gray : colours::White);
        label->setToolTip(look == preview::Look::Fits
                              ? preview::toolTip(c.id, program_.text(QLatin1String(c.nameKey)),
                                                 result.score[c.id - 1])
                              : QString());
    }

    if (result.marked == 0) {
        indik_->hide();
        return;
    }
    indik_->move(indik_->x(), twips::px(preview::markerTop(result.marked)));
    if (program_.ini.get(ini::options::ShowRedSquare)) {
        indik_->show();
        indik_->raise();
        timerIndik_->start();
    }
}

void Main::hideRedSquare() {
    indik_->hide();
}
