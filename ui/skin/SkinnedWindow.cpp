#include "skin/SkinnedWindow.h"

#include "skin/Skin.h"
#include "skin/SkinPicture.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <functional>

namespace parolex {
namespace {

// The title label is a plain QLabel; this forwards a left-button press on it and keeps every
// press from the label's own handling.
class PressForwarder : public QObject
{
public:
    PressForwarder(QObject *parent, std::function<void()> onPress)
        : QObject(parent), m_onPress(std::move(onPress))
    {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress) {
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
                m_onPress();
            return true;
        }
        return false;
    }

private:
    std::function<void()> m_onPress;
};

} // namespace

SkinnedWindow::SkinnedWindow(const QString &titleText, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    createSkinControls(this, titleText);
    connectSkinControls();
}

void SkinnedWindow::unload()
{
    close();
}

void SkinnedWindow::centreOver(const QWidget *other)
{
    // Placed by the program before it is shown: a window manager left to itself may put a
    // window without a system frame anywhere, even in a corner of the screen.
    QRect area;
    if (other && other->isVisible())
        area = other->frameGeometry();
    else if (const QScreen *screen = this->screen())
        area = screen->availableGeometry();
    if (area.isValid())
        move(area.center() - rect().center());
}

void SkinnedWindow::titleCloseClicked()
{
    unload();
}

void SkinnedWindow::titleHelpClicked() {}

void SkinnedWindow::connectSkinControls()
{
    auto picture = [this](const char *name) {
        return findChild<SkinPicture *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    };
    for (const char *name : {"imgTitleLeft", "imgTitleMain", "imgTitleRight"})
        connect(picture(name), &SkinPicture::pressed, this, [this] { StartWindowDrag(this); });
    connect(picture("imgTitleMinimize"), &SkinPicture::clicked, this, &QWidget::showMinimized);
    connect(picture("imgTitleClose"), &SkinPicture::clicked, this, [this] { titleCloseClicked(); });
    connect(picture("imgTitleHelp"), &SkinPicture::clicked, this, [this] { titleHelpClicked(); });

    auto *title = findChild<QLabel *>(QStringLiteral("lblTitle"), Qt::FindDirectChildrenOnly);
    title->installEventFilter(new PressForwarder(title, [this] { StartWindowDrag(this); }));
}

} // namespace parolex
