#pragma once
// The program's windows and every connection between them: the main window, its pop-up menus'
// window, and the settings window, which is loaded and unloaded here on the main window's
// requests. Windows only emit what changed; this is the one place that knows who listens.
#include "rules/translate/Translation.h"

#include <QObject>
#include <QPointer>

#include <memory>

class Main;
class frmMeny;
class frmLanguage;
class frmSetLan;
class frmSettings;
struct Program;

class Wiring : public QObject {
    Q_OBJECT
  public:
    explicit Wiring(Program& program);
    ~Wiring() override;

    Main& main() { return *main_; }
    frmMeny& menu() { return *menu_; }
    // Null while the settings window is not loaded.
    frmSettings* settings() const;

    // Loads the settings window hidden, unless it is loaded already. While the main window has
    // not painted its first frame and `settingsAfterFirstFrame` was asked for, only the language
    // is applied now, and the window is loaded right after that frame.
    void loadSettings();
    // The program's own start: nothing the first frame does not show stands in its way.
    void settingsAfterFirstFrame();
    // Unloads the settings window and loads it afresh on page `mode`, shown: every opening
    // reads Tarn.ini and applies the language again.
    void openSettings(const QString& mode);
    void unloadSettings();
    // The translation wizard, in place of the settings window; and the editor it hands over to.
    void openWizard();
    void openEditor();
    // Null while the window is not open.
    frmSetLan* wizard() const;
    frmLanguage* editor() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void load(const QString& mode);
    // The selected language's texts for the main window and the menus.
    void applyLanguage();

    Program& program_;
    std::unique_ptr<Main> main_;
    frmMeny* menu_;
    QPointer<frmSettings> settings_;
    bool waitForFirstFrame_ = false;
    // What the wizard set up for the editor.
    translate::Job job_;
    QPointer<frmSetLan> wizard_;
    QPointer<frmLanguage> editor_;
};
