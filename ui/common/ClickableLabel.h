#pragma once

#include <QLabel>

namespace parolex {

/// A label or small picture that answers a click: pressed and released over it with the left
/// button, as the links and clickable texts of several windows do.
class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget *parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace parolex
