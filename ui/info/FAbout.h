#pragma once

#include "SkinnedWindow.h"

#include <memory>

namespace parolex {

class Forms;
namespace Ui {
class FAbout;
}

/// The About dialog: product name, version, the author's contacts and two links. Closing it
/// enables the main window, whatever had disabled it.
class FAbout : public SkinnedWindow
{
    Q_OBJECT

public:
    explicit FAbout(Forms &forms);
    ~FAbout() override;

    /// The version as the program has always shown it: every number with a leading blank.
    static QString versionText(int major, int minor, int revision);

protected:
    void titleHelpClicked() override;
    void closeEvent(QCloseEvent *event) override;

private:
    Forms &m_forms;
    std::unique_ptr<Ui::FAbout> m_ui;
};

} // namespace parolex
