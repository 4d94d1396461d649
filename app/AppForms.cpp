#include "AppForms.h"

#include "info/Customize.h"
#include "info/FAbout.h"
#include "io/SystemTextFileLayer.h"
#include "keycheck/FCheck.h"
#include "main/MainForm.h"
#include "progress/Waiting.h"
#include "random/SodiumRandomSource.h"

namespace parolex {
namespace {

// Closing a window that deletes itself on close clears that attribute at once, while the
// deletion waits for the event loop: a window still marked is loaded, one that lost the
// mark has been unloaded and only waits to be deleted.
template <typename Window> Window *loaded(const QPointer<Window> &window)
{
    return window && window->testAttribute(Qt::WA_DeleteOnClose) ? window.data() : nullptr;
}

template <typename Window> void unloadWindow(const QPointer<Window> &window)
{
    if (Window *open = loaded(window))
        open->unload();
}

// Shows a dialog modeless and without owner, loading it when it is not loaded; a loaded one
// comes back as it is.
template <typename Window> void showWindow(QPointer<Window> &window, Forms &forms)
{
    if (!loaded(window))
        window = new Window(forms);
    window->show();
    window->raise();
}

} // namespace

AppForms::AppForms(MainFormSetup setup)
{
    if (!setup.random) {
        m_random = std::make_unique<SodiumRandomSource>();
        setup.random = m_random.get();
    }
    if (!setup.files) {
        m_files = std::make_unique<SystemTextFileLayer>();
        setup.files = m_files.get();
    }
    m_main = new MainForm(*this, setup);
}

AppForms::~AppForms()
{
    // Windows pending deletion are deleted too; the main window goes last, since the others
    // address it while they unload.
    delete m_customize.data();
    delete m_keyCheck.data();
    delete m_about.data();
    delete m_waiting.data();
    delete m_main.data();
}

MainForm *AppForms::mainForm() const
{
    return loaded(m_main);
}

QWidget *AppForms::mainWindow()
{
    return loaded(m_main);
}

void AppForms::untickMainAlwaysOnTop()
{
    if (MainForm *main = loaded(m_main))
        main->untickAlwaysOnTop();
}

void AppForms::showAbout()
{
    showWindow(m_about, *this);
}

void AppForms::showKeyCheck()
{
    showWindow(m_keyCheck, *this);
}

void AppForms::showCustomize()
{
    showWindow(m_customize, *this);
}

void AppForms::unloadAbout()
{
    unloadWindow(m_about);
}

void AppForms::unloadKeyCheck()
{
    unloadWindow(m_keyCheck);
}

Waiting &AppForms::progress()
{
    // Loading shows it: its load steps put it into the top layer.
    if (!loaded(m_waiting))
        m_waiting = new Waiting(*this);
    return *m_waiting;
}

void AppForms::unloadProgress()
{
    unloadWindow(m_waiting);
}

} // namespace parolex
