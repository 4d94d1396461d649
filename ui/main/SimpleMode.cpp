#include "main/SimpleMode.h"

#include "skin/Skin.h"
#include "ui_MainForm.h"

#include <QtMath>

namespace parolex {
namespace {

constexpr int twipsPerPixel = 15;
constexpr int heightChangeTwips = 2000;

} // namespace

SimpleMode::SimpleMode(QWidget &window, ::Ui::MainForm &ui)
    : m_window(window), m_ui(ui), m_heightTwips(window.height() * twipsPerPixel)
{}

void SimpleMode::switchOn()
{
    for (QWidget *hidden : foldedAway())
        hidden->hide();
    move(+1);
    setHeightTwips(m_heightTwips - heightChangeTwips);
    ApplySkin(&m_window);
}

void SimpleMode::switchOff()
{
    for (QWidget *shown : foldedAway())
        shown->show();
    move(-1);
    setHeightTwips(m_heightTwips + heightChangeTwips);
    ApplySkin(&m_window);
}

QList<QWidget *> SimpleMode::foldedAway() const
{
    return {m_ui.Frame4, m_ui.Frame3, m_ui.Frame2, m_ui.CmdCheck, m_ui.ChTop, m_ui.CmdExit};
}

void SimpleMode::move(int direction)
{
    // Offsets when switching on; switching off applies them backwards.
    struct Offset
    {
        QWidget *control;
        int dx;
        int dy;
    };
    const Offset offsets[] = {
        {m_ui.Frame1, 0, -80},    {m_ui.Label4, 0, -140},  {m_ui.Label3, 0, -140},
        {m_ui.CoCode, 0, -140},   {m_ui.CmdStart, 210, 0}, {m_ui.CmdStart, 0, -140},
        {m_ui.CmdAbout, 0, -140}, {m_ui.Check1, 220, 0},   {m_ui.Check1, 0, -140},
    };
    for (const Offset &offset : offsets)
        offset.control->move(offset.control->pos() + direction * QPoint(offset.dx, offset.dy));
}

void SimpleMode::setHeightTwips(int twips)
{
    m_heightTwips = twips;
    // 3610 twips are 240 2/3 pixels; the window takes the nearest whole pixel.
    m_window.resize(m_window.width(), qRound(double(twips) / twipsPerPixel));
}

} // namespace parolex
