#pragma once

#include "common/Forms.h"
#include "main/MainFormSetup.h"

#include <QPointer>
#include <memory>

namespace parolex {

class Customize;
class FAbout;
class FCheck;
class MainForm;
class RandomSource;
class TextFileLayer;

/// The program's windows, each at most once. A window is loaded when it is first addressed
/// and counts as unloaded from the moment it is closed, even while Qt has yet to delete it.
class AppForms : public Forms
{
public:
    /// Loads the main window (it is shown by the caller). Empty parts of @p setup get the
    /// program's own: its settings folders, the system's random source and files.
    explicit AppForms(MainFormSetup setup = {});
    ~AppForms() override;
    AppForms(const AppForms &) = delete;
    AppForms &operator=(const AppForms &) = delete;

    MainForm *mainForm() const;

    QWidget *mainWindow() override;
    void untickMainAlwaysOnTop() override;
    void showAbout() override;
    void showKeyCheck() override;
    void showCustomize() override;
    void unloadAbout() override;
    void unloadKeyCheck() override;
    Waiting &progress() override;
    void unloadProgress() override;

private:
    std::unique_ptr<RandomSource> m_random;
    std::unique_ptr<TextFileLayer> m_files;
    QPointer<MainForm> m_main;
    QPointer<Waiting> m_waiting;
    QPointer<FAbout> m_about;
    QPointer<FCheck> m_keyCheck;
    QPointer<Customize> m_customize;
};

} // namespace parolex
