#include "skin/SkinPictureAccessible.h"

#include "skin/SkinPicture.h"

namespace parolex {
namespace {

QAccessibleInterface *skinPictureFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String("parolex::SkinPicture"))
        return nullptr;
    return new SkinPictureAccessible(static_cast<SkinPicture *>(object));
}

} // namespace

SkinPictureAccessible::SkinPictureAccessible(SkinPicture *picture)
    : QAccessibleWidget(picture, picture->isButton() ? QAccessible::Button : QAccessible::Graphic)
{}

SkinPicture *SkinPictureAccessible::picture() const
{
    return static_cast<SkinPicture *>(widget());
}

QStringList SkinPictureAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (picture()->isButton() && picture()->isEnabled())
        names.prepend(pressAction());
    return names;
}

void SkinPictureAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction() && picture()->isButton() && picture()->isEnabled())
        picture()->click();
    else
        QAccessibleWidget::doAction(actionName);
}

void SkinPictureAccessible::install()
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(skinPictureFactory);
        installed = true;
    }
}

} // namespace parolex
