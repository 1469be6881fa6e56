// Applying a language to the running game: at start-up before the first message, when the
// player picks another language, and what is left alone while the settings window is loaded.
#include "TestSupport.h"
#include "app/MenuWindow.h"
#include "game/MainWindow.h"
#include "settings/Profile.h"
#include "settings/SettingsWindow.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QTimer>

namespace {
const QString DataDir = QStringLiteral(TARNWICK_DATA_DIR);

QString caption(Main& main, const char* name) {
    return main.findChild<QLabel*>(QLatin1String(name))->text();
}
} // namespace

class LanUpdateTest : public QObject {
    Q_OBJECT

  private slots:
    void pickingSwedishAppliesItEverywhere() {
        TestProgram t;
        for (const char* file : {"English.lan", "Swedish.lan", "Tarn.ini"})
            QVERIFY(QFile::copy(DataDir + "/" + file, t.path(file)));
        Main main(*t.program);
        QStringList said;
        connect(&main, &Main::said, this, [&said](const QString& s) { said << s; });
        main.load();
        QCOMPARE(said, QStringList{"Welcome!"});
        QCOMPARE(caption(main, "btn_Ones"), "  Ones");
        QCOMPARE(caption(main, "disp_Total"), "  TOTAL");

        main.openSettings(QStringLiteral("all"));
        frmSettings* s = main.settingsWindow();
        auto* list1 = s->findChild<QComboBox*>("List1");
        QCOMPARE(list1->currentText(), "English");
        main.game.total = 154;
        emit list1->activated(1);
        QCOMPARE(GetINI("Language", "selected", t.ini()), "2");
        QVERIFY(t.program->languageFile.endsWith("/Swedish.lan"));

        QCOMPARE(caption(main, "btn_Ones"), "  Ettor");
        QCOMPARE(caption(main, "btn_Yatzy"), "  Yatzy");
        QCOMPARE(caption(main, "disp_Total"), "  SUMMA");
        QCOMPARE(caption(main, "disp_Bonus"), "  BONUS");
        QCOMPARE(caption(main, "lbl_Roll"), "Slå");
        QCOMPARE(caption(main, "lblSett"), "Inställningar");
        QCOMPARE(caption(main, "lb_User"), "Ingen användare");
        QCOMPARE(s->windowTitle(), "Inställningar");
        QCOMPARE(s->findChild<QGroupBox*>("Frame1")->title(), "Språk");
        QCOMPARE(list1->toolTip(), " Valt språk: Svenska  (Tarnwick team) ");
        QCOMPARE(main.meny()->findChild<QAction*>("www_homepage")->text(), "Besök hemsidan");

        // The total is said again, a moment later, in the new language.
        auto* sayTimer = main.findChild<QTimer*>("SayTimer");
        QVERIFY(sayTimer->isActive());
        QTRY_COMPARE_WITH_TIMEOUT(said.last(), "Summa: 154", 1000);
        // Messages after the change use it too.
        main.NoAble();
        QCOMPARE(said.last(), "Passar inte!");
    }

    void captionsKeepTheirLeadingBlanks_data() {
        QTest::addColumn<QString>("d2");
        QTest::addColumn<QString>("c1");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("ones");
        // clang-format off
        QTest::newRow("mixed case") << "tOtAl" << "Ones" << "  TOTAL" << "  Ones";
        QTest::newRow("accented") << "Summa åäö" << "Ettor" << "  SUMMA ÅÄÖ" << "  Ettor";
        QTest::newRow("empty texts") << "" << "" << "  " << "  ";
        // clang-format on
    }
    void captionsKeepTheirLeadingBlanks() {
        QFETCH(QString, d2);
        QFETCH(QString, c1);
        TestProgram t;
        t.useLanguage({"d1=Hello", "d2=" + d2, "c1=" + c1});
        t.program->languageFile.clear(); // nothing is selected until the first game
        Main main(*t.program);
        main.load();
        QCOMPARE(main.message, "Hello"); // applied before the first message
        QTEST(caption(main, "disp_Total"), "total");
        QTEST(caption(main, "btn_Ones"), "ones");
    }

    void aLoadedSettingsWindowIsLeftAlone() {
        TestProgram t;
        t.useLanguage({"c1=First"});
        Main main(*t.program);
        main.load();
        writeBytes(t.path("Other.lan"), "[Language]\r\nc1=Second\r\n");
        SetINI("Language", "l1p", "Other.lan", t.ini());
        main.Restart();
        QCOMPARE(caption(main, "btn_Ones"), "  First");
        main.unloadSettings();
        main.Restart();
        QCOMPARE(caption(main, "btn_Ones"), "  Second");
    }

    void withoutAnyLanguageTheGameStillStarts() {
        TestProgram t;
        writeBytes(t.ini(), "[Language]\r\nantal=3\r\nselected=9\r\n\x01\x02garbage\r\n");
        Main main(*t.program);
        main.load();
        QVERIFY(main.settingsWindow());
        QCOMPARE(caption(main, "lb_User"), "No user");
        QCOMPARE(caption(main, "disp_Bonus"), "  BONUS");
        QCOMPARE(caption(main, "btn_Ones"), "  ");
        QCOMPARE(main.message, QString());
        QVERIFY(main.findChild<QWidget*>("ErrorPic")->isHidden());
    }
};

QTEST_MAIN(LanUpdateTest)
#include "tst_lanupdate.moc"
