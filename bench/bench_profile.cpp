// Times GetINI and SetINI on a language-sized profile file of about 100 keys.
#include "core/Profile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

int main() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("English.lan"));
    QByteArray content = "[Info]\r\nInternational=English\r\nNational=English\r\n[Language]\r\n";
    for (int i = 1; i <= 100; ++i)
        content += "k" + QByteArray::number(i) + "=A text of a language file, number " +
                   QByteArray::number(i) + "\r\n";
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size()) return 1;
    f.close();

    constexpr int Rounds = 20;
    qint64 best = -1, sum = 0;
    for (int round = 0; round < Rounds; ++round) {
        QElapsedTimer t;
        t.start();
        for (int i = 1; i <= 100; ++i)
            if (GetINI(QStringLiteral("Language"), QStringLiteral("k%1").arg(i), path).isEmpty())
                return 1;
        const qint64 ns = t.nsecsElapsed();
        sum += ns;
        best = best < 0 ? ns : std::min(best, ns);
    }
    std::printf("100 GetINI lookups (100-key file): best %.3f ms, mean %.3f ms over %d rounds\n",
                best / 1e6, sum / 1e6 / Rounds, Rounds);

    best = -1;
    sum = 0;
    for (int round = 0; round < Rounds; ++round) {
        QElapsedTimer t;
        t.start();
        if (!SetINI(QStringLiteral("Language"), QStringLiteral("k50"),
                    QStringLiteral("Value %1").arg(round), path))
            return 1;
        const qint64 ns = t.nsecsElapsed();
        sum += ns;
        best = best < 0 ? ns : std::min(best, ns);
    }
    std::printf("1 SetINI (100-key file, atomic replace with fsync): best %.3f ms, mean %.3f ms\n",
                best / 1e6, sum / 1e6 / Rounds);
    return 0;
}
