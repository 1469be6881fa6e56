#include "windows/wizard/SetLanWindow.h"

#include "core/MailSettings.h"
#include "core/Program.h"
#include "rules/language/LanguageFile.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Layout.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using controls::button;
using controls::make;
using layout::Place;

namespace {

const QString& Title = translate::ToolsTitle;

// The facts of a new language sit this far below their places while the choices are shown.
constexpr int FactsDrop = 3060;

constexpr int Left = 360, Width = 5580, ListLeft = 720, ListWidth = 5220;
constexpr Place Option1{Left, 240, Width, 315};
constexpr Place Option2{Left, 660, Width, 315};
constexpr Place Combo2{ListLeft, 1020, ListWidth, 345};
constexpr Place Option3{Left, 1500, Width, 315};
constexpr Place Combo1{ListLeft, 1860, ListWidth, 345};
constexpr Place Option4{Left, 2340, Width, 315};
constexpr int FactsTop = 300 + FactsDrop, FactStep = 720, FactLabelHeight = 285,
              FactTextHeight = 345;
constexpr Place Command1{2580, 3000, 1560, 405};
constexpr Place Command2{4380, 3000, 1560, 405};
constexpr int ClientWidth = 6300, ClientHeight = 3630;

// The system colours the choices paint the lists with: the window's for the list in use, the
// buttons' face for the others.
void paintList(QComboBox* list, bool inUse) {
    QPalette palette = QApplication::palette(list);
    const QColor colour = inUse ? palette.color(QPalette::Base) : palette.color(QPalette::Button);
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    list->setPalette(palette);
}

} // namespace

frmSetLan::frmSetLan(Program& program, translate::Job& job, QWidget* parent)
    : QDialog(parent), program_(program), job_(job) {
    setObjectName(QStringLiteral("frmSetLan"));
    setWindowTitle(Title);
    setFont(fonts::sansSerif());
    setAttribute(Qt::WA_DeleteOnClose);
    build();
    load();
}

void frmSetLan::build() {
    option1_ = make<QRadioButton>("Option1", this, Option1);
    option1_->setText(QStringLiteral("&Translate NEW language"));
    option2_ = make<QRadioButton>("Option2", this, Option2);
    option2_->setText(QStringLiteral("C&ontinue with translation of"));
    combo2_ = make<QComboBox>("Combo2", this, ::Combo2);
    option3_ = make<QRadioButton>("Option3", this, Option3);
    option3_->setText(QStringLiteral("&Modify existing language"));
    combo1_ = make<QComboBox>("Combo1", this, ::Combo1);
    option4_ = make<QRadioButton>("Option4", this, Option4);
    option4_->setText(QStringLiteral("&Send your translations via e-mail"));
    for (QRadioButton* option : {option1_, option2_, option3_, option4_})
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on) OptionClick();
        });
    // Reaching for a list chooses what it is for.
    combo1_->installEventFilter(this);
    combo2_->installEventFilter(this);
    connect(combo2_, &QComboBox::activated, this, &frmSetLan::Combo2Click);
    connect(combo1_, &QComboBox::activated, this, [this] { option3_->setChecked(true); });

    const char* labelNames[] = {"Label1", "Label2", "Label3"};
    const char* textNames[] = {"Text1", "Text2", "Text3"};
    const QString captions[] = {QStringLiteral("Your name: (author)"),
                                QStringLiteral("Language: (native name)"),
                                QStringLiteral("Language: (in english)")};
    for (int i = 0; i < 3; ++i) {
        const int top = FactsTop + i * FactStep;
        auto* label = make<QLabel>(labelNames[i], this, {Left, top, Width, FactLabelHeight});
        label->setText(captions[i]);
        auto* text = make<QLineEdit>(textNames[i], this,
                                     {Left, top + FactLabelHeight, Width, FactTextHeight});
        text->setMaxLength(profile::MaxValueLength);
        label->setBuddy(text);
        label->hide();
        text->hide();
        labels_ << label;
        texts_ << text;
    }

    command1_ = button("Command1", this, Command1, QStringLiteral("&Cancel"));
    connect(command1_, &QPushButton::clicked, this, &frmSetLan::Command1Click);
    command2_ = make<QPushButton>("Command2", this, Command2);
    command2_->setText(QStringLiteral("&Next step >>"));
    command2_->setDefault(true);
    connect(command2_, &QPushButton::clicked, this, &frmSetLan::Command2Click);
    setFixedSize(twips::px(ClientWidth), twips::px(ClientHeight));
}

void frmSetLan::load() {
    language::useSelectedLanguage(program_);
    stage_ = QStringLiteral("sel");
    const TarnIni& ini = program_.ini;
    texts_[0]->setText(ini.get(ini::process::author, translate::currentProcess(ini)));

    combo1_->addItems(translate::languageNames(ini));
    const qint64 selected = ini.get(ini::language::selected);
    if (selected >= 1 && selected <= combo1_->count()) combo1_->setCurrentIndex(int(selected - 1));
    job_ = {translate::Mode::New, selected, program_.file(ini.get(ini::language::path, selected))};

    underWay_ = translate::processesUnderWay(ini);
    const bool continuing = translate::runningCount(ini) > 0 && !underWay_.isEmpty();
    option2_->setEnabled(continuing);
    combo2_->setEnabled(continuing);
    if (continuing) {
        const qint64 current = translate::currentProcess(ini);
        for (const translate::UnderWay& process : underWay_) {
            combo2_->addItem(process.name);
            if (process.number == current) combo2_->setCurrentIndex(combo2_->count() - 1);
        }
        option2_->setChecked(true);
    } else {
        option1_->setChecked(true);
    }
    OptionClick();
}

void frmSetLan::OptionClick() {
    paintList(combo2_, option2_->isChecked());
    paintList(combo1_, option3_->isChecked());
}

bool frmSetLan::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonPress) {
        if (watched == combo1_) option3_->setChecked(true);
        if (watched == combo2_ && combo2_->isEnabled()) option2_->setChecked(true);
    }
    return QDialog::eventFilter(watched, event);
}

void frmSetLan::Combo2Click(int index) {
    option2_->setChecked(true);
    if (index >= 0 && index < underWay_.size())
        translate::makeCurrent(program_.ini, underWay_[index].number);
}

void frmSetLan::showFacts(bool shown) {
    for (QRadioButton* option : {option1_, option2_, option3_, option4_})
        option->setVisible(!shown);
    combo1_->setVisible(!shown);
    combo2_->setVisible(!shown);
    const int by = twips::px(shown ? -FactsDrop : FactsDrop);
    for (int i = 0; i < 3; ++i) {
        labels_[i]->move(labels_[i]->pos() + QPoint(0, by));
        texts_[i]->move(texts_[i]->pos() + QPoint(0, by));
        labels_[i]->setVisible(shown);
        texts_[i]->setVisible(shown);
    }
}

void frmSetLan::Command2Click() {
    if (sending_) return;
    if (stage_ == QLatin1String("tit")) {
        const translate::Outcome started =
            translate::startNewLanguage(program_, texts_[0]->text(), texts_[1]->text(),
                                        texts_[2]->text(), program_.platform.clock.now().date());
        if (!started.ok) {
            tell(started.problem);
            return;
        }
        job_.mode = translate::Mode::New;
        handOver(&frmSetLan::editorWanted);
    } else if (option1_->isChecked()) {
        stage_ = QStringLiteral("tit");
        showFacts(true);
        texts_[0]->setFocus();
    } else if (option2_->isChecked()) {
        Combo2Click(combo2_->currentIndex());
        job_.mode = translate::Mode::New;
        handOver(&frmSetLan::editorWanted);
    } else if (option3_->isChecked()) {
        const translate::Outcome prepared =
            translate::prepareModification(program_, combo1_->currentText(), job_);
        if (!prepared.ok) {
            tell(prepared.problem);
            return;
        }
        handOver(&frmSetLan::editorWanted);
    } else if (option4_->isChecked()) {
        sendLanguage();
    }
}

void frmSetLan::Command1Click() {
    if (sending_) return;
    if (stage_ == QLatin1String("tit")) {
        stage_ = QStringLiteral("sel");
        showFacts(false);
        return;
    }
    handOver(&frmSetLan::settingsWanted);
}

void frmSetLan::sendLanguage() {
    const QString path =
        program_.platform.boxes.openFile(this, QStringLiteral("Select language file to send"),
                                         program_.dir, translate::mailFilters());
    if (path.isEmpty()) return;
    const QDateTime now = program_.platform.clock.now();
    const platform::MailMessage message =
        translate::languageMail(path, now.date(), program_.platform.clock.timeText(now.time()));
    // The window keeps painting while the mail goes, but takes no second click meanwhile.
    sending_ = true;
    setEnabled(false);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    program_.platform.mail.send(
        mail::mailAccount(program_.ini), message, this,
        [this, path](const platform::MailResult& result) { sent(path, result); });
}

void frmSetLan::sent(const QString& path, const platform::MailResult& result) {
    QApplication::restoreOverrideCursor();
    sending_ = false;
    setEnabled(true);
    if (!result.sent) {
        program_.platform.boxes.message(this,
                                        QStringLiteral("The language file was not sent: %1\n\n%2")
                                            .arg(result.error, mail::mailKeysHint),
                                        Title, platform::BoxIcon::Warning);
        return;
    }
    program_.platform.boxes.message(this, QStringLiteral("Successfully sended."), Title);
    program_.log.AppendLog(QStringLiteral("Language successfully sended: ") +
                           language::international(path));
    handOver(&frmSetLan::settingsWanted);
}

void frmSetLan::handOver(void (frmSetLan::*signal)()) {
    handedOver_ = true;
    emit(this->*signal)();
    close();
}

void frmSetLan::reject() {
    if (handedOver_)
        QDialog::reject();
    else
        Command1Click();
}

void frmSetLan::closeEvent(QCloseEvent* event) {
    // A mail on its way finishes first: its result still has to be told.
    if (sending_) {
        event->ignore();
        return;
    }
    // Closed by the desktop: back to the settings, as Cancel would.
    if (!handedOver_) {
        handedOver_ = true;
        emit settingsWanted();
    }
    QDialog::closeEvent(event);
}

void frmSetLan::tell(const QString& text) {
    program_.platform.boxes.message(this, text, Title, platform::BoxIcon::Information);
}
