#pragma once
// The translation editor: every text of the reference language in turn beside a box for its
// translation, each change stored in the work file as the player types, the progress shown, and
// the finished language saved and registered. It hands back to the wizard or on to the settings
// window by its signals, and closes.
#include "rules/translate/Translation.h"
#include "rules/translate/Walk.h"

#include <QDialog>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
struct Program;

class frmLanguage : public QDialog {
    Q_OBJECT
  public:
    frmLanguage(Program& program, const translate::Job& job, QWidget* parent);

    int step() const { return step_; }
    const QString& currentKey() const { return key_; }
    const translate::Groups& groups() const { return groups_; }

  signals:
    void wizardWanted();
    void settingsWanted();

  protected:
    // Escape cancels, as the Cancel button does.
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void build();
    void open();
    // Makes the key of the current step the current key.
    void LanStep();
    // Shows the current key.
    void lanVarje();
    void checkLan();
    void bNextClick();
    void bPrevClick();
    void Combo1Click(int index);
    void Timer1Timer();
    void Timer2Timer();
    void Command1Click();
    void bSaveClick();
    // A text typed less than a moment ago is stored before the key changes: every keystroke
    // is kept.
    void storePending();
    void showStep();
    void handOver(void (frmLanguage::*signal)());
    QString reference(const QString& key) const;
    QString work(const QString& key) const;

    Program& program_;
    translate::Job job_;
    QString referenceFile_;
    QString workFile_;
    translate::Groups groups_;
    int step_ = 1;
    QString key_ = QStringLiteral("d1");
    bool handedOver_ = false;

    QLabel* lblSel_ = nullptr;
    QLabel* lblEnglish_ = nullptr;
    QLabel* lblID_ = nullptr;
    QLineEdit* inLan_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QLabel* lblWhich_ = nullptr;
    QPushButton* bPrev_ = nullptr;
    QPushButton* bNext_ = nullptr;
    QPushButton* bSave_ = nullptr;
    QPushButton* command1_ = nullptr;
    QLabel* lblBar_ = nullptr;
    QLabel* lblPerc_ = nullptr;
    QTimer* timer1_ = nullptr;
    QTimer* timer2_ = nullptr;
};
