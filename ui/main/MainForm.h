#pragma once

#include "main/MainFormSetup.h"
#include "main/SettingsFile.h"
#include "run/GenerationOptions.h"
#include "skin/SkinnedWindow.h"

#include <QPointer>
#include <memory>

namespace Ui {
class MainForm;
}

namespace parolex {

class Forms;
class MainRunUi;
class ResultList;
class SimpleMode;

/// The window the program starts with: every option of a run, the start button, the result
/// list the user picks a password from, the buttons to the other windows, simple mode and
/// always-on-top. Constructing it runs its load sequence; closing it writes the settings and
/// ends the program.
class MainForm : public SkinnedWindow
{
    Q_OBJECT

public:
    explicit MainForm(Forms &forms, const MainFormSetup &setup = {});
    ~MainForm() override;

    /// Makes the Key-file row usable in Key mode and unusable otherwise.
    void IsKeyInputEnabled();
    /// Unticks "总在最前"; when it was ticked, its click handling takes the window out of the
    /// top layer.
    void untickAlwaysOnTop();

    /// The options a run started now would read.
    GenerationOptions options() const;

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void titleCloseClicked() override;
    void titleHelpClicked() override;

private:
    void load();
    void connectHandlers();
    void fillLists();
    void fitHintLines();
    void followFocus(QWidget *now);

    void startRun();
    void check1Click(bool ticked);
    void chMuiClick(bool ticked);
    void optNClick();
    void optTClick();
    void cLetterClick(bool ticked);
    void chTopClick(bool ticked);
    void coCodeClick();
    void iinputClick();
    void iOutputClick();

    std::unique_ptr<::Ui::MainForm> m_ui;
    Forms &m_forms;
    MainFormSetup m_setup;
    SettingsFile m_settings;
    std::unique_ptr<SimpleMode> m_simpleLayout;
    std::unique_ptr<ResultList> m_results;
    std::unique_ptr<MainRunUi> m_runUi;

    bool m_simpleMode = false;
    bool m_filterDuplicates = false;
    bool m_fileOutput = false;
    bool m_keyMode = false;
    /// The control that last held the focus here; disabling the window takes the focus away.
    QPointer<QWidget> m_lastFocus;
    QMetaObject::Connection m_focusFollower;
    /// Set when the window was closed during a run: the program ends when the run has.
    bool m_endAfterRun = false;
};

} // namespace parolex
