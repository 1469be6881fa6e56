// Writes one key over and over until killed; the crash-safety test kills it mid-write.
#include "core/Profile.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    if (argc < 2) return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    for (qint64 i = 1;; ++i) {
        const QString value = (i % 2) ? QStringLiteral("new") : QStringLiteral("old");
        SetINI(QStringLiteral("Options"), QStringLiteral("Value"), value, path);
        SetINI(QStringLiteral("Highscore"), QStringLiteral("p1"), QString::number(i), path);
    }
}
