#include "common/FrameStyle.h"

#include "common/SharedStyle.h"

#include <QGroupBox>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionGroupBox>
#include <qdrawutil.h>

namespace parolex {
namespace {

constexpr int captionLeft = 8;
constexpr int captionPadding = 2;

// A classic etched frame whose top line runs through the middle of the caption, with the
// caption cut out of it. Every other control keeps the platform style.
class CaptionOnBorderStyle : public QProxyStyle
{
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl subControl,
                         const QWidget *widget) const override
    {
        const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
        if (control != CC_GroupBox || !box)
            return QProxyStyle::subControlRect(control, option, subControl, widget);
        const int captionHeight = box->fontMetrics.height();
        const QRect frame = box->rect.adjusted(0, captionHeight / 2, 0, 0);
        switch (subControl) {
        case SC_GroupBoxLabel:
            if (box->text.isEmpty())
                return {};
            return {captionLeft, 0, box->fontMetrics.horizontalAdvance(box->text) + 2 * captionPadding,
                    captionHeight};
        case SC_GroupBoxFrame:
            return frame;
        case SC_GroupBoxContents:
            return frame.adjusted(2, captionHeight - captionHeight / 2, -2, -2);
        default:
            return {};
        }
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
        if (control != CC_GroupBox || !box) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        const QRect caption = subControlRect(CC_GroupBox, box, SC_GroupBoxLabel, widget);
        painter->save();
        QRegion outsideCaption(box->rect);
        outsideCaption -= caption;
        painter->setClipRegion(outsideCaption);
        qDrawShadeRect(painter, subControlRect(CC_GroupBox, box, SC_GroupBoxFrame, widget), box->palette, true, 1,
                       0);
        painter->restore();
        proxy()->drawItemText(painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, box->palette,
                              box->state & State_Enabled, box->text, QPalette::WindowText);
    }
};

} // namespace

void useCaptionOnBorder(QGroupBox *frame)
{
    frame->setStyle(sharedStyle<CaptionOnBorderStyle>());
}

} // namespace parolex
