#pragma once

#include <QAccessibleWidget>

namespace parolex {

class SkinPicture;

/// How assistive technology sees a skin picture: a title-bar button is a button that can be
/// pressed, every other piece a graphic.
class SkinPictureAccessible : public QAccessibleWidget
{
public:
    explicit SkinPictureAccessible(SkinPicture *picture);

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

    /// Registers the interface with Qt's accessibility; once is enough, more does no harm.
    static void install();

private:
    SkinPicture *picture() const;
};

} // namespace parolex
