#pragma once
// The translation wizard: start a new language, continue one under way, prepare the
// modification of an installed language, or mail a language file to the maintainer. It hands
// over to the translation editor or back to the settings window by its signals, and closes.
#include "rules/translate/Translation.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct Program;

class frmSetLan : public QDialog {
    Q_OBJECT
  public:
    // `job` outlives the window: the editor works on what the wizard sets up in it.
    frmSetLan(Program& program, translate::Job& job, QWidget* parent);

    // "sel" while the player chooses what to do, "tit" while he names a new language.
    const QString& stage() const { return stage_; }
    // A language file is on its way to the maintainer.
    bool sending() const { return sending_; }

  signals:
    void editorWanted();
    void settingsWanted();

  protected:
    // Escape cancels, as the Cancel button does.
    void reject() override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build();
    void load();
    void Command2Click();
    void Command1Click();
    void Combo2Click(int index);
    // Paints the two lists for the choice made.
    void OptionClick();
    void showFacts(bool shown);
    void sendLanguage();
    void sent(const QString& path, const platform::MailResult& result);
    void handOver(void (frmSetLan::*signal)());
    void tell(const QString& text);

    Program& program_;
    translate::Job& job_;
    QString stage_ = QStringLiteral("sel");
    QList<translate::UnderWay> underWay_;
    bool sending_ = false;
    bool handedOver_ = false;

    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QRadioButton* option3_ = nullptr;
    QRadioButton* option4_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QComboBox* combo2_ = nullptr;
    QList<QLabel*> labels_;
    QList<QLineEdit*> texts_;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
};
