#include "skin/Skin.h"

#include "Pictures.h"
#include "common/Fonts.h"
#include "skin/SkinPicture.h"
#include "skin/SkinPictureAccessible.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QWidget>
#include <QWindow>
#include <cmath>

namespace parolex {
namespace {

const QColor skinGrey(207, 207, 207);
constexpr int cornerDiameter = 24;

struct Piece
{
    const char *name;
    const char *picture;
    QSize size;
    /// What a screen reader calls a title-bar button; null for the frame's pieces.
    const char *buttonName = nullptr;
};

// Creation order is stacking order: the band lies under the right end, the title label and
// the buttons lie above the whole bar.
constexpr QSize pieceSize(19, 30);
constexpr QSize buttonSize(13, 13);
const Piece pieces[] = {
    {"imgTitleLeft", "title-left", pieceSize},
    {"imgTitleMain", "title-main", pieceSize},
    {"imgTitleRight", "title-right", pieceSize},
    {"imgWindowLeft", "window-left", pieceSize},
    {"imgWindowRight", "window-right", pieceSize},
    {"imgWindowBottom", "window-bottom", pieceSize},
    {"imgWindowBottomLeft", "window-bottom-left", pieceSize},
    {"imgWindowBottomRight", "window-bottom-right", pieceSize},
    {"imgTitleHelp", "title-help", buttonSize, "帮助"},
    {"imgTitleMinimize", "title-minimize", buttonSize, "最小化"},
    {"imgTitleClose", "title-close", buttonSize, "关闭"},
};

QWidget *skinControl(QWidget *window, const char *name)
{
    auto *control = window->findChild<QWidget *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    Q_ASSERT_X(control, "ApplySkin", name);
    return control;
}

void place(QWidget *window, const char *name, int left, int top)
{
    skinControl(window, name)->move(left, top);
}

void place(QWidget *window, const char *name, int left, int top, int width, int height)
{
    skinControl(window, name)->setGeometry(left, top, width, height);
}

// Follows the mouse by hand until the button is released; used where no window manager
// offers an interactive move.
class ManualMove : public QObject
{
public:
    explicit ManualMove(QWidget *window)
        : QObject(window), m_window(window), m_offset(QCursor::pos() - window->frameGeometry().topLeft())
    {
        window->installEventFilter(this);
        window->grabMouse();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window)
            return false;
        if (event->type() == QEvent::MouseMove) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            // A release the grab never saw must not leave the window glued to the pointer.
            if (!(mouse->buttons() & Qt::LeftButton))
                finish();
            else
                m_window->move(mouse->globalPosition().toPoint() - m_offset);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
                finish();
            return true;
        }
        return false;
    }

private:
    void finish()
    {
        m_window->releaseMouse();
        m_window->removeEventFilter(this);
        deleteLater();
    }

    QWidget *m_window;
    QPoint m_offset;
};

} // namespace

void createSkinControls(QWidget *window, const QString &titleText)
{
    SkinPictureAccessible::install();
    for (const Piece &piece : pieces) {
        auto *picture = new SkinPicture(QString(QStringLiteral("skin/") + QLatin1String(piece.picture)),
                                        piece.size, window);
        picture->setObjectName(QLatin1String(piece.name));
        if (piece.buttonName)
            picture->makeButton(QString::fromUtf8(piece.buttonName));
    }
    auto *title = new QLabel(titleText, window);
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setFont(arialFont(9.75, true));
    QPalette palette = title->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    title->setPalette(palette);
    title->setAttribute(Qt::WA_TranslucentBackground);
    title->adjustSize();
    title->move(16, 7);
}

void ApplySkin(QWidget *window)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, skinGrey);
    window->setPalette(palette);
    window->setAutoFillBackground(true);

    auto *title = static_cast<QLabel *>(skinControl(window, "lblTitle"));
    window->setWindowTitle(title->text());
    title->adjustSize();
    title->move(16, 7);

    const int w = window->width();
    const int h = window->height();
    place(window, "imgTitleLeft", 0, 0);
    place(window, "imgTitleRight", w - 19, 0);
    place(window, "imgTitleMain", 19, 0, w - 19, 30);
    place(window, "imgWindowLeft", 0, 30, 19, h - 60);
    place(window, "imgWindowBottomLeft", 0, h - 30);
    place(window, "imgWindowBottom", 19, h - 30, w - 38, 30);
    place(window, "imgWindowBottomRight", w - 19, h - 30);
    place(window, "imgWindowRight", w - 19, 30, 19, h - 60);
    place(window, "imgTitleClose", w - 22, 8);
    place(window, "imgTitleMinimize", w - 39, 8);
    place(window, "imgTitleHelp", w - 56, 8);
    ApplyRoundRegion(window);
}

QRegion roundRegion(int width, int height)
{
    // Built row by row from the circle equation: each corner row is inset by where the
    // circle of radius 12 crosses the row's centre line. A polygon from QPainterPath would
    // round half a pixel to one side.
    constexpr double r = cornerDiameter / 2.0;
    const int bands = std::min({cornerDiameter / 2, height / 2, width / 2});
    QRegion region(0, bands, width, height - 2 * bands);
    for (int y = 0; y < bands; ++y) {
        const double dy = r - (y + 0.5);
        const int inset = int(std::lround(r - std::sqrt(std::max(0.0, r * r - dy * dy))));
        const QRect row(inset, y, width - 2 * inset, 1);
        region += row;
        region += row.translated(0, height - 1 - 2 * y);
    }
    return region;
}

void ApplyRoundRegion(QWidget *window)
{
    window->setMask(roundRegion(window->width(), window->height()));
    window->update();
}

void UsePixelScale(QWidget *) {}

void StartWindowDrag(QWidget *window)
{
    QWindow *handle = window->windowHandle();
    if (handle && handle->startSystemMove())
        return;
    new ManualMove(window);
}

void SetAlwaysOnTop(QWidget *window, bool on)
{
    QWindow *handle = window->windowHandle();
    if (!handle) {
        // Not yet native: the flag goes with the window when it is created.
        window->setWindowFlag(Qt::WindowStaysOnTopHint, on);
        window->show();
        return;
    }
    // Setting the flag on the QWidget would destroy and re-create the native window; on the
    // QWindow it only changes the layer. The widget must learn the flags too, or a later
    // change of any flag would bring the old layer back.
    handle->setFlag(Qt::WindowStaysOnTopHint, on);
    window->overrideWindowFlags(handle->flags());
    if (!window->isVisible())
        window->show();
}

} // namespace parolex
