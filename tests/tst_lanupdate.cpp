// Applying a language to the running game: at start-up before the first message, when the
// player picks another language, and what is left alone while the settings window is loaded.
#include "TestSupport.h"
#include "core/Profile.h"
#include "windows/menu/MenuWindow.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>

namespace {
const QString DataDir = QStringLiteral(TARNWICK_DATA_DIR);

QString caption(const TestGame& g, const char* name) {
    return g.find<QLabel>(name)->text();
}
} // namespace

class LanUpdateTest : public QObject {
    Q_OBJECT

  private slots:
    void pickingSwedishAppliesItEverywhere() {
        TestGame g({}, [](TestProgram& t) { // the shipped languages, nothing selected yet
            QFile::remove(t.ini());
            for (const char* file : {"English.lan", "Swedish.lan", "Tarn.ini"})
                QVERIFY(QFile::copy(DataDir + "/" + file, t.path(file)));
            t.program->languageFile.clear();
        });
        QCOMPARE(g.said, QStringList{"Welcome!"});
        QCOMPARE(caption(g, "btn_Ones"), "  Ones");

        g.windows->openSettings("all");
        frmSettings* s = g.windows->settings();
        auto* list1 = g.setting<QComboBox>("List1");
        QCOMPARE(list1->currentText(), "English");
        g.roll({6, 6, 6, 6, 5, 1}); // Chance: 30
        g.click("btn_Chance");
        emit list1->activated(1);
        QCOMPARE(g.ini("Language", "selected"), "2");
        QVERIFY(g.t.program->languageFile.endsWith("/Swedish.lan"));

        QCOMPARE(caption(g, "btn_Ones"), "  Ettor");
        QCOMPARE(caption(g, "disp_Total"), "  SUMMA");
        QCOMPARE(caption(g, "lb_User"), "Ingen användare");
        QCOMPARE(s->windowTitle(), "Inställningar");
        QCOMPARE(g.setting<QGroupBox>("Frame1")->title(), "Språk");
        QCOMPARE(list1->toolTip(), " Valt språk: Svenska  (Tarnwick team) ");
        QCOMPARE(g.windows->menu().findChild<QAction*>("www_homepage")->text(), "Besök hemsidan");

        // The total is said again, a moment later, in the new language.
        QVERIFY(g.find<QTimer>("SayTimer")->isActive());
        QTRY_COMPARE_WITH_TIMEOUT(g.said.last(), "Summa: 30", 1000);
        // Messages after the change use it too.
        g.roll({1, 1, 1, 1, 1, 2});
        g.click("btn_Sixes"); // refused: no six
        QCOMPARE(g.said.last(), "Passar inte!");
    }

    void appliedAtEveryGameUnlessTheSettingsWindowIsLoaded() {
        TestGame g({}, [](TestProgram& t) {
            t.useLanguage({"d1=Hello", "d2=Summa åäö", "c1=First"});
            t.program->languageFile.clear(); // nothing is selected until the first game
        });
        QCOMPARE(g.said, QStringList{"Hello"}); // applied before the first message
        QCOMPARE(caption(g, "disp_Total"), "  SUMMA ÅÄÖ");
        QCOMPARE(caption(g, "btn_Ones"), "  First");
        writeBytes(g.t.path("Other.lan"), "[Language]\r\nc1=Second\r\n");
        SetINI("Language", "l1p", "Other.lan", g.t.ini());
        g.main->Restart();
        QCOMPARE(caption(g, "btn_Ones"), "  First");
        g.windows->unloadSettings();
        g.main->Restart();
        QCOMPARE(caption(g, "btn_Ones"), "  Second");
    }

    void withoutAnyLanguageTheGameSpeaksEnglish() {
        // No language file at all, not even English.lan: the texts built into the program stand
        // in, instead of leaving every caption blank.
        TestGame g({}, [](TestProgram& t) {
            writeBytes(t.ini(), "[Language]\r\nantal=3\r\nselected=9\r\n\x01\x02garbage\r\n");
            t.program->languageFile.clear();
        });
        QVERIFY(g.windows->settings());
        QCOMPARE(caption(g, "lb_User"), "No user");
        QCOMPARE(caption(g, "disp_Bonus"), "  BONUS");
        QCOMPARE(caption(g, "btn_Ones"), "  Ones");
        QCOMPARE(caption(g, "disp_Total"), "  TOTAL");
        QCOMPARE(g.said, QStringList{"Welcome!"});
        QVERIFY(g.find("ErrorPic")->isHidden());
    }
};

QTEST_MAIN(LanUpdateTest)
#include "tst_lanupdate.moc"
