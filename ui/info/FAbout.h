#pragma once

#include "skin/SkinnedWindow.h"

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

protected:
    void titleHelpClicked() override;
    void closeEvent(QCloseEvent *event) override;

private:
    Forms &m_forms;
    std::unique_ptr<Ui::FAbout> m_ui;
};

} // namespace parolex
