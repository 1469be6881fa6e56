#include "TestSupport.h"

#include "core/Profile.h"

#include <QFile>
#include <QFileInfo>

TestProgram::TestProgram() {
    program = std::make_unique<Program>(dir.path(), scripted.platform());
    program->quit = [this] { ++quitCalls; };
}

void TestProgram::useLanguage(const QStringList& lines) {
    const QString file = path(QStringLiteral("Test.lan"));
    writeBytes(file, ("[Language]\r\n" + lines.join(QStringLiteral("\r\n")) + "\r\n").toUtf8());
    // Registered as the selected language, so that a new game selects it too.
    SetINI("Language", "antal", "1", ini());
    SetINI("Language", "selected", "1", ini());
    SetINI("Language", "l1n", "Test", ini());
    SetINI("Language", "l1p", "Test.lan", ini());
    program->languageFile = file;
}

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

TestGame::TestGame(const QByteArray& ini, const std::function<void(TestProgram&)>& setUp) {
    if (!ini.isEmpty()) writeBytes(t.ini(), ini);
    t.useLanguage({"b1=Tarnwick", "b2=Start a new game", "b3=New highscore", "b4=Your name?",
                   "b5=Game over!", "b6=Leave the game", "b7=Clear the list?", "d1=Welcome",
                   "d2=Total", "d3=Not allowed", "d4=Last roll", "d5=Six alike", "d6=New game",
                   "d8=No bonus", "h8=Minimise", "s1=Nobody", "s2=Member", "s6=Visit us",
                   "s18=Wake", "s19=Setup", "s22=Playing:"});
    if (setUp) setUp(t);
    main = std::make_unique<Main>(*t.program);
    QObject::connect(main.get(), &Main::said, [this](const QString& text) { said << text; });
    main->load();
}

void TestGame::click(const QString& name) const {
    QTest::mouseClick(find(name), Qt::LeftButton);
}

void TestGame::roll(std::initializer_list<int> faces) {
    t.scripted.random.queueFaces(faces);
    click(QStringLiteral("Roll"));
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
