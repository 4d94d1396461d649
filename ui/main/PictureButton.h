#pragma once

#include <QToolButton>

namespace parolex {

/// A picture button of the main window's bottom row: a big icon above its caption on a light
/// grey face with a classic raised edge, sunken while pressed and, when checkable, while
/// ticked. Drawn here because the styles leave no room for a 51-pixel icon and a caption in
/// 65 pixels.
class PictureButton : public QToolButton
{
    Q_OBJECT

public:
    explicit PictureButton(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace parolex
