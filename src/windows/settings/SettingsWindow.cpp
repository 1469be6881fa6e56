#include "windows/settings/SettingsWindow.h"

#include "core/Program.h"
#include "ui/ClickLabel.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Resources.h"
#include "windows/settings/SettingsOptions.h"
#include "windows/settings/SettingsPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>

using namespace settingsLayout;

using controls::button;
using controls::make;

namespace {
QGroupBox* frame(const char* name, QWidget* parent, const Place& at, const QString& caption) {
    auto* f = make<QGroupBox>(name, parent, at);
    f->setTitle(caption);
    return f;
}

// Shows each typed character of a password as "*".
class StarPasswordStyle : public QProxyStyle {
  public:
    explicit StarPasswordStyle(QObject* owner) { setParent(owner); }
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter) return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};
} // namespace

frmSettings::frmSettings(Program& program, const QString& mode, const Held& held, QWidget* parent)
    : QDialog(parent), program_(program), mode_(mode), held_(held) {
    setObjectName(QStringLiteral("frmSettings"));
    setWindowTitle(QStringLiteral("Settings"));
    setFont(fonts::sansSerif());
    buildControls();
}

QCheckBox* frmSettings::addCheck(const char* name, QGroupBox* frame, int row,
                                 const QString& caption) {
    const int width = twips::fromPx(frame->width()) - CheckLeft - Margin;
    auto* box = make<QCheckBox>(name, frame,
                                {CheckLeft, CheckFirstTop + row * CheckStep, width, CheckHeight});
    box->setText(caption);
    return box;
}

void frmSettings::buildControls() {
    frame1_ = frame("Frame1", this, Frame1, QStringLiteral("Language"));
    list1_ = make<QComboBox>("List1", frame1_, List1);
    connect(list1_, &QComboBox::activated, this, &frmSettings::List1Click);
    setTranslate_ = button("setTranslate", frame1_, setTranslate, QStringLiteral("Translate"));
    connect(setTranslate_, &QPushButton::clicked, this, &frmSettings::translateRequested);

    buildUserFrame();

    frame3_ = frame("Frame3", this, Frame3, QStringLiteral("Sound"));
    check1_ = addCheck("Check1", frame3_, 0, QStringLiteral("Mute"));
    connect(check1_, &QCheckBox::toggled, this, &frmSettings::Check1Click);

    frame4_ = frame("Frame4", this, Frame4, QStringLiteral("Warn before:"));
    frame5_ = frame("Frame5", this, Frame5, QStringLiteral("View"));
    options_ = {addCheck("Check2", frame4_, 0, QStringLiteral("Exit the program")),
                addCheck("Check3", frame4_, 1, QStringLiteral("Visit the homepage")),
                addCheck("Check4", frame4_, 2, QStringLiteral("Start a new game")),
                addCheck("Check5", frame5_, 0, QStringLiteral("Splashscreen")),
                addCheck("Check6", frame5_, 1, QStringLiteral("Help text")),
                addCheck("Check7", frame5_, 2, QStringLiteral("Time")),
                addCheck("Check8", frame5_, 3, QStringLiteral("Red square"))};
    for (QCheckBox* box : options_)
        connect(box, &QCheckBox::toggled, this, [this, box](bool on) { optionClick(box, on); });

    frame6_ = frame("Frame6", this, Frame6, QString());
    auto* label2 = make<QLabel>("Label2", frame6_, Label2);
    label2->setText(QStringLiteral("Tarnwick 2000"));
    label2->setFont(fonts::verdana(9.75, true));
    auto* lblInfo = make<QLabel>("lblInfo", frame6_, settingsLayout::lblInfo);
    lblInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblInfo2_ = make<QLabel>("lblInfo2", frame6_, settingsLayout::lblInfo2);
    lblInfo2_->setAlignment(Qt::AlignRight | Qt::AlignTop);

    buildAlarmFrame();

    command3_ = button("Command3", this, Command3, QStringLiteral("Clear highscore"));
    connect(command3_, &QPushButton::clicked, this, &frmSettings::Command3Click);
    command4_ =
        button("Command4", this, {0, 5130, Command4Width, ButtonHeight}, QStringLiteral("Close"));
    connect(command4_, &QPushButton::clicked, this, &frmSettings::Command4Click);

    // Until a page is laid out the window has the size of the page with everything on it.
    setFixedSize(clientSize(*pageFor(QStringLiteral("all"))));
}

void frmSettings::buildUserFrame() {
    frame2_ = frame("Frame2", this, Frame2, QStringLiteral("User"));
    list3_ = make<QComboBox>("List3", frame2_, List3);
    connect(list3_, &QComboBox::activated, this, &frmSettings::List3Click);
    // Language-neutral signs; the help texts say what they do.
    command1_ = button("Command1", frame2_, settingsLayout::Command1, QStringLiteral("+"));
    connect(command1_, &QPushButton::clicked, this, &frmSettings::Command1Click);
    command2_ = button("Command2", frame2_, settingsLayout::Command2, QStringLiteral("\u2212"));
    connect(command2_, &QPushButton::clicked, this, &frmSettings::Command2Click);
    label1_ = new ClickLabel(QStringLiteral("Label1"), frame2_);
    label1_->setGeometry(settingsLayout::Label1.px());
    label1_->setText(QStringLiteral("Signup for free"));
    QFont link = label1_->font();
    link.setUnderline(true);
    label1_->setFont(link);
    label1_->setForeground(QColor(0, 0, 192));
    connect(label1_, &ClickLabel::clicked, this, &frmSettings::Label1Click);

    lblEnter_ = make<QLabel>("lblEnter", frame2_, lblEnter);
    lblEnter_->setText(QStringLiteral("Enter member username and password"));
    lblEnter_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    txtUser_ = make<QLineEdit>("txtUser", frame2_, txtUser);
    txtPass_ = make<QLineEdit>("txtPass", frame2_, txtPass);
    txtPass_->setEchoMode(QLineEdit::Password);
    txtPass_->setStyle(new StarPasswordStyle(this));
    butOK_ = button("butOK", frame2_, butOK, QStringLiteral("OK"));
    connect(butOK_, &QPushButton::clicked, this, &frmSettings::butOKClick);
    connect(txtPass_, &QLineEdit::returnPressed, this, &frmSettings::butOKClick);
    showUserEntry(false);
}

void frmSettings::buildAlarmFrame() {
    frame7_ = frame("Frame7", this, Frame7, QStringLiteral("Alarm"));
    check9_ = make<QCheckBox>("Check9", frame7_, Check9);
    combo1_ = make<QComboBox>("Combo1", frame7_, Combo1);
    combo2_ = make<QComboBox>("Combo2", frame7_, Combo2);
    // Filled in one go each: item by item, every addition tells the view again.
    QStringList hours, minutes;
    for (int hour = 0; hour <= 23; ++hour)
        hours << QString::number(hour);
    for (int minute = 0; minute <= 59; ++minute)
        minutes << QStringLiteral(":%1").arg(minute, 2, 10, QLatin1Char('0'));
    combo1_->addItems(hours);
    combo2_->addItems(minutes);
    combo1_->setMaxVisibleItems(12);
    combo2_->setMaxVisibleItems(12);
    text1_ = make<QLineEdit>("Text1", frame7_, Text1);
    connect(text1_, &QLineEdit::textChanged, this, &frmSettings::Text1Change);
}

void frmSettings::load() {
    const TarnIni::Batch batch(program_.ini);
    layoutPage();
    label1_->setCursor(resources::cursor(resources::PointingHand, devicePixelRatioF()));
    command4_->move((width() - command4_->width()) / 2, command4_->y());

    showStatistics();
    fillLanguages();
    fillUsers();

    TarnIni& ini = program_.ini;
    // All boxes start unticked, so each box ticked here runs its click: its key reads "Yes"
    // from now on, and the clock and the texts follow it.
    for (const char* name :
         {"Check5", "Check7", "Check8", "Check2", "Check4", "Check3", "Check6"}) {
        const ini::SwitchKey& key = optionKey(QLatin1String(name));
        // The boxes show every option by rule N, whatever rule its readers apply.
        findChild<QCheckBox*>(QLatin1String(name))->setChecked(profile::ruleN(ini.raw(key)));
    }
    check1_->setChecked(held_.soundSwitch == profile::No);

    command3_->setEnabled(ini.get(ini::highscore::points, 1) != QLatin1String("0"));
    fillAlarm();
    LanUpdate();
}

void frmSettings::layoutPage() {
    const std::optional<Page> page = pageFor(mode_);
    if (!page) return;
    setWindowIcon(resources::icon(page->icon, devicePixelRatioF()));
    setFixedSize(clientSize(*page));
    for (QGroupBox* f : {frame1_, frame2_, frame3_, frame4_, frame5_, frame6_, frame7_})
        f->setVisible(!page->only || f->objectName() == QLatin1String(page->only));
    command3_->setVisible(page->clearButton);
    command4_->move(command4_->x(), twips::px(page->closeTop));

    // On the full page the alarm frame's place reaches past the window's edge; it ends at the
    // margin like the frames above it.
    QRect alarm = page->frame7.px();
    alarm.setRight(qMin(alarm.right(), width() - twips::px(Margin) - 1));
    frame7_->setGeometry(alarm);
    check9_->resize(twips::px(page->check9Width), check9_->height());
    check9_->setText(page->check9Captioned ? program_.text(text::Alarm) : QString());
    text1_->resize(twips::px(page->text1Width), text1_->height());
    combo1_->setGeometry(twips::px(page->combo1Left), combo1_->y(), twips::px(page->combo1Width),
                         combo1_->height());
    combo2_->move(twips::px(page->combo2Left), combo2_->y());
}

void frmSettings::showStatistics() {
    const TarnIni& ini = program_.ini;
    const QChar lf(10);
    // Counts not kept yet read as 0.
    lblInfo2_->setText(Program::version + QString::number(Program::revision) + lf + lf +
                       QString::number(ini.get(ini::session::total)) + lf +
                       QString::number(ini.get(ini::internet::entries)) + lf +
                       QString::number(profile::toNumber(ini.get(ini::highscore::alltime))));
}
