#pragma once

#include "skin/SkinnedWindow.h"

#include <memory>

namespace parolex {

class Forms;
namespace Ui {
class Customize;
}

/// The service dialog: advertises custom-made software and how to reach the author. It
/// floats on top and keeps the main window disabled while it is open.
class Customize : public SkinnedWindow
{
    Q_OBJECT

public:
    explicit Customize(Forms &forms);
    ~Customize() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Forms &m_forms;
    std::unique_ptr<Ui::Customize> m_ui;
};

} // namespace parolex
