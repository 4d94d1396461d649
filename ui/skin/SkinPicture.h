#pragma once

#include "Pictures.h"

#include <QString>
#include <QWidget>
#include <memory>

namespace parolex {

/// A picture control: draws one of the program's pictures stretched to its own size (a stretched
/// skin piece is simply given another size) and reports presses and clicks. The title-bar
/// buttons are made buttons for screen readers too; the other pieces are decoration.
class SkinPicture : public QWidget
{
    Q_OBJECT

public:
    /// @p picture is a picture's name, see Picture.
    SkinPicture(QStringView picture, QSize size, QWidget *parent = nullptr);
    ~SkinPicture() override;

    void setPicture(QStringView picture);

    /// Makes the picture a button named @p name to assistive technology, which can press it.
    void makeButton(const QString &name);
    bool isButton() const { return m_button; }
    /// What a click does, without the mouse.
    void click() { Q_EMIT clicked(); }

Q_SIGNALS:
    /// Pressed with the left button, the one that drags a window.
    void pressed();
    /// Pressed and released over the picture with the left button.
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    std::unique_ptr<Picture> m_picture;
    bool m_button = false;
};

} // namespace parolex
