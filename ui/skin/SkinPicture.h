#pragma once

#include <QString>
#include <QWidget>

class QSvgRenderer;

namespace parolex {

/// A picture control: draws an SVG from the resources stretched to its own size (a stretched
/// skin piece is simply given another size) and reports presses and clicks.
class SkinPicture : public QWidget
{
    Q_OBJECT

public:
    SkinPicture(const QString &resource, QSize size, QWidget *parent = nullptr);

    void setResource(const QString &resource);
    QString resource() const { return m_resource; }

Q_SIGNALS:
    void pressed();
    /// Pressed and released over the picture with the left button.
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_resource;
    QSvgRenderer *m_renderer;
};

} // namespace parolex
