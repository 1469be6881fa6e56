#pragma once
// The main window: the game itself. It holds the dice, the scoreboard, the top-10 list, the
// message display and the window's own controls, and runs the game session.
#include "rules/game/GameState.h"
#include "platform/Failure.h"

#include <QList>
#include <QPixmap>
#include <QWidget>

#include <functional>
#include <memory>

class ClickLabel;
class FilledCircle;
class frmMeny;
class frmSettings;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class MessageDisplay;
class SoundEffects;
namespace scores {
class TopTen;
}
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

    // A click on a top-10 row: records its place (1..10) as the one to send.
    void ToppClick(int place);
    int selectedPlace = 0;

    // Dice: the roll, picking up and putting back, and the play time.
    void Roll();
    void ImageClick(int die); // die 1..6
    void UndoClick();
    void TimerPlayTick();

    // Scoreboard: laid out at every game start, cleared at every turn's end.
    void PlaceAll();
    void RemoveAll();

    // Categories: entering the roll, the upper bonus, the preview after each roll.
    void EnterCategory(int categoryId);
    void bonusVarje();
    void CheckKateg();

    // Plays a numbered sound effect.
    void sndA(int number);

    // Shows a message on the message display.
    void Say(const QString& text);
    // Appends an event to the log.
    void Logg(const QString& text);

    // The settings window: null while it is not loaded. Openers unload it and load it afresh
    // on the page they name, so every opening reads Tarn.ini and applies the language again.
    frmSettings* settingsWindow() const { return settings_; }
    void loadSettings(); // hidden, unless it is loaded already
    void openSettings(const QString& mode);
    void unloadSettings();
    void lblSettClick();
    void lb_UserClick();
    void ShowTimeClick();
    void SoundPicClick();

    // The hidden window with the pop-up menus, created on first use.
    frmMeny* meny();

    // The clock in the title bar and the alarm.
    void Timer3Tick();
    void setClockShown(bool on);

    // Hides the marker beside the suggested category.
    void hideRedSquare();

    GameState game;

    // Values that outlive a game.
    bool welcomeShown = false;
    int indicatorPhase = -1;
    QString clockSwitch;
    bool alarmArmed = false;
    QString alarmTime;
    QString message; // the text the display shows now

    Program& program() { return program_; }
    SoundEffects& sounds() { return *sounds_; }
    scores::TopTen& topTen() { return *topTen_; }
    QList<QLabel*> toppLabels() const;
    MessageDisplay& display() { return *display_; }
    ClickLabel* soundPic() const { return soundPic_; }
    ClickLabel* userLabel() const { return lbUser_; }

    // Opens the translation wizard; empty while the game has none.
    std::function<void()> showTranslationWizard;

signals:
    void said(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void buildControls();
    void failurePath(const RuntimeFailure& failure, const QString& place);
    void loadBackgroundPicture();
    bool confirm(const QString& warnKey, const QString& promptKey);

    void showMrolls();
    void clearDrag();
    void showClock();
    void fireAlarm();

    template <class W, class... Args> W* add(const QString& name, const QRect& at, Args&&... args);

    Program& program_;
    std::unique_ptr<SoundEffects> sounds_;
    std::unique_ptr<scores::TopTen> topTen_;
    MessageDisplay* display_ = nullptr;
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
    ClickLabel* soundPic_ = nullptr;
    ClickLabel* showTime_ = nullptr;
    ClickLabel* lbUser_ = nullptr;
    frmSettings* settings_ = nullptr;
    frmMeny* meny_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QTimer* timerIndik_ = nullptr;
    QTimer* timerEnd_ = nullptr;
    QTimer* timerPlay_ = nullptr;
    QTimer* timer3_ = nullptr;

    // The drag across the dice: started by a press on the window background.
    bool pickDrag_ = false;
    bool returnDrag_ = false;
    std::array<bool, 6> dragTouched_{};
};
