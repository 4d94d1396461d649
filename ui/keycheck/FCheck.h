#pragma once

#include "skin/SkinnedWindow.h"

#include <memory>

namespace parolex {

class Forms;
namespace Ui {
class FCheck;
}

/// The key check dialog: derives the password of the typed Key and tells whether the typed
/// password is exactly that one. Constructing it runs its load steps, which take the main
/// window out of the always-on-top layer; nothing resets it while it stays loaded.
class FCheck : public SkinnedWindow
{
    Q_OBJECT

public:
    explicit FCheck(Forms &forms);
    ~FCheck() override;

protected:
    void titleHelpClicked() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void checkKey();
    void showOutcome(bool match);

    Forms &m_forms;
    std::unique_ptr<Ui::FCheck> m_ui;
};

} // namespace parolex
