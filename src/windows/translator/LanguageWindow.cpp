#include "windows/translator/LanguageWindow.h"

#include "core/LanguageKeys.h"
#include "core/Profile.h"
#include "core/Program.h"
#include "rules/language/LanguageFile.h"
#include "rules/users/UserList.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Layout.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using controls::button;
using controls::make;
using layout::Place;

namespace {

const QString& Title = translate::ToolsTitle;

constexpr int Left = 300, Width = 7200;
constexpr Place lblselected{Left, 240, 1980, 285};
constexpr Place lblSel{2340, 240, 5160, 285};
constexpr Place lblWord{Left, 720, 4800, 285};
constexpr Place lblID{5700, 720, 1800, 285};
constexpr Place lblEnglish{Left, 1020, Width, 900};
constexpr Place Label1{Left, 2100, 4800, 285};
constexpr Place inLan{Left, 2400, Width, 360};
constexpr Place bPrev{Left, 3000, 1620, 405};
constexpr Place Combo1{2040, 3030, 1020, 345};
constexpr Place lblWhich{3150, 3060, 1080, 285};
constexpr Place bNext{4290, 3000, 1620, 405};
constexpr Place BarTrack{Left, 3690, translate::BarTwips, 240};
constexpr Place lblPerc{Left + translate::BarTwips + 150, 3660, 900, 285};
constexpr Place bSave{3840, 4290, 2040, 405};
constexpr Place Command1{6000, 4290, 1500, 405};
constexpr int ClientWidth = 7800, ClientHeight = 4980;

QLabel* label(const char* name, QWidget* parent, const Place& at, const QString& caption = {}) {
    auto* l = make<QLabel>(name, parent, at);
    l->setText(caption);
    return l;
}

QTimer* timer(const char* name, QObject* parent, int ms) {
    auto* t = new QTimer(parent);
    t->setObjectName(QLatin1String(name));
    t->setInterval(ms);
    t->setSingleShot(true);
    return t;
}

} // namespace

frmLanguage::frmLanguage(Program& program, const translate::Job& job, QWidget* parent)
    : QDialog(parent), program_(program), job_(job) {
    setObjectName(QStringLiteral("frmLanguage"));
    setWindowTitle(Title);
    setFont(fonts::sansSerif());
    setAttribute(Qt::WA_DeleteOnClose);
    build();
    open();
}

void frmLanguage::build() {
    label("lblselected", this, lblselected, QStringLiteral("Selected language:"));
    lblSel_ = label("lblSel", this, ::lblSel);
    QFont bold = lblSel_->font();
    bold.setBold(true);
    lblSel_->setFont(bold);
    label("lblWord", this, lblWord, QStringLiteral("English word or sentence:"));
    lblID_ = label("lblID", this, ::lblID);
    lblID_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblEnglish_ = label("lblEnglish", this, ::lblEnglish);
    lblEnglish_->setWordWrap(true);
    lblEnglish_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblEnglish_->setFrameShape(QFrame::StyledPanel);
    lblEnglish_->setMargin(4);
    lblEnglish_->setTextFormat(Qt::PlainText);
    lblEnglish_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblEnglish_->setAutoFillBackground(true);
    lblEnglish_->setBackgroundRole(QPalette::AlternateBase);

    label("Label1", this, ::Label1, QStringLiteral("Translated word or sentence:"));
    inLan_ = make<QLineEdit>("inLan", this, ::inLan);
    // Values are single lines of at most this length: nothing typed is cut when it is stored.
    inLan_->setMaxLength(profile::MaxValueLength);

    bPrev_ = button("bPrev", this, ::bPrev, QStringLiteral("<< &Previous"));
    combo1_ = make<QComboBox>("Combo1", this, ::Combo1);
    lblWhich_ = label("lblWhich", this, ::lblWhich);
    bNext_ = button("bNext", this, ::bNext, QStringLiteral("&Next >>"));

    auto* track = make<QFrame>("BarTrack", this, BarTrack);
    track->setFrameShape(QFrame::StyledPanel);
    track->setFrameShadow(QFrame::Sunken);
    lblBar_ = label("lblBar", track, {0, 0, 0, BarTrack.height});
    lblBar_->setAutoFillBackground(true);
    lblBar_->setBackgroundRole(QPalette::Highlight);
    lblPerc_ = label("lblPerc", this, ::lblPerc);

    bSave_ = button("bSave", this, ::bSave, QStringLiteral("&Save language"));
    command1_ = button("Command1", this, ::Command1, QStringLiteral("&Cancel"));

    timer1_ = timer("Timer1", this, 1000);
    timer2_ = timer("Timer2", this, 800);

    connect(bNext_, &QPushButton::clicked, this, &frmLanguage::bNextClick);
    connect(bPrev_, &QPushButton::clicked, this, &frmLanguage::bPrevClick);
    connect(combo1_, &QComboBox::activated, this, &frmLanguage::Combo1Click);
    connect(inLan_, &QLineEdit::textChanged, timer2_, qOverload<>(&QTimer::start));
    // Enter goes on to the next text, as a translator working down the list expects.
    connect(inLan_, &QLineEdit::returnPressed, this, [this] {
        if (bNext_->isEnabled()) bNextClick();
    });
    connect(timer1_, &QTimer::timeout, this, &frmLanguage::Timer1Timer);
    connect(timer2_, &QTimer::timeout, this, &frmLanguage::Timer2Timer);
    connect(bSave_, &QPushButton::clicked, this, &frmLanguage::bSaveClick);
    connect(command1_, &QPushButton::clicked, this, &frmLanguage::Command1Click);
    setFixedSize(twips::px(ClientWidth), twips::px(ClientHeight));
}

QString frmLanguage::reference(const QString& key) const {
    return GetINI(language::LanguageSection, key, referenceFile_);
}

QString frmLanguage::work(const QString& key) const {
    return workFile_.isEmpty() ? QString() : GetINI(language::LanguageSection, key, workFile_);
}

void frmLanguage::open() {
    step_ = 1;
    lblBar_->resize(0, lblBar_->height());
    lblPerc_->setText(QStringLiteral("0%"));
    referenceFile_ = translate::referenceFile(program_);
    workFile_ = translate::workFile(program_, job_);
    lblSel_->setText(translate::editedName(program_, job_));
    key_ = QStringLiteral("d1");

    groups_ = translate::groupSizes([this](const QString& key) { return reference(key); });
    const int total = groups_.total();
    lblWhich_->setText(QStringLiteral("of ") + QString::number(total));
    QStringList steps;
    for (int n = 1; n <= total; ++n)
        steps << QString::number(n);
    combo1_->addItems(steps);
    showStep();
    lanVarje();
    checkLan();

    // Nothing to walk, or nowhere to keep the texts: the window says so and takes no input.
    const bool usable = total > 0 && !workFile_.isEmpty();
    inLan_->setEnabled(usable);
    combo1_->setEnabled(usable);
    if (total == 0)
        lblEnglish_->setText(QStringLiteral("%1 was not found or holds no texts: there is "
                                            "nothing to translate.")
                                 .arg(language::ReferenceFile));
    else if (workFile_.isEmpty())
        lblEnglish_->setText(QStringLiteral("There is no translation under way to work on."));
    if (!usable) {
        bPrev_->setEnabled(false);
        bNext_->setEnabled(false);
        timer2_->stop();
        return;
    }

    if (job_.mode == translate::Mode::New) {
        step_ = std::clamp(translate::savedStep(program_), 1, total);
        showStep();
        LanStep();
    }
}

void frmLanguage::showStep() {
    combo1_->setCurrentIndex(step_ - 1);
}

void frmLanguage::LanStep() {
    key_ = translate::keyAt(groups_, step_);
    lanVarje();
}

void frmLanguage::lanVarje() {
    lblID_->setText(QLatin1Char('(') + key_ + QLatin1Char(')'));
    lblEnglish_->setText(reference(key_));
    inLan_->setText(work(key_));
    bPrev_->setEnabled(step_ > 1);
    bNext_->setEnabled(step_ < groups_.total());
    timer1_->start();
    timer2_->start();
}

void frmLanguage::checkLan() {
    const translate::Progress p =
        translate::progress(groups_, [this](const QString& key) { return work(key); });
    lblBar_->resize(twips::px(p.barTwips), lblBar_->height());
    lblPerc_->setText(QString::number(p.percent) + QLatin1Char('%'));
    bSave_->setEnabled(p.done && !workFile_.isEmpty());
}

void frmLanguage::storePending() {
    timer1_->stop();
    if (timer2_->isActive()) Timer2Timer();
}

void frmLanguage::bNextClick() {
    if (step_ >= groups_.total()) return;
    storePending();
    inLan_->clear();
    ++step_;
    lblWhich_->setText(QStringLiteral("of ") + QString::number(groups_.total()));
    showStep();
    key_ = translate::nextKey(groups_, key_);
    lanVarje();
}

void frmLanguage::bPrevClick() {
    if (step_ <= 1) return;
    storePending();
    inLan_->clear();
    --step_;
    showStep();
    key_ = translate::previousKey(groups_, key_);
    lanVarje();
}

void frmLanguage::Combo1Click(int index) {
    storePending();
    step_ = index + 1;
    showStep();
    inLan_->clear();
    LanStep();
}

void frmLanguage::Timer1Timer() {
    timer1_->stop();
    inLan_->setFocus();
}

void frmLanguage::Timer2Timer() {
    timer2_->stop();
    if (workFile_.isEmpty() || groups_.total() == 0) return;
    translate::storeText(workFile_, key_, inLan_->text());
    checkLan();
}

void frmLanguage::Command1Click() {
    storePending();
    if (job_.mode == translate::Mode::New && !workFile_.isEmpty())
        translate::keepStep(program_, combo1_->currentIndex() + 1);
    handOver(&frmLanguage::wizardWanted);
}

void frmLanguage::bSaveClick() {
    storePending();
    if (!bSave_->isEnabled()) return;
    translate::Outcome saved;
    if (job_.mode == translate::Mode::Mod) {
        const QString author = program_.platform.boxes.input(
            this, QStringLiteral("Your name (author)"), Title, users::selectedName(program_.ini));
        // A cancelled box saves nothing.
        if (author.trimmed().isEmpty()) return;
        saved = translate::saveModification(program_, job_, author,
                                            program_.platform.clock.now().date());
    } else {
        saved = translate::saveNewLanguage(program_);
    }
    if (!saved.ok) {
        program_.platform.boxes.message(this, saved.problem, Title, platform::BoxIcon::Warning);
        return;
    }
    handOver(&frmLanguage::settingsWanted);
}

void frmLanguage::handOver(void (frmLanguage::*signal)()) {
    handedOver_ = true;
    timer1_->stop();
    timer2_->stop();
    // Out of sight first: the window it hands over to may look whether an editor is still open.
    hide();
    emit(this->*signal)();
    close();
}

void frmLanguage::reject() {
    if (handedOver_)
        QDialog::reject();
    else
        Command1Click();
}

void frmLanguage::closeEvent(QCloseEvent* event) {
    // Closed by the desktop: as Cancel, so the step is kept and the wizard comes back.
    if (!handedOver_) {
        Command1Click();
        return;
    }
    QDialog::closeEvent(event);
}
