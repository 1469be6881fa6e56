// The categories of the main window: entering the roll in a category, the upper bonus, and
// the preview of every open category after each roll.
#include "core/Program.h"
#include "rules/game/Categories.h"
#include "ui/ClickLabel.h"
#include "ui/Colours.h"
#include "rules/game/Entry.h"
#include "ui/Layout.h"
#include "windows/main/MainWindow.h"
#include "rules/game/Preview.h"
#include "rules/game/UpperBonus.h"
#include "core/Profile.h"

#include <QTimer>

void Main::EnterCategory(int id) {
    if (!isCategoryId(id)) return;
    ClickLabel* label = categories_[id - 1];
    const EntryResult entry = enterCategory(game, id, label->isEnabled());
    if (entry.outcome == EntryOutcome::Ignored) return;
    if (entry.outcome == EntryOutcome::Rejected) {
        NoAble();
        return;
    }
    QLabel* score = scores_[id - 1];
    setTextColour(score, entry.best ? colours::White : colours::Gold);
    score->setText(QString::number(entry.score));
    total_->setText(QString::number(game.total));
    label->setEnabled(false);
    Varje();
    if (entry.upper) bonusVarje();
    if (entry.yatzy) {
        sndA(YatzySound);
        Say(yatzyMessage(entry.score));
    }
}

void Main::bonusVarje() {
    const BonusResult bonus = ::bonusVarje(game, program_.text(QStringLiteral("d8")));
    bonus_->setText(bonus.caption);
    setTextColour(bonus_, bonus.outcome == BonusOutcome::Running ? colours::LightRed : colours::Gold);
    if (bonus.sound) sndA(bonus.sound);
    total_->setText(QString::number(game.total));
    if (!bonus.message.isEmpty()) Say(bonus.message);
}

void Main::CheckKateg() {
    std::array<bool, CategoryCount> open{};
    for (int i = 0; i < CategoryCount; ++i) open[i] = categories_[i]->isEnabled();
    const preview::Result result = preview::CheckKateg(game.dice, open, game.rollsLeft);
    game.scoringPossible = result.scoringPossible;

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
    if (GetINI(QStringLiteral("Options"), QStringLiteral("ShowRedSquare"), program_.iniPath()) ==
        profile::Yes) {
        indik_->show();
        indik_->raise();
        timerIndik_->start();
    }
}
