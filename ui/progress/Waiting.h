#pragma once

#include "skin/SkinnedWindow.h"

#include <memory>

namespace Ui {
class Waiting;
}

namespace parolex {

class Forms;

/// The progress window a run shows while it works. Constructing it loads it: the main window
/// is disabled and leaves the top layer, this window floats above all others. Closing it
/// (by the run or by the user) enables the main window again; the run goes on either way.
class Waiting : public SkinnedWindow
{
    Q_OBJECT

public:
    explicit Waiting(Forms &forms);
    ~Waiting() override;

    /// Makes the percentage text visible.
    void showProgressLabel();
    void setProgressText(const QString &text);

protected:
    void closeEvent(QCloseEvent *event) override;
    void titleHelpClicked() override;

private:
    std::unique_ptr<::Ui::Waiting> m_ui;
    Forms &m_forms;
    qreal m_progressPointSize = 0;
};

} // namespace parolex
