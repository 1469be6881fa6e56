#include "windows/main/TopTenLabels.h"

#include "core/Program.h"
#include "ui/Resources.h"
#include "rules/scores/HighscoreList.h"
#include "platform/ProfileFile.h"
#include "core/Profile.h"

#include <QLabel>

namespace scores {
namespace {
const QString Highscore = QStringLiteral("Highscore");

QString read(char prefix, int place, const QString& ini) {
    return GetINI(Highscore, QLatin1Char(prefix) + QString::number(place), ini);
}

// The labels for places 1..10 that exist; a short list leaves the missing places out.
template <class F> void eachPlace(const QList<QLabel*>& labels, F f) {
    for (int n = 1; n <= Places && n <= labels.size(); ++n)
        if (QLabel* label = labels[n - 1]) f(n, label);
}
} // namespace

void UpdatTopp(const Program& program, const QList<QLabel*>& labels, int newPlace) {
    const QString ini = program.iniPath();
    eachPlace(labels, [&](int n, QLabel* label) {
        QFont font = label->font();
        font.setBold(n == newPlace);
        label->setFont(font);
        const QString caption =
            toppCaption(n, read('p', n, ini), read('n', n, ini), read('k', n, ini));
        if (!caption.isEmpty()) label->setText(caption);
    });

    if (!profile::switchY(QStringLiteral("Options"), QStringLiteral("ShowHelpText"), ini)) {
        eachPlace(labels, [](int, QLabel* label) { label->setToolTip(QString()); });
        return;
    }
    const QString h1 = program.text(QStringLiteral("h1"));
    eachPlace(labels, [&](int n, QLabel* label) {
        const QString points = read('p', n, ini);
        label->setToolTip(toppTooltip(true, h1, points));
        if (wholePoints(points) > 0) {
            label->show();
            label->setCursor(resources::cursor(resources::PointingHand));
        } else {
            label->hide();
        }
    });
}

bool ClearHighscore(const Program& program, const QList<QLabel*>& labels, QWidget* parent) {
    if (!program.platform.boxes.askYesNo(parent, program.text(QStringLiteral("b7")),
                                         program.text(QStringLiteral("b1")), true))
        return false;
    const QString ini = program.iniPath();
    eachPlace(labels, [](int, QLabel* label) { label->clear(); });
    QList<profile::Write> writes;
    for (int n = 1; n <= Places; ++n) {
        const QString suffix = QString::number(n);
        writes.append({Highscore, QStringLiteral("n") + suffix, QString()});
        writes.append({Highscore, QStringLiteral("k") + suffix, QString()});
        writes.append({Highscore, QStringLiteral("d") + suffix, QString()});
        writes.append({Highscore, QStringLiteral("p") + suffix, QStringLiteral("0")});
    }
    profile::writeStrings(writes, ini);
    eachPlace(labels, [](int, QLabel* label) { label->hide(); });
    program.log.AppendLog(QStringLiteral("Clear highscore"));
    return true;
}

} // namespace scores
