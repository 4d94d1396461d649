#include "common/FrameStyle.h"

#include "common/SharedStyle.h"

#include <QGroupBox>
#include <QProxyStyle>

namespace parolex {
namespace {

// Keeps the platform style's frame and caption; only the caption's height moves.
class CaptionOnBorderStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_GroupBox_TextLabelVerticalAlignment)
            return Qt::AlignVCenter;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

void useCaptionOnBorder(QGroupBox *frame)
{
    frame->setStyle(sharedStyle<CaptionOnBorderStyle>());
}

} // namespace parolex
