// The translation tools: the walk over the texts, the progress, the wizard's records and work
// files, the editor's saving, and mailing a language file.
#include "SmtpServer.h"
#include "TestSupport.h"
#include "core/Profile.h"
#include "platform/mail/CurlMail.h"
#include "rules/translate/Translation.h"
#include "rules/translate/Walk.h"
#include "ui/Twips.h"
#include "windows/translator/LanguageWindow.h"
#include "windows/wizard/SetLanWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using translate::Groups;

namespace {

Groups sizes(std::array<int, 5> size) {
    Groups g;
    g.size = size;
    return g;
}
const Groups Shipped = sizes({8, 28, 8, 9, 20});

// A reference language of 2 + 3 + 1 + 1 + 2 texts, small enough to finish in a test.
const QByteArray SmallReference = "[Language]\r\nd1=Welcome\r\nd2=Total\r\ns1=Nobody\r\n"
                                  "s2=Member\r\ns3=Warn\r\nb1=Tarnwick\r\nh1=Click\r\nc1=Ones\r\n"
                                  "c2=Twos\r\n";
constexpr int SmallTotal = 9;

// The shipped Swedish file as the second language; the Test language of TestGame is the first.
void withLanguages(TestProgram& t) {
    writeBytes(t.path("English.lan"), SmallReference);
    writeBytes(t.path("Swedish.lan"), "[Info]\r\nInternational=Swedish\r\nNational=Svenska\r\n"
                                      "Author=Sven\r\n[Language]\r\nd1=V\xc3\xa4lkommen\r\n");
    SetINI("Language", "antal", "2", t.ini());
    SetINI("Language", "l1m", "No", t.ini());
    SetINI("Language", "l2n", "Svenska", t.ini());
    SetINI("Language", "l2p", "Swedish.lan", t.ini());
    SetINI("Language", "l2m", "No", t.ini());
}

struct Translating : TestGame {
    explicit Translating(const std::function<void(TestProgram&)>& more = {})
        : TestGame({}, [more](TestProgram& t) {
              withLanguages(t);
              if (more) more(t);
          }) {}

    frmSetLan* wizard() const { return windows->wizard(); }
    frmLanguage* editor() const { return windows->editor(); }
    template <class T = QWidget> T* inWizard(const char* name) const {
        return wizard()->findChild<T*>(QLatin1String(name));
    }
    template <class T = QWidget> T* inEditor(const char* name) const {
        return editor()->findChild<T*>(QLatin1String(name));
    }
    void openWizard() {
        windows->openSettings("all");
        QTest::mouseClick(setting("setTranslate"), Qt::LeftButton);
        QVERIFY(wizard());
        QVERIFY(!settings());
    }
    void wizardClick(const char* name) const { QTest::mouseClick(inWizard(name), Qt::LeftButton); }
    void editorClick(const char* name) const { QTest::mouseClick(inEditor(name), Qt::LeftButton); }
    // Types the translation of the current text and goes on, which stores it.
    void translate(const QString& text) const {
        inEditor<QLineEdit>("inLan")->setText(text);
        editorClick("bNext");
    }
    void startNew(const QString& author, const QString& national, const QString& english) {
        openWizard();
        inWizard<QRadioButton>("Option1")->setChecked(true);
        wizardClick("Command2");
        inWizard<QLineEdit>("Text1")->setText(author);
        inWizard<QLineEdit>("Text2")->setText(national);
        inWizard<QLineEdit>("Text3")->setText(english);
        wizardClick("Command2");
    }
    QString processKey(const char* key) const { return ini("Process", key); }
    QStringList boxTexts() {
        QStringList texts;
        for (const auto& b : boxes().shown)
            texts << b.prompt;
        return texts;
    }
};

} // namespace

class TranslateTest : public QObject {
    Q_OBJECT
  private slots:
    void stepsToKeys_data();
    void stepsToKeys();
    void nextAndPreviousFollowTheSteps_data();
    void nextAndPreviousFollowTheSteps();
    void groupSizesStopAtTheFirstGap();
    void shippedReferenceHasEveryText();
    void progress_data();
    void progress();

    void wizardOpensOnWhatIsUnderWay();
    void emptyFieldsAreRefused_data();
    void emptyFieldsAreRefused();
    void newLanguageFromWizardToSave();
    void typingIsStoredAMomentLater();
    void cancelAndContinueResumeAtTheStep();
    void savingPassesTheCurrentProcessOn_data();
    void savingPassesTheCurrentProcessOn();
    void modificationIsCopiedOnceAndRegisteredOnce();
    void modificationAsksForTheAuthor();
    void hostileNamesWriteNothing_data();
    void hostileNamesWriteNothing();

    void mailsTheChosenFile_data();
    void mailsTheChosenFile();
    void failedMailSaysWhatToSet();
    void cancelledFileDialogSendsNothing();
    void mailReachesARealServer();
    void serverNotListeningIsToldAndNotLogged();
};

void TranslateTest::stepsToKeys_data() {
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("key");
    QTest::newRow("first") << 1 << "d1";
    QTest::newRow("last d") << 8 << "d8";
    QTest::newRow("first s") << 9 << "s1";
    QTest::newRow("last s") << 36 << "s28";
    QTest::newRow("first b") << 37 << "b1";
    QTest::newRow("first h") << 45 << "h1";
    QTest::newRow("last h") << 53 << "h9";
    QTest::newRow("first c") << 54 << "c1";
    QTest::newRow("last") << 73 << "c20";
    QTest::newRow("before the walk") << 0 << "";
    QTest::newRow("past the walk") << 74 << "";
}

void TranslateTest::stepsToKeys() {
    QFETCH(int, step);
    QFETCH(QString, key);
    QCOMPARE(Shipped.total(), 73);
    QCOMPARE(translate::keyAt(Shipped, step), key);
    QCOMPARE(translate::stepOf(Shipped, key), key.isEmpty() ? 0 : step);
}

void TranslateTest::nextAndPreviousFollowTheSteps_data() {
    QTest::addColumn<Groups>("groups");
    QTest::newRow("shipped") << Shipped;
    QTest::newRow("one text each") << sizes({1, 1, 1, 1, 1});
    // Groups without texts are passed over both ways.
    QTest::newRow("gaps") << sizes({2, 0, 1, 0, 3});
    QTest::newRow("only c") << sizes({0, 0, 0, 0, 4});
}

void TranslateTest::nextAndPreviousFollowTheSteps() {
    QFETCH(Groups, groups);
    const int total = groups.total();
    for (int step = 1; step < total; ++step) {
        const QString here = translate::keyAt(groups, step);
        QCOMPARE(translate::nextKey(groups, here), translate::keyAt(groups, step + 1));
        QCOMPARE(translate::previousKey(groups, translate::keyAt(groups, step + 1)), here);
    }
    // At the ends the key stays.
    const QString first = translate::keyAt(groups, 1), last = translate::keyAt(groups, total);
    QCOMPARE(translate::previousKey(groups, first), first);
    QCOMPARE(translate::nextKey(groups, last), last);
    // Not keys of the walk: left as they are.
    for (const char* odd : {"d01", "x1", "d", "c99", ""})
        QCOMPARE(translate::nextKey(groups, odd), QString(odd));
}

void TranslateTest::groupSizesStopAtTheFirstGap() {
    const QHash<QString, QString> texts{
        {"d1", "a"}, {"d2", "b"}, {"d4", "gap before"}, {"s1", " "}, {"c1", "x"}};
    const Groups g = translate::groupSizes([&](const QString& k) { return texts.value(k); });
    QCOMPARE(g.size, (std::array<int, 5>{2, 1, 0, 0, 1}));
    // A reference that never runs out is read only so far.
    int reads = 0;
    const Groups endless = translate::groupSizes([&](const QString&) {
        ++reads;
        return QStringLiteral("t");
    });
    QCOMPARE(endless.total(), 5 * translate::MaxGroupSize);
    QCOMPARE(reads, 5 * translate::MaxGroupSize);
}

void TranslateTest::shippedReferenceHasEveryText() {
    const QString english = QStringLiteral(TARNWICK_DATA_DIR "/English.lan");
    const Groups g = translate::groupSizes(
        [&](const QString& k) { return GetINI(QStringLiteral("Language"), k, english); });
    QCOMPARE(g.size, Shipped.size);
}

void TranslateTest::progress_data() {
    QTest::addColumn<int>("translated");
    QTest::addColumn<bool>("blanks");
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("bar");
    QTest::addColumn<bool>("done");
    QTest::newRow("nothing yet") << 0 << false << 0 << 0 << false;
    QTest::newRow("one") << 1 << false << 1 << 18 << false;
    QTest::newRow("blanks count") << 1 << true << 1 << 18 << false;
    QTest::newRow("half") << 37 << false << 50 << 691 << false;
    QTest::newRow("one missing is 98") << 72 << false << 98 << 1346 << false;
    QTest::newRow("all") << 73 << false << 100 << 1365 << true;
}

void TranslateTest::progress() {
    QFETCH(int, translated);
    QFETCH(bool, blanks);
    QFETCH(int, percent);
    QFETCH(int, bar);
    QFETCH(bool, done);
    // The first `translated` steps have a text; the others are missing or stored empty.
    const auto work = [&](const QString& key) {
        const int step = translate::stepOf(Shipped, key);
        if (step > translated) return step % 2 ? QString() : QString("");
        return blanks ? QStringLiteral("   ") : QStringLiteral("text");
    };
    const translate::Progress p = translate::progress(Shipped, work);
    QCOMPARE(p.translated, translated);
    QCOMPARE(p.percent, percent);
    QCOMPARE(p.barTwips, bar);
    QCOMPARE(p.done, done);
    // An empty walk is never done.
    QVERIFY(!translate::progress(Groups{}, work).done);
}

void TranslateTest::wizardOpensOnWhatIsUnderWay() {
    {
        Translating s;
        s.openWizard();
        QVERIFY(s.inWizard<QRadioButton>("Option1")->isChecked());
        QVERIFY(!s.inWizard("Option2")->isEnabled());
        QVERIFY(!s.inWizard("Combo2")->isEnabled());
        auto* languages = s.inWizard<QComboBox>("Combo1");
        QCOMPARE(languages->count(), 2);
        QCOMPARE(languages->currentText(), QStringLiteral("Test"));
        QCOMPARE(s.wizard()->stage(), QStringLiteral("sel"));
        // Cancel goes back to the settings.
        s.wizardClick("Command1");
        QVERIFY(s.settings() && s.settings()->isVisible());
    }
    Translating s([](TestProgram& t) {
        writeBytes(t.path("a.nla"), "");
        const char* records[][2] = {
            {"p", "3"},     {"p2", "2"},      {"pL", "3"},  {"p1n", "Dansk"}, {"p1s", "Processing"},
            {"p1a", "Ann"}, {"p2n", "Norsk"}, {"p2s", " "}, {"p3n", "Suomi"}, {"p3s", "Processing"},
            {"p3a", "Bo"}};
        for (const auto& r : records)
            SetINI("Process", r[0], r[1], t.ini());
    });
    s.openWizard();
    QVERIFY(s.inWizard<QRadioButton>("Option2")->isChecked());
    auto* running = s.inWizard<QComboBox>("Combo2");
    QCOMPARE(running->count(), 2);
    QCOMPARE(running->currentText(), QStringLiteral("Suomi"));
    QCOMPARE(s.inWizard<QLineEdit>("Text1")->text(), QStringLiteral("Bo"));
    // The list in use has the window's colour, the other the buttons'.
    const auto colour = [&](const char* name) {
        return s.inWizard(name)->palette().color(QPalette::Button);
    };
    QCOMPARE(colour("Combo2"), QApplication::palette().color(QPalette::Base));
    QCOMPARE(colour("Combo1"), QApplication::palette().color(QPalette::Button));
    // Picking a name makes it the current process.
    running->activated(0);
    QCOMPARE(s.processKey("pL"), QStringLiteral("1"));
    s.inWizard<QRadioButton>("Option3")->setChecked(true);
    QCOMPARE(colour("Combo1"), QApplication::palette().color(QPalette::Base));
    QCOMPARE(colour("Combo2"), QApplication::palette().color(QPalette::Button));
}

void TranslateTest::emptyFieldsAreRefused_data() {
    QTest::addColumn<QString>("author");
    QTest::addColumn<QString>("national");
    QTest::addColumn<QString>("english");
    QTest::newRow("no author") << ""
                               << "Deutsch"
                               << "German";
    QTest::newRow("no native name") << "Ann"
                                    << ""
                                    << "German";
    QTest::newRow("no English name") << "Ann"
                                     << "Deutsch"
                                     << "";
    QTest::newRow("blanks are no name") << "Ann"
                                        << "Deutsch"
                                        << "   ";
}

void TranslateTest::emptyFieldsAreRefused() {
    QFETCH(QString, author);
    QFETCH(QString, national);
    QFETCH(QString, english);
    Translating s;
    s.startNew(author, national, english);
    QCOMPARE(s.boxTexts(), QStringList{"You must fill in ALL fields."});
    QVERIFY(!s.editor());
    QCOMPARE(s.wizard()->stage(), QStringLiteral("tit"));
    QCOMPARE(s.processKey("p"), QString());
    // Cancel goes back to the choices, with the fields where they were.
    const QPoint was = s.inWizard("Text1")->pos();
    s.wizardClick("Command1");
    QCOMPARE(s.wizard()->stage(), QStringLiteral("sel"));
    QVERIFY(s.inWizard("Text1")->isHidden());
    QCOMPARE(s.inWizard("Text1")->pos().y() - was.y(), twips::px(3060));
}

void TranslateTest::newLanguageFromWizardToSave() {
    Translating s;
    s.startNew("Ann", "Deutsch", "German");
    QVERIFY(s.editor());
    QVERIFY(!s.wizard() || !s.wizard()->isVisible());
    const char* records[][2] = {
        {"p", "1"},        {"p2", "1"},    {"pL", "1"},  {"p1p", "German.nla"}, {"p1n", "Deutsch"},
        {"p1i", "German"}, {"p1a", "Ann"}, {"p1x", "1"}, {"p1s", "Processing"}};
    for (const auto& r : records)
        QCOMPARE(s.processKey(r[0]), QString(r[1]));
    const QString work = s.t.path("German.nla");
    const char* info[][2] = {
        {"Author", "Ann"},      {"International", "German"}, {"National", "Deutsch"},
        {"Version", "5.0"},     {"Filename", "German.lan"},  {"ForTWVersion", "6.003+"},
        {"Date", "2001-05-03"}, {"Format", "yyyy-mm-dd"},    {"Status", "Inofficial"}};
    for (const auto& i : info)
        QCOMPARE(GetINI("Info", i[0], work), QString(i[1]));

    QCOMPARE(s.inEditor<QLabel>("lblSel")->text(), QStringLiteral("Deutsch"));
    QCOMPARE(s.inEditor<QLabel>("lblWhich")->text(), QStringLiteral("of 9"));
    QCOMPARE(s.inEditor<QLabel>("lblPerc")->text(), QStringLiteral("0%"));
    for (int step = 1; step < SmallTotal; ++step)
        s.translate(QStringLiteral("t%1").arg(step));
    QCOMPARE(s.editor()->currentKey(), QStringLiteral("c2"));
    QCOMPARE(GetINI("Language", "s1", work), QStringLiteral("t3"));
    QCOMPARE(s.inEditor<QLabel>("lblPerc")->text(), QStringLiteral("88%"));
    QVERIFY(!s.inEditor("bSave")->isEnabled());
    QVERIFY(!s.inEditor("bNext")->isEnabled());
    // The last text completes it; Save is the only way on.
    s.inEditor<QLineEdit>("inLan")->setText("last");
    s.inEditor<QTimer>("Timer2")->stop();
    s.inEditor<QTimer>("Timer2")->start(0);
    QTRY_VERIFY(s.inEditor("bSave")->isEnabled());
    QCOMPARE(s.inEditor<QLabel>("lblPerc")->text(), QStringLiteral("100%"));
    QCOMPARE(s.inEditor("lblBar")->width(), twips::px(translate::BarTwips));

    s.editorClick("bSave");
    QVERIFY(!s.editor() || !s.editor()->isVisible());
    QCOMPARE(s.ini("Language", "antal"), QStringLiteral("3"));
    QCOMPARE(s.ini("Language", "selected"), QStringLiteral("3"));
    QCOMPARE(s.ini("Language", "l3n"), QStringLiteral("Deutsch (new)"));
    QCOMPARE(s.ini("Language", "l3p"), QStringLiteral("German.nla"));
    QCOMPARE(s.ini("Language", "l3m"), QStringLiteral("No"));
    QCOMPARE(s.processKey("p1s"), QString());
    QCOMPARE(s.processKey("p2"), QStringLiteral("0"));
    QCOMPARE(s.processKey("pL"), QStringLiteral("0"));
    QVERIFY(s.log().contains("New language: Deutsch."));
    // The settings window comes back and speaks the new language.
    QVERIFY(s.settings() && s.settings()->isVisible());
    QCOMPARE(s.setting<QComboBox>("List1")->currentText(), QStringLiteral("Deutsch (new)"));
    QCOMPARE(s.t.program->languageFile, work);
    QCOMPARE(s.t.program->text("s1"), QStringLiteral("t3"));
}

void TranslateTest::typingIsStoredAMomentLater() {
    Translating s;
    s.startNew("Ann", "Deutsch", "German");
    auto* input = s.inEditor<QLineEdit>("inLan");
    QVERIFY(s.inEditor<QTimer>("Timer2")->interval() == 800);
    QTest::keyClicks(input, "Hallo");
    QCOMPARE(GetINI("Language", "d1", s.t.path("German.nla")), QString());
    QTRY_COMPARE_WITH_TIMEOUT(GetINI("Language", "d1", s.t.path("German.nla")),
                              QStringLiteral("Hallo"), 3000);
    QCOMPARE(s.inEditor<QLabel>("lblPerc")->text(), QStringLiteral("11%"));
    // A text typed just before a jump is kept too.
    QTest::keyClicks(input, " Welt");
    s.inEditor<QComboBox>("Combo1")->activated(5);
    QCOMPARE(GetINI("Language", "d1", s.t.path("German.nla")), QStringLiteral("Hallo Welt"));
    QCOMPARE(s.editor()->currentKey(), QStringLiteral("b1"));
    QCOMPARE(s.inEditor<QLabel>("lblID")->text(), QStringLiteral("(b1)"));
    QCOMPARE(s.inEditor<QLabel>("lblEnglish")->text(), QStringLiteral("Tarnwick"));
    QCOMPARE(input->text(), QString());
}

void TranslateTest::cancelAndContinueResumeAtTheStep() {
    Translating s;
    s.startNew("Ann", "Deutsch", "German");
    for (const char* text : {"a", "b", "c", "d"})
        s.translate(text);
    QCOMPARE(s.editor()->step(), 5);
    s.editorClick("Command1");
    QCOMPARE(s.processKey("p1x"), QStringLiteral("5"));
    QVERIFY(s.wizard() && s.wizard()->isVisible());
    QVERIFY(s.inWizard<QRadioButton>("Option2")->isChecked());
    QCOMPARE(s.inWizard<QComboBox>("Combo2")->currentText(), QStringLiteral("Deutsch"));
    s.wizardClick("Command2");
    QVERIFY(s.editor());
    QCOMPARE(s.editor()->step(), 5);
    QCOMPARE(s.editor()->currentKey(), QStringLiteral("s3"));
    QCOMPARE(s.inEditor<QComboBox>("Combo1")->currentText(), QStringLiteral("5"));
    QCOMPARE(s.inEditor<QLabel>("lblPerc")->text(), QStringLiteral("44%"));
    // Back across the group border, with the text stored there.
    for (int back = 0; back < 3; ++back)
        s.editorClick("bPrev");
    QCOMPARE(s.editor()->currentKey(), QStringLiteral("d2"));
    QCOMPARE(s.inEditor<QLineEdit>("inLan")->text(), QStringLiteral("b"));
    QVERIFY(s.inEditor("bPrev")->isEnabled());
    // Translate in the settings while the editor is open brings the editor forward.
    s.windows->openSettings("all");
    QTest::mouseClick(s.setting("setTranslate"), Qt::LeftButton);
    QVERIFY(!s.wizard() || !s.wizard()->isVisible());
    QVERIFY(s.editor()->isVisible());
    // Closed by the desktop: kept as Cancel keeps it.
    s.editor()->close();
    QCOMPARE(s.processKey("p1x"), QStringLiteral("2"));
    QVERIFY(s.wizard() && s.wizard()->isVisible());
}

void TranslateTest::savingPassesTheCurrentProcessOn_data() {
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("next");
    QTest::addColumn<QString>("running");
    QTest::newRow("the last one under way") << "2"
                                            << "3"
                                            << "2";
    QTest::newRow("an earlier one") << "3"
                                    << "2"
                                    << "2";
    QTest::newRow("none left") << "4"
                               << "0"
                               << "0";
}

void TranslateTest::savingPassesTheCurrentProcessOn() {
    QFETCH(QString, current);
    QFETCH(QString, next);
    QFETCH(QString, running);
    TestProgram t;
    const bool onlyOne = current == "4";
    SetINI("Process", "p", "4", t.ini());
    SetINI("Process", "p2", onlyOne ? "1" : "3", t.ini());
    SetINI("Process", "pL", current, t.ini());
    for (int n = 1; n <= 4; ++n) {
        SetINI("Process", QStringLiteral("p%1p").arg(n), QStringLiteral("L%1.nla").arg(n), t.ini());
        SetINI("Process", QStringLiteral("p%1n").arg(n), QStringLiteral("L%1").arg(n), t.ini());
        const bool underWay = onlyOne ? n == 4 : n != 1 && n != 4;
        SetINI("Process", QStringLiteral("p%1s").arg(n), underWay ? "Processing" : " ", t.ini());
    }
    QVERIFY(translate::saveNewLanguage(*t.program).ok);
    QCOMPARE(GetINI("Process", "pL", t.ini()), next);
    QCOMPARE(GetINI("Process", "p2", t.ini()), running);
    QCOMPARE(GetINI("Language", "l1p", t.ini()), QStringLiteral("L%1.nla").arg(current));
    // Saved once, it is no longer under way.
    SetINI("Process", "pL", current, t.ini());
    QVERIFY(translate::processesUnderWay(t.program->ini).size() < 3);
}

void TranslateTest::modificationIsCopiedOnceAndRegisteredOnce() {
    Translating s;
    Program& p = *s.t.program;
    translate::Job job;
    QVERIFY(translate::prepareModification(p, "Svenska", job).ok);
    QCOMPARE(job.language, 2);
    const QString work = s.t.path("Swedish.mla");
    QCOMPARE(readBytes(work), readBytes(s.t.path("Swedish.lan")));
    QCOMPARE(s.ini("Language", "l2m"), QStringLiteral("Yes"));
    // Work done so far survives a second start.
    SetINI("Language", "d1", "Hej", work);
    QVERIFY(translate::prepareModification(p, "Svenska", job).ok);
    QCOMPARE(GetINI("Language", "d1", work), QStringLiteral("Hej"));

    for (int save = 1; save <= 2; ++save) {
        QVERIFY(translate::saveModification(p, job, "Eva", QDate(2026, 1, 9)).ok);
        const QString saved = s.t.path("Swedish2.lan");
        QCOMPARE(GetINI("Language", "d1", saved), QStringLiteral("Hej"));
        QCOMPARE(GetINI("Info", "Updated", saved), QStringLiteral("2026-01-09"));
        QCOMPARE(GetINI("Info", "UpdatedAuthor", saved), QStringLiteral("Eva"));
        QCOMPARE(GetINI("Info", "Status", saved), QStringLiteral("Inofficial"));
        QCOMPARE(GetINI("Info", "Version", saved), QStringLiteral("5.0"));
        QCOMPARE(s.ini("Language", "antal"), QStringLiteral("3"));
        QCOMPARE(s.ini("Language", "selected"), QStringLiteral("3"));
        QCOMPARE(s.ini("Language", "l3n"), QStringLiteral("Svenska (mod)"));
        QCOMPARE(s.ini("Language", "l3p"), QStringLiteral("Swedish2.lan"));
        SetINI("Language", "selected", "1", s.t.ini());
    }
    QCOMPARE(s.log().count("Modified language: Svenska."), 2);
    // The copy is modified in its turn into the same file name.
    QVERIFY(translate::prepareModification(p, "Svenska (mod)", job).ok);
    QCOMPARE(QFileInfo(translate::workFile(p, job)).fileName(), QStringLiteral("Swedish2.mla"));
}

void TranslateTest::modificationAsksForTheAuthor() {
    Translating s([](TestProgram& t) {
        SetINI("Users", "antal", "1", t.ini());
        SetINI("Users", "selected", "1", t.ini());
        SetINI("Users", "user1", "Eva", t.ini());
        // Every text of the small reference is there already.
        QByteArray all = "[Info]\r\nInternational=Swedish\r\nNational=Svenska\r\n[Language]\r\n";
        for (const char* k : {"d1", "d2", "s1", "s2", "s3", "b1", "h1", "c1", "c2"})
            all += QByteArray(k) + "=x\r\n";
        writeBytes(t.path("Swedish.lan"), all);
    });
    s.openWizard();
    s.inWizard<QComboBox>("Combo1")->setCurrentIndex(1);
    s.inWizard<QRadioButton>("Option3")->setChecked(true);
    s.wizardClick("Command2");
    QVERIFY(s.editor());
    QCOMPARE(s.inEditor<QLabel>("lblSel")->text(), QStringLiteral("Svenska"));
    QCOMPARE(s.editor()->step(), 1);
    QVERIFY(s.inEditor("bSave")->isEnabled());
    // A cancelled name saves nothing.
    s.boxes().inputAnswers = {""};
    s.editorClick("bSave");
    QVERIFY(!QFileInfo::exists(s.t.path("Swedish2.lan")));
    QCOMPARE(s.boxes().shown.last().defaultText, QStringLiteral("Eva"));
    QCOMPARE(s.boxes().shown.last().prompt, QStringLiteral("Your name (author)"));
    s.editorClick("bSave");
    QCOMPARE(GetINI("Info", "UpdatedAuthor", s.t.path("Swedish2.lan")), QStringLiteral("Eva"));
    QVERIFY(s.settings() && s.settings()->isVisible());
}

void TranslateTest::hostileNamesWriteNothing_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("work file up a folder") << "Process"
                                           << "p1p"
                                           << "../x.nla";
    QTest::newRow("work file is the profile") << "Process"
                                              << "p1p"
                                              << "Tarn.ini";
    QTest::newRow("work file a path") << "Process"
                                      << "p1p"
                                      << "/tmp/x.nla";
    QTest::newRow("language up a folder") << "Language"
                                          << "l2p"
                                          << "../Swedish.lan";
    QTest::newRow("language not a language file") << "Language"
                                                  << "l2p"
                                                  << "Tarn.ini";
}

void TranslateTest::hostileNamesWriteNothing() {
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    TestProgram t;
    withLanguages(t);
    for (const char* r : {"p=1", "p2=1", "pL=1", "p1n=X", "p1p=X.nla", "p1s=Processing"})
        SetINI("Process", QString(r).section('=', 0, 0), QString(r).section('=', 1), t.ini());
    SetINI(section, key, value, t.ini());
    const QByteArray before = readBytes(t.ini());
    const QStringList filesBefore = QDir(t.dir.path()).entryList(QDir::Files);
    translate::Job job;
    if (section == "Process") {
        QCOMPARE(translate::workFile(*t.program, job), QString());
        QVERIFY(!translate::saveNewLanguage(*t.program).ok);
    } else {
        QVERIFY(!translate::prepareModification(*t.program, "Svenska", job).ok);
        QCOMPARE(translate::workFile(*t.program, job), QString());
    }
    QCOMPARE(readBytes(t.ini()), before);
    QCOMPARE(QDir(t.dir.path()).entryList(QDir::Files), filesBefore);
    // A name typed in the wizard is a file name too.
    for (const char* bad : {"a/b", "a\tb", "x\\y", "/abs"})
        QVERIFY(!translate::startNewLanguage(*t.program, "A", "B", bad, {}).ok);
    QCOMPARE(readBytes(t.ini()), before);
}

void TranslateTest::mailsTheChosenFile_data() {
    QTest::addColumn<QByteArray>("info");
    QTest::addColumn<QString>("subject");
    QTest::newRow("named") << QByteArray("International=Swedish") << "TW Translate: Swedish";
    QTest::newRow("no English name") << QByteArray("International=") << "TW Translate: ";
}

void TranslateTest::mailsTheChosenFile() {
    QFETCH(QByteArray, info);
    QFETCH(QString, subject);
    Translating s;
    const QString file = s.t.path("Mine2.lan");
    writeBytes(file, "[Info]\r\n" + info + "\r\n[Language]\r\nd1=Hej\r\n");
    s.openWizard();
    s.inWizard<QRadioButton>("Option4")->setChecked(true);
    s.boxes().fileAnswers = {file};
    s.wizardClick("Command2");
    const auto& dialog = s.boxes().fileDialogs.value(0);
    QCOMPARE(dialog.title, QStringLiteral("Select language file to send"));
    QCOMPARE(dialog.directory, s.t.program->dir);
    QCOMPARE(dialog.filters.size(), 4);
    QCOMPARE(dialog.filters.last(), QStringLiteral("Unsaved languages (*.nla *.mla)"));
    auto& mail = s.t.scripted.mail;
    QCOMPARE(mail.sent.size(), 1);
    QCOMPARE(mail.sent[0].message.subject, subject);
    QCOMPARE(mail.sent[0].message.text, QStringLiteral("3 May 2001 @ 14:07:09"));
    QCOMPARE(mail.sent[0].message.attachmentPath, file);
    // Busy until the answer comes; a second click sends nothing more.
    QVERIFY(s.wizard()->sending());
    QVERIFY(!s.wizard()->isEnabled());
    s.wizard()->close();
    QVERIFY(s.wizard()->isVisible());
    QTRY_VERIFY(!s.wizard() || !s.wizard()->isVisible());
    QCOMPARE(mail.sent.size(), 1);
    QCOMPARE(s.boxTexts(), QStringList{"Successfully sended."});
    QVERIFY(s.log().contains("Language successfully sended: " + subject.mid(14).toUtf8() + "."));
    QVERIFY(s.settings() && s.settings()->isVisible());
}

void TranslateTest::failedMailSaysWhatToSet() {
    Translating s;
    s.openWizard();
    s.inWizard<QRadioButton>("Option4")->setChecked(true);
    s.boxes().fileAnswers = {s.t.path("Swedish.lan")};
    s.t.scripted.mail.results = {{false, "Could not connect to the mail server localhost."}};
    const QByteArray logBefore = s.log();
    s.wizardClick("Command2");
    QTRY_VERIFY(!s.wizard()->sending());
    QCOMPARE(s.boxes().shown.size(), 1);
    const QString said = s.boxes().shown[0].prompt;
    QVERIFY2(said.contains("Could not connect") && said.contains("Mail section"), qPrintable(said));
    QCOMPARE(s.boxes().shown[0].icon, platform::BoxIcon::Warning);
    QCOMPARE(s.log(), logBefore);
    // The wizard stays for another try.
    QVERIFY(s.wizard()->isVisible() && s.wizard()->isEnabled());
}

void TranslateTest::cancelledFileDialogSendsNothing() {
    Translating s;
    s.openWizard();
    s.inWizard<QRadioButton>("Option4")->setChecked(true);
    s.wizardClick("Command2");
    QCOMPARE(s.boxes().fileDialogs.size(), 1);
    QVERIFY(s.t.scripted.mail.sent.isEmpty());
    QVERIFY(s.boxes().shown.isEmpty());
    QVERIFY(s.wizard()->isVisible() && !s.wizard()->sending());
}

void TranslateTest::mailReachesARealServer() {
    SmtpServer server;
    QVERIFY2(server.start(), qPrintable(server.error()));
    platform::CurlMail curl;
    Translating s([&](TestProgram& t) {
        SetINI("Mail", "Server", server.url(), t.ini());
        SetINI("Mail", "From", "ann@example.org", t.ini());
    });
    s.t.scripted.mail.through = &curl;
    const QString file = s.t.path("Swedish.lan");
    s.openWizard();
    s.inWizard<QRadioButton>("Option4")->setChecked(true);
    s.boxes().fileAnswers = {file};
    s.wizardClick("Command2");
    QTRY_VERIFY_WITH_TIMEOUT(!s.wizard() || !s.wizard()->sending(), 10000);
    QVERIFY(server.waitForMessages(1));
    const SmtpMessage got = server.messages().value(0);
    QCOMPARE(got.mailFrom, QStringLiteral("ann@example.org"));
    QCOMPARE(got.rcptTo, QStringList{"translations@tarnwick.example.org"});
    QCOMPARE(got.header("Subject"), QStringLiteral("TW Translate: Swedish"));
    QCOMPARE(got.text.trimmed(), QStringLiteral("3 May 2001 @ 14:07:09"));
    QCOMPARE(got.attachments.size(), 1);
    QCOMPARE(got.attachments[0].name, QStringLiteral("Swedish.lan"));
    QCOMPARE(got.attachments[0].bytes, readBytes(file));
    QCOMPARE(s.boxTexts(), QStringList{"Successfully sended."});
    QVERIFY(s.log().contains("Language successfully sended: Swedish."));
}

void TranslateTest::serverNotListeningIsToldAndNotLogged() {
    platform::CurlMail curl;
    const quint16 port = SmtpServer::freePort();
    Translating s([&](TestProgram& t) {
        SetINI("Mail", "Server", QStringLiteral("smtp://127.0.0.1:%1").arg(port), t.ini());
    });
    s.t.scripted.mail.through = &curl;
    s.openWizard();
    s.inWizard<QRadioButton>("Option4")->setChecked(true);
    s.boxes().fileAnswers = {s.t.path("Swedish.lan")};
    const QByteArray logBefore = s.log();
    s.wizardClick("Command2");
    QTRY_VERIFY_WITH_TIMEOUT(!s.wizard()->sending(), 10000);
    QCOMPARE(s.boxes().shown.size(), 1);
    const QString said = s.boxes().shown[0].prompt;
    QVERIFY2(said.contains("127.0.0.1") && said.contains("Mail section of Tarn.ini"),
             qPrintable(said));
    QCOMPARE(s.log(), logBefore);
    QVERIFY(s.wizard()->isVisible());
}

QTEST_MAIN(TranslateTest)
#include "tst_translate.moc"
