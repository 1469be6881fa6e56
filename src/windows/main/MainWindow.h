#pragma once
// The main window: the game itself. It holds the dice, the scoreboard, the top-10 list, the
// message display and the window's own controls, and plays the game model's turns. It knows no
// other window: it asks for the settings window by signals and takes the settings' changes by
// slots, connected where the program wires its windows.
#include "core/LanguageKeys.h"
#include "core/ProfileSchema.h"
#include "platform/Failure.h"
#include "rules/game/GameModel.h"
#include "ui/Resources.h"

#include <QList>
#include <QWidget>

#include <array>
#include <memory>

class ClickLabel;
class FilledCircle;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class MessageDisplay;
class SoundEffects;
struct RollResult;
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

    // The game in progress.
    const GameState& game() const { return model_.state(); }
    // The top-10 place last clicked, 1..10; 0 before any.
    int selectedPlace() const { return selectedPlace_; }
    // Values read at start-up that the settings window starts from.
    const QString& clockSwitch() const { return clockSwitch_; }
    bool alarmArmed() const { return alarmArmed_; }
    const QString& alarmTime() const { return alarmTime_; }
    QString soundSwitch() const;

  public slots:
    // The window's operations, named after the controls and steps that trigger them.
    void Restart();
    void NyttSpel();
    void Avsluta();
    void Roll();
    void ImageClick(int die); // die 1..6
    void UndoClick();
    void EnterCategory(int categoryId);
    void Command1Click();
    void Command2Click();
    void ToppClick(int place);
    void TimerEndTick();
    void TimerIndikTick();
    void TimerPlayTick();
    void Timer3Tick();
    void TimerUserTick();
    void TimerSendingTick();

    // The desktop: placing the window on the work area, and a change of the work area.
    void ScreenKoll();
    void displayChanged();
    // On-line submission of the selected top-10 place.
    void SendX();
    // The settings window closed with a named user: a submission waiting for one goes on.
    void userReady();
    // The menu's "Show text input": shows or hides Text1 and its button; answers whether shown.
    bool toggleTextInput();
    // The beep of a web page opened without a question, under the sound switch.
    void pageBeep();

    // What the settings window changed.
    void setSoundSwitch(bool on);
    void setClockShown(bool on);
    void hideRedSquare();
    void setAlarm(bool armed, const QString& when);
    void showUser(const QString& caption);
    void clearTopList();
    void sayTotalAgain();

  signals:
    // Every message the display shows.
    void said(const QString& text);
    // A game starts: the settings window must be loaded, hidden, unless it is loaded already;
    // loading it applies the selected language.
    void settingsNeeded();
    // An opener was clicked: the settings window, loaded afresh on page `mode`.
    void settingsRequested(const QString& mode);
    // The sound switch changed here: an open settings window would show the old state.
    void settingsOutdated();
    // The logo or the homepage link was clicked: its pop-up menu, at `at` on the screen.
    void programMenuRequested(const QPoint& at);
    void webMenuRequested(const QPoint& at);

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void buildControls();
    void buildTitleBar();
    void buildBoard();
    void buildScoreboard();
    void buildTimers();
    void failurePath(const RuntimeFailure& failure, const QString& place);
    void loadBackgroundPicture();
    void showPictures();
    bool titleMouse(QMouseEvent* event);
    void centreOn(const QRect& area);
    void lblHelpClick();
    QString submission() const;
    bool confirm(const ini::SwitchKey& warning, text::Key prompt);

    // Steps of the game, named as in the design.
    void Varje(int total);
    void NoAble();
    void bonusVarje(BonusOutcome outcome);
    void CheckKateg(const preview::Result& result);
    void PlaceAll();
    void RemoveAll();
    void sndA(int number);
    void Say(const QString& text);
    void Logg(const QString& text);

    // The resource package: its files unpacked beside the program at start-up and recorded in
    // Tarn.ini, and deleted again when the player leaves.
    void Unpack();
    void DelRes();
    bool isResourceName(const QString& name) const;

    // Draws the table and the two buttons from the model.
    void showTable();
    void showRollButtons();
    void showRolls();
    void showMrolls();
    void clearDrag();
    void showClock();
    void fireAlarm();
    void SoundPicClick();
    QList<QLabel*> toppLabels() const;

    template <class W, class... Args> W* add(const QString& name, const QRect& at, Args&&... args);

    Program& program_;
    GameModel model_;
    std::unique_ptr<SoundEffects> sounds_;
    std::unique_ptr<scores::TopTen> topTen_;
    MessageDisplay* display_ = nullptr;
    resources::Picture artwork_{resources::background};

    // Values that outlive a game.
    bool welcomeShown_ = false;
    int indicatorPhase_ = -1;
    QString clockSwitch_;
    bool alarmArmed_ = false;
    QString alarmTime_;
    int selectedPlace_ = 0;
    // A submission waits for the player to choose a user in the settings window.
    bool waitingForUser_ = false;
    // The address TimerSending opens.
    QString sendAddress_;
    // The window is being dragged by its title, held at `grab_` within it.
    bool titleDrag_ = false;
    QPoint grab_;

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
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QTimer* timerIndik_ = nullptr;
    QTimer* timerEnd_ = nullptr;
    QTimer* timerPlay_ = nullptr;
    QTimer* timer3_ = nullptr;
    QTimer* timerUser_ = nullptr;
    QTimer* timerSending_ = nullptr;

    // The drag across the dice: started by a press on the window background.
    bool pickDrag_ = false;
    bool returnDrag_ = false;
    std::array<bool, 6> dragTouched_{};
};
