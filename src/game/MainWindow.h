#pragma once
// The main window: the game itself. It holds the dice, the scoreboard, the top-10 list, the
// message display and the window's own controls, and runs the game session.
#include "game/GameState.h"
#include "platform/Failure.h"

#include <QList>
#include <QWidget>

class ClickLabel;
class FilledCircle;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
struct Program;

class Main : public QWidget {
    Q_OBJECT
public:
    explicit Main(Program& program, QWidget* parent = nullptr);
    ~Main() override;

    // Start-up: reads the options, lays out the window and starts the first game.
    void load();

    // The window's operations, named after the controls and steps that trigger them.
    void Restart();
    void NyttSpel();
    void Avsluta();
    void Varje();
    void NoAble();
    void TimerEndTick();
    void TimerIndikTick();
    void Command1Click();
    void Command2Click();

    // Shows a message on the message display.
    void Say(const QString& text);
    // Appends an event to the log.
    void Logg(const QString& text);

    GameState game;

    // Values that outlive a game.
    bool welcomeShown = false;
    int indicatorPhase = -1;
    QString clockSwitch;
    bool alarmArmed = false;
    QString alarmTime;
    QString soundSwitch;
    QString message; // the text the display shows now

    Program& program() { return program_; }

signals:
    void said(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void failurePath(const RuntimeFailure& failure, const QString& place);
    void loadBackgroundPicture();
    bool confirm(const QString& warnKey, const QString& promptKey);

    template <class W, class... Args> W* add(const QString& name, const QRect& at, Args&&... args);

    Program& program_;
    QPixmap artwork_;

    ClickLabel* roll_ = nullptr;
    ClickLabel* undo_ = nullptr;
    QLabel* rolls_ = nullptr;
    QLabel* mrolls_ = nullptr;
    QList<ClickLabel*> diceImages_;
    FilledCircle* indik_ = nullptr;
    QLabel* bonus_ = nullptr;
    QLabel* total_ = nullptr;
    QList<ClickLabel*> categories_;
    QList<QLabel*> scores_;
    QList<ClickLabel*> topp_;
    QLabel* titellist_ = nullptr;
    QLabel* errorPic_ = nullptr;
    QLabel* backgrPic_ = nullptr;
    QLabel* soundPic_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QTimer* timerIndik_ = nullptr;
    QTimer* timerEnd_ = nullptr;
};
