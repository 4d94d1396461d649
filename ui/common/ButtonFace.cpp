#include "common/ButtonFace.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

namespace parolex {
namespace {

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
};

QStyle *flatButtonStyle()
{
    // One style for every flat button; it goes with the application.
    static QPointer<QStyle> style;
    if (!style) {
        style = new FlatButtonStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

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
    QStyleOptionFocusRect option;
    option.initFrom(widget);
    option.rect = rect;
    widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, widget);
}

void useFlatFace(QAbstractButton *button)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, buttonFaceGrey());
    button->setPalette(palette);
    button->setStyle(flatButtonStyle());
}

} // namespace parolex
