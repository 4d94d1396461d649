#pragma once

#include <QLabel>

namespace parolex {

/// A label that answers a click (pressed and released over it with the left button), as the
/// links and the product name of the information dialogs do.
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
};

} // namespace parolex
