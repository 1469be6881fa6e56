#include "windows/main/TopTenLabels.h"

#include "core/Program.h"
#include "rules/scores/HighscoreList.h"
#include "ui/Resources.h"

#include <QLabel>

namespace scores {
namespace {
// The labels for places 1..10 that exist; a short list leaves the missing places out.
template <class F> void eachPlace(const QList<QLabel*>& labels, F f) {
    for (int n = 1; n <= Places && n <= labels.size(); ++n)
        if (QLabel* label = labels[n - 1]) f(n, label);
}
} // namespace

void UpdatTopp(const Program& program, const QList<QLabel*>& labels, int newPlace) {
    using namespace ini::highscore;
    const TarnIni& ini = program.ini;
    eachPlace(labels, [&](int n, QLabel* label) {
        QFont font = label->font();
        font.setBold(n == newPlace);
        label->setFont(font);
        const QString caption =
            toppCaption(n, ini.get(points, n), ini.get(name, n), ini.get(key, n));
        if (!caption.isEmpty()) label->setText(caption);
    });

    if (!ini.get(ini::options::ShowHelpText)) {
        eachPlace(labels, [](int, QLabel* label) { label->setToolTip(QString()); });
        return;
    }
    const QString h1 = program.text(text::SendTip);
    eachPlace(labels, [&](int n, QLabel* label) {
        const QString stored = ini.get(points, n);
        label->setToolTip(toppTooltip(true, h1, stored));
        if (wholePoints(stored) > 0) {
            label->show();
            label->setCursor(
                resources::cursor(resources::PointingHand, label->devicePixelRatioF()));
        } else {
            label->hide();
        }
    });
}

} // namespace scores
