#pragma once
// The settings window: every option, the language, the user profiles, the alarm and the
// statistics. It keeps nothing of its own: it reads Tarn.ini when it loads and writes each
// change the moment it is made. The main window loads it hidden at the start of a game and
// opens it on one of three pages; closing it unloads it.
#include <QDialog>

class ClickLabel;
class Main;
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
    frmSettings(Program& program, Main& main);

    // Reads everything from Tarn.ini, lays out the page named by SettingsMode and applies the
    // selected language. Ticking a box here counts as a click on it.
    void load();

    // Writes the selected language's captions and tooltips into the main window, this window
    // and the pop-up menu.
    void LanUpdate();

    // Option boxes; each writes its key at once.
    void Check1Click(bool ticked);
    void optionClick(QCheckBox* box, bool ticked);

    void List1Click(int index);
    void setTranslateClick();
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

  signals:
    // Closed with its Close button while the current user has a name: a score that waits
    // for a user may go now.
    void userReady();

  private:
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
    Main& main_;

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
