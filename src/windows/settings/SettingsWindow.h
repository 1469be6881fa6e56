#pragma once
// The settings window: every option, the language, the user profiles, the alarm and the
// statistics. It keeps nothing of its own: it reads Tarn.ini when it loads and writes each
// change the moment it is made. It knows no other window: what changes for the rest of the game
// it says by its signals. It is loaded hidden at the start of a game and opened on one of three
// pages; closing it unloads it.
#include "ui/ApplyTexts.h"

#include <QDialog>

class ClickLabel;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct Program;

class frmSettings : public QDialog {
    Q_OBJECT
  public:
    // What the window shows that the game holds in memory rather than in Tarn.ini.
    struct Held {
        QString soundSwitch; // PlaySound as the game read it, or as last switched
        bool alarmArmed = false;
    };

    // `mode` is the page: "all", "user", "alarm", or "" for none (loaded hidden).
    frmSettings(Program& program, const QString& mode, const Held& held, QWidget* parent);

    // Reads everything from Tarn.ini, lays out the page and applies the selected language.
    // Ticking a box here counts as a click on it; all it writes is one replacement of the file.
    void load();

    const QString& mode() const { return mode_; }

  signals:
    // The language's captions and tooltips for the other windows, after every change of them.
    void textsChanged(const QList<language::Assignment>& texts);
    void languageChanged();
    void soundSwitched(bool on);
    void clockShown(bool on);
    void redSquareHidden();
    void alarmChanged(bool armed, const QString& when);
    // The caption the main window shows for the current user.
    void userChanged(const QString& caption);
    void listCleared();
    // Closed with its Close button while the current user has a name: a score that waits
    // for a user may go now.
    void userReady();
    // The translation tools are wanted; they open in place of this window.
    void translateRequested();

  private:
    // Applies the selected language here and hands the rest to textsChanged.
    void LanUpdate();

    // Option boxes; each writes its key at once.
    void Check1Click(bool ticked);
    void optionClick(QCheckBox* box, bool ticked);

    void List1Click(int index);
    void Label1Click();
    void Command3Click();
    void Command4Click();

    // The user frame.
    void Command1Click();
    void Command2Click();
    void butOKClick();
    void List3Click(int index);

    // The alarm frame.
    void Text1Change(const QString& text);

    void buildControls();
    void buildUserFrame();
    void buildAlarmFrame();
    QCheckBox* addCheck(const char* name, QGroupBox* frame, int row, const QString& caption);
    void layoutPage();
    void showStatistics();
    void fillLanguages();
    void fillUsers();
    void showUserEntry(bool entry);
    void showCurrentUser(const QString& tip);
    void fillAlarm();
    void saveAlarm();

    Program& program_;
    QString mode_;
    Held held_;

    QGroupBox* frame1_ = nullptr;
    QGroupBox* frame2_ = nullptr;
    QGroupBox* frame3_ = nullptr;
    QGroupBox* frame4_ = nullptr;
    QGroupBox* frame5_ = nullptr;
    QGroupBox* frame6_ = nullptr;
    QGroupBox* frame7_ = nullptr;
    QComboBox* list1_ = nullptr;
    QPushButton* setTranslate_ = nullptr;
    QComboBox* list3_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    ClickLabel* label1_ = nullptr;
    QLabel* lblEnter_ = nullptr;
    QLineEdit* txtUser_ = nullptr;
    QLineEdit* txtPass_ = nullptr;
    QPushButton* butOK_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QList<QCheckBox*> options_; // Check2..Check8
    QLabel* lblInfo2_ = nullptr;
    QCheckBox* check9_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QComboBox* combo2_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QPushButton* command3_ = nullptr;
    QPushButton* command4_ = nullptr;
};
