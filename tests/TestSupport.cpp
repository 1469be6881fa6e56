#include "TestSupport.h"

#include "core/Profile.h"
#include "windows/main/MainWindow.h"

#include <QFile>
#include <QFileInfo>

TestGame::TestGame(const QByteArray& ini, const std::function<void(TestProgram&)>& setUp) {
    if (!ini.isEmpty()) writeBytes(t.ini(), ini);
    t.useLanguage({"b1=Tarnwick",   "b2=Start a new game", "b3=New highscore",   "b4=Your name?",
                   "b5=Game over!", "b6=Leave the game",   "b7=Clear the list?", "d1=Welcome",
                   "d2=Total",      "d3=Not allowed",      "d4=Last roll",       "d5=Six alike",
                   "d6=New game",   "d8=No bonus",         "h8=Minimise",        "s1=Nobody",
                   "s2=Member",     "s6=Visit us",         "s18=Wake",           "s19=Setup",
                   "s22=Playing:"});
    // The program directory holds its package, as the build lays it out.
    writeBytes(t.path(QStringLiteral("Res.pac")), packageBytes({{"Test.wav", "RIFF"}}));
    if (setUp) setUp(t);
    windows = std::make_unique<Wiring>(*t.program);
    main = &windows->main();
    QObject::connect(main, &Main::said, [this](const QString& text) { said << text; });
    main->load();
}

void TestGame::click(const QString& name) const {
    QTest::mouseClick(find(name), Qt::LeftButton);
}

void TestGame::roll(std::initializer_list<int> faces) {
    t.scripted.random.queueFaces(faces);
    click(QStringLiteral("Roll"));
}

void TestGame::roll(const std::array<int, 6>& faces) {
    roll({faces[0], faces[1], faces[2], faces[3], faces[4], faces[5]});
}

QString TestGame::ini(const QString& section, const QString& key) const {
    return GetINI(section, key, t.ini());
}

QStringList TestGame::sounds() const {
    QStringList names;
    for (const platform::PlayedSound& s : t.scripted.sound.played)
        names << QFileInfo(s.path).fileName();
    return names;
}
