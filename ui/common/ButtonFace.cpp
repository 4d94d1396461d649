#include "common/ButtonFace.h"

#include "common/ButtonKeys.h"
#include "common/SharedStyle.h"

#include <QAbstractButton>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionButton>
#include <qdrawutil.h>

namespace parolex {
namespace {

// The system's focus mark on a button: a rectangle of dots one pixel apart.
void drawDottedFocusRect(QPainter &painter, const QRect &rect, const QPalette &palette)
{
    painter.save();
    QPen dots(palette.color(QPalette::ButtonText), 0);
    dots.setCosmetic(true);
    dots.setDashPattern({1, 1});
    painter.setPen(dots);
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

// Keeps the platform style for everything but the panel of a push button.
class FlatButtonStyle : public QProxyStyle
{
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element != PE_PanelButtonCommand) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        QRect face = option->rect;
        const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
        if (button && (button->features & QStyleOptionButton::DefaultButton)) {
            // The button Enter presses wears a black frame around its edge.
            painter->save();
            painter->setPen(Qt::black);
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(face.adjusted(0, 0, -1, -1));
            painter->restore();
            face.adjust(1, 1, -1, -1);
        }
        drawButtonFace(*painter, face, option->palette, option->state.testAnyFlags(State_Sunken | State_On));
    }

    // Bevel, caption and the system's dotted focus mark inside the edge: platform styles draw
    // their focus in the panel or not at all without a keyboard move.
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
        if (element != CE_PushButton || !button) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        proxy()->drawControl(CE_PushButtonBevel, button, painter, widget);
        QStyleOptionButton label = *button;
        label.rect = proxy()->subElementRect(SE_PushButtonContents, button, widget);
        proxy()->drawControl(CE_PushButtonLabel, &label, painter, widget);
        if (button->state & State_HasFocus)
            drawDottedFocusRect(*painter, button->rect.adjusted(4, 4, -4, -4), button->palette);
    }
};

} // namespace

QColor buttonFaceGrey()
{
    return QColor(224, 224, 224);
}

void drawButtonFace(QPainter &painter, const QRect &rect, const QPalette &palette, bool sunken)
{
    const QBrush face = palette.brush(QPalette::Button);
    qDrawWinButton(&painter, rect, palette, sunken, &face);
}

void drawFocusFrame(QPainter &painter, const QWidget *widget, const QRect &rect)
{
    drawDottedFocusRect(painter, rect, widget->palette());
}

void useFlatFace(QAbstractButton *button)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, buttonFaceGrey());
    button->setPalette(palette);
    button->setStyle(sharedStyle<FlatButtonStyle>());
    pressOnEnter(button);
}

} // namespace parolex
