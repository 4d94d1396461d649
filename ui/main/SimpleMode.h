#pragma once

#include <QList>

namespace Ui {
class MainForm;
}
class QWidget;

namespace parolex {

/// The main window's reduced layout: hides the mode, Key and batch frames and three picture
/// buttons, moves the rest up and makes the window 2000 twips shorter. Every switch applies
/// fixed offsets to where things are, and the height is kept in twips, so on and off again
/// return every control and the window's height exactly.
class SimpleMode
{
public:
    SimpleMode(QWidget &window, ::Ui::MainForm &ui);

    void switchOn();
    void switchOff();

private:
    /// What the simple layout hides, in the order it hides it.
    QList<QWidget *> foldedAway() const;
    void move(int direction);
    void setHeightTwips(int twips);

    QWidget &m_window;
    ::Ui::MainForm &m_ui;
    int m_heightTwips;
};

} // namespace parolex
