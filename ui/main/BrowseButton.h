#pragma once

#include <QAbstractButton>

namespace parolex {

/// One of the two small pictures beside the file boxes that open a file dialog. It looks like
/// a picture, nothing more, but is a button to the keyboard and to screen readers: it takes
/// the focus, and Space or Enter presses it.
class BrowseButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit BrowseButton(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace parolex
