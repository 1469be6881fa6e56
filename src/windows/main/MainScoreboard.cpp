// The scoreboard of the main window: its places at every game start, and the clearing of the
// table at the end of every turn.
#include "rules/game/Categories.h"
#include "ui/ClickLabel.h"
#include "ui/Colours.h"
#include "ui/Layout.h"
#include "windows/main/MainWindow.h"

void Main::PlaceAll() {
    using namespace layout;
    indik_->setGeometry(twips::px(IndikLeft), indik_->y(), twips::px(IndikSize),
                        twips::px(IndikSize));
    rolls_->setGeometry(layout::Rolls.px());
    mrolls_->setGeometry(layout::Mrolls.px());
    bonus_->setGeometry(layout::Bonus.px());
    total_->setGeometry(layout::scr_Tot.px());
    for (int id = 1; id <= CategoryCount; ++id) {
        ClickLabel* label = categories_[id - 1];
        label->setGeometry(twips::px(CategoryLeft), label->y(), twips::px(CategoryWidth),
                           label->height());
        label->setEnabled(model_.isOpen(id));
    }
    // Every score row keeps its fixed offset from the first, following the painted slots.
    for (int id = 1; id <= CategoryCount; ++id) {
        QLabel* score = scores_[id - 1];
        score->setGeometry(twips::px(ScoreLeft), twips::px(ScoreTop1 + ScoreOffset[id - 1]),
                           twips::px(ScoreWidth), score->height());
    }
    for (QLabel* score : scores_)
        score->clear();
}

void Main::RemoveAll() {
    showTable();
    showRollButtons();
    for (ClickLabel* c : categories_)
        c->setForeground(colours::Gray);
}
