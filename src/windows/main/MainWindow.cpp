#include "windows/main/MainWindow.h"

#include "core/Program.h"
#include "rules/game/Categories.h"
#include "ui/ClickLabel.h"
#include "ui/Colours.h"
#include "ui/Fonts.h"
#include "ui/Layout.h"
#include "ui/MessageDisplay.h"
#include "ui/Resources.h"
#include "ui/SoundEffects.h"
#include "windows/main/TopTen.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {
void caption(QLabel* l, const QString& text, const QFont& font, Qt::Alignment align) {
    l->setText(text);
    l->setFont(font);
    l->setAlignment(align);
}
} // namespace

Main::Main(Program& program, QWidget* parent)
    : QWidget(parent), program_(program), sounds_(std::make_unique<SoundEffects>(program)),
      topTen_(std::make_unique<scores::TopTen>(program, [this](int n) { sndA(n); })) {
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Tarnwick 2000"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(twips::px(layout::WindowWidth), twips::px(layout::WindowHeight));
    setFont(fonts::sansSerif());
    buildControls();
    connect(&program_.platform.desktop, &platform::Desktop::displayChanged, this,
            &Main::displayChanged);
}

Main::~Main() = default;

template <class W, class... Args>
W* Main::add(const QString& name, const QRect& at, Args&&... args) {
    W* w = nullptr;
    if constexpr (std::is_base_of_v<ClickLabel, W> || std::is_same_v<W, FilledCircle>) {
        w = new W(name, this, std::forward<Args>(args)...);
    } else {
        w = new W(std::forward<Args>(args)..., this);
        w->setObjectName(name);
    }
    w->setGeometry(at);
    return w;
}

void Main::buildControls() {
    backgrPic_ = add<QLabel>(QStringLiteral("BackgrPic"), twips::rect(0, 0, 500, 500));
    backgrPic_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    backgrPic_->hide();
    buildTitleBar();
    buildBoard();
    buildScoreboard();

    // Labels paint their text in their own colour over the artwork.
    for (QLabel* l : findChildren<QLabel*>())
        if (!qobject_cast<ClickLabel*>(l)) setTextColour(l, colours::White);
    setTextColour(total_, colours::Gold);
    buildTimers();
}

void Main::buildTitleBar() {
    using namespace layout;
    titellist_ = add<QLabel>(QStringLiteral("Titellist"), Titellist.px());
    caption(titellist_, QStringLiteral("Tarnwick 2000"), fonts::verdana(9.75, true),
            Qt::AlignCenter);
    titellist_->installEventFilter(this);
    auto* logo = add<ClickLabel>(QStringLiteral("Logo"), Logo.px());
    connect(logo, &ClickLabel::clicked, this,
            [this] { emit programMenuRequested(QCursor::pos()); });
    showTime_ = add<ClickLabel>(QStringLiteral("ShowTime"), ShowTime.px());
    showTime_->setAlignment(Qt::AlignCenter);
    connect(showTime_, &ClickLabel::clicked, this,
            [this] { emit settingsRequested(QStringLiteral("alarm")); });
    auto* help = add<ClickLabel>(QStringLiteral("lblHelp"), lblHelp.px());
    connect(help, &ClickLabel::clicked, this, &Main::lblHelpClick);
    auto* lblSett = add<ClickLabel>(QStringLiteral("lblSett"), layout::lblSett.px());
    caption(lblSett, QStringLiteral("Settings"), fonts::verdana(9.75, true), Qt::AlignCenter);
    connect(lblSett, &ClickLabel::clicked, this,
            [this] { emit settingsRequested(QStringLiteral("all")); });
    auto* minimera = add<ClickLabel>(QStringLiteral("Minimera"), Minimera.px());
    caption(minimera, QStringLiteral("_"), fonts::verdana(9.75, true), Qt::AlignCenter);
    connect(minimera, &ClickLabel::clicked, this, &QWidget::showMinimized);
    auto* avsluta = add<ClickLabel>(QStringLiteral("Avsluta"), layout::Avsluta.px());
    caption(avsluta, QStringLiteral("X"), fonts::verdana(9.75, true), Qt::AlignCenter);
    connect(avsluta, &ClickLabel::clicked, this, &Main::Avsluta);

    for (int place = 1; place <= 10; ++place) {
        auto* t = add<ClickLabel>(QStringLiteral("Topp%1").arg(place, 2, 10, QLatin1Char('0')),
                                  topp(place).px());
        t->setFont(fonts::verdana(8.25));
        connect(t, &ClickLabel::clicked, this, [this, place] { ToppClick(place); });
        topp_.append(t);
    }
    lbUser_ = add<ClickLabel>(QStringLiteral("lb_User"), lb_User.px());
    lbUser_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(lbUser_, &ClickLabel::clicked, this,
            [this] { emit settingsRequested(QStringLiteral("user")); });
}

void Main::buildBoard() {
    using namespace layout;
    for (int die = 1; die <= 6; ++die) {
        auto* image = add<ClickLabel>(QStringLiteral("Image%1").arg(die), Dice[die - 1].px());
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        image->hide();
        connect(image, &ClickLabel::clicked, this, [this, die] { ImageClick(die); });
        diceImages_.append(image);
    }
    roll_ = add<ClickLabel>(QStringLiteral("Roll"), layout::Roll.px());
    auto* rollWord = new QLabel(roll_);
    rollWord->setObjectName(QStringLiteral("lbl_Roll"));
    rollWord->setGeometry(lbl_Roll.px().translated(-layout::Roll.px().topLeft()));
    caption(rollWord, QStringLiteral("Roll"), fonts::verdana(12, true), Qt::AlignCenter);
    rollWord->setAttribute(Qt::WA_TransparentForMouseEvents);
    undo_ = add<ClickLabel>(QStringLiteral("Undo"), layout::Undo.px());
    // No language has a word for it, so it shows the sign every player reads as "undo".
    caption(undo_, QStringLiteral("\u21BA"), fonts::verdana(14, true), Qt::AlignCenter);
    undo_->setEnabled(false);
    connect(roll_, &ClickLabel::clicked, this, &Main::Roll);
    connect(undo_, &ClickLabel::clicked, this, &Main::UndoClick);
    auto* nyttSpel = add<ClickLabel>(QStringLiteral("NyttSpel"), layout::NyttSpel.px());
    caption(nyttSpel, QStringLiteral("New game"), fonts::verdana(9.75, true), Qt::AlignCenter);
    connect(nyttSpel, &ClickLabel::clicked, this, &Main::NyttSpel);

    rolls_ = add<QLabel>(QStringLiteral("Rolls"), layout::Rolls.px());
    caption(rolls_, QStringLiteral("60"), fonts::verdana(9.75, true), Qt::AlignCenter);
    rolls_->setToolTip(QStringLiteral(" Rolls "));
    mrolls_ = add<QLabel>(QStringLiteral("Mrolls"), layout::Mrolls.px());
    caption(mrolls_, QString(), fonts::verdana(8.25), Qt::AlignCenter);
    mrolls_->setToolTip(QStringLiteral(" Rolls / Category "));

    command1_ = add<QPushButton>(QStringLiteral("Command1"), layout::Command1.px(),
                                 QStringLiteral("Noll slag"));
    command1_->hide();
    connect(command1_, &QPushButton::clicked, this, &Main::Command1Click);
    text1_ = add<QLineEdit>(QStringLiteral("Text1"), layout::Text1.px());
    text1_->hide();
    command2_ =
        add<QPushButton>(QStringLiteral("Command2"), layout::Command2.px(), QStringLiteral("&OK"));
    command2_->hide();
    connect(command2_, &QPushButton::clicked, this, &Main::Command2Click);

    auto* errorPic = add<ClickLabel>(QStringLiteral("ErrorPic"), layout::ErrorPic.px());
    errorPic->setScaledContents(true);
    errorPic->hide();
    // The error indicator opens the log, where the failure was written.
    connect(errorPic, &ClickLabel::clicked, this,
            [this] { program_.platform.shell.open(program_.log.path()); });
    errorPic_ = errorPic;
    soundPic_ = add<ClickLabel>(QStringLiteral("SoundPic"), layout::SoundPic.px());
    soundPic_->setScaledContents(true);
    connect(soundPic_, &ClickLabel::clicked, this, &Main::SoundPicClick);
    auto* homepage = add<ClickLabel>(QStringLiteral("Homepage"), layout::Homepage.px());
    caption(homepage, QStringLiteral("www"), fonts::verdana(8.25, true), Qt::AlignCenter);
    connect(homepage, &ClickLabel::clicked, this,
            [this] { emit webMenuRequested(QCursor::pos()); });
}

void Main::buildScoreboard() {
    using namespace layout;
    for (const Category& c : Categories) {
        auto* label = add<ClickLabel>(QLatin1String(c.label), layout::category(c.id).px());
        label->setText(QStringLiteral("  ") + QLatin1String(c.caption));
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        connect(label, &ClickLabel::clicked, this, [this, id = c.id] { EnterCategory(id); });
        categories_.append(label);
    }
    for (const Category& c : Categories) {
        auto* score = add<QLabel>(QLatin1String(c.scoreLabel), layout::score(c.id).px());
        score->setAlignment(Qt::AlignCenter);
        scores_.append(score);
    }
    auto* dispBonus = add<QLabel>(QStringLiteral("disp_Bonus"), layout::disp_Bonus.px());
    caption(dispBonus, QStringLiteral("  Bonus"), fonts::sansSerif(8.25, true), Qt::AlignVCenter);
    auto* dispTotal = add<QLabel>(QStringLiteral("disp_Total"), layout::disp_Total.px());
    caption(dispTotal, QStringLiteral("  TOTAL"), fonts::sansSerif(8.25, true), Qt::AlignVCenter);
    bonus_ = add<QLabel>(QStringLiteral("Bonus"), layout::Bonus.px());
    caption(bonus_, QStringLiteral("-84"), fonts::verdana(9.75), Qt::AlignCenter);
    total_ = add<QLabel>(QStringLiteral("scr_Tot"), layout::scr_Tot.px());
    caption(total_, QStringLiteral("0"), fonts::verdana(9.75, true), Qt::AlignCenter);
    indik_ = add<FilledCircle>(QStringLiteral("Indik"),
                               twips::rect(IndikLeft, CategoryTop[0], IndikSize, IndikSize));
    indik_->hide();
}

void Main::buildTimers() {
    auto timer = [this](const char* name, int interval, void (Main::*tick)()) {
        auto* t = new QTimer(this);
        t->setObjectName(QLatin1String(name));
        t->setInterval(interval);
        connect(t, &QTimer::timeout, this, tick);
        return t;
    };
    timerIndik_ = timer("TimerIndik", 50, &Main::TimerIndikTick);
    timerPlay_ = timer("TimerPlay", 1000, &Main::TimerPlayTick);
    timerEnd_ = timer("TimerEnd", 1500, &Main::TimerEndTick);
    timerEnd_->setSingleShot(true);
    timer3_ = timer("Timer3", 1800, &Main::Timer3Tick);
    timerUser_ = timer("TimerUser", 1500, &Main::TimerUserTick);
    timerSending_ = timer("TimerSending", 1000, &Main::TimerSendingTick);

    display_ = new MessageDisplay(this);
    // Everything the display says passes here, the delayed total included.
    connect(display_, &MessageDisplay::said, this, &Main::said);
    display_->setTotalAnnouncement([this] {
        return program_.text(text::Total) + QStringLiteral(": ") + QString::number(game().total);
    });
}

void Main::load() {
    try {
        showPictures();
        indicatorPhase_ = -1;

        // The clock runs from the start; its first tick stops it when the player turned it off.
        timer3_->start();
        const TarnIni& ini = program_.ini;
        clockSwitch_ = profile::yesNo(ini.get(ini::options::ShowTime));
        alarmArmed_ = ini.get(ini::alarm::Status) == ini::alarm::On;
        alarmTime_ = ini.get(ini::alarm::When);

        if (ini.get(ini::options::NollSlag)) {
            command1_->show();
        } else {
            text1_->hide();
            command1_->hide();
        }

        Unpack();
        ScreenKoll();

        for (ClickLabel* t : topp_)
            t->clear();
        titellist_->move(0, 0);

        sounds_->readSwitch();
        sounds_->showIn(soundPic_);

        loadBackgroundPicture();
    } catch (const RuntimeFailure& f) {
        failurePath(f, QStringLiteral(", Form load"));
        backgrPic_->hide();
        backgrPic_->resize(twips::px(500), twips::px(500));
        backgrPic_->clear();
    }
    Restart();
}

// The pictures set on controls rather than painted, in the variant for the window's pixel ratio.
void Main::showPictures() {
    const qreal ratio = devicePixelRatioF();
    setWindowIcon(resources::icon(resources::WindowIcon, ratio));
    errorPic_->setPixmap(resources::iconPixmap(resources::ErrorIcon, ratio));
    const QCursor hand = resources::cursor(resources::PointingHand, ratio);
    for (const char* name : {"lb_User", "NyttSpel", "lblSett", "lblHelp", "Homepage", "ShowTime"})
        findChild<QWidget*>(QLatin1String(name))->setCursor(hand);
    sounds_->showIn(soundPic_);
    for (int i = 0; i < 6; ++i)
        if (game().dice[i] > 0)
            diceImages_[i]->setPixmap(resources::bitmap(10 * (i + 1) + game().dice[i], ratio));
}

bool Main::event(QEvent* event) {
    // Moved to a screen of another pixel ratio: the background follows at its next paint,
    // the pictures set on controls are set again.
    if (event->type() == QEvent::ScreenChangeInternal) showPictures();
    return QWidget::event(event);
}

void Main::loadBackgroundPicture() {
    backgrPic_->move(0, 0);
    const QString p = program_.ini.get(ini::options::picture);
    if (!p.endsWith(QLatin1String(".jpg")) && !p.endsWith(QLatin1String(".gif"))) return;
    backgrPic_->resize(twips::px(12000), twips::px(19000));
    const QString file = program_.file(p);
    if (!QFileInfo(file).isFile()) throw failure::fileNotFound();
    QImageReader reader(file);
    const QImage image = reader.read();
    if (image.isNull()) throw failure::invalidPicture();
    backgrPic_->setPixmap(QPixmap::fromImage(image));
    backgrPic_->lower();
    backgrPic_->show();
}

void Main::failurePath(const RuntimeFailure& f, const QString& place) {
    const QString text = QStringLiteral("Error %1: %2%3").arg(f.number).arg(f.description, place);
    Logg(text);
    errorPic_->setToolTip(text);
    errorPic_->show();
    errorPic_->raise();
}

void Main::Logg(const QString& text) {
    program_.log.AppendLog(text);
}

void Main::sndA(int number) {
    sounds_->sndA(number);
}

void Main::Say(const QString& text) {
    display_->Say(text);
}

QList<QLabel*> Main::toppLabels() const {
    return {topp_.cbegin(), topp_.cend()};
}

void Main::paintEvent(QPaintEvent*) {
    resources::paintPicture(this, artwork_);
}
