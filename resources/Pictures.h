#pragma once

#include <QIcon>
#include <QPixmap>
#include <QRectF>
#include <QString>
#include <memory>

class QPainter;

namespace parolex {

/// One picture of the program, named by folder and file without extension, e.g.
/// Picture(u"skin/title-close"). The pictures are drawn as SVG; a Qt without its SVG module
/// gets them as PNG rendered from the SVG at build time, which is why nothing outside this
/// library names a file or a format.
class Picture
{
public:
    explicit Picture(QStringView name);
    ~Picture();
    Picture(const Picture &) = delete;
    Picture &operator=(const Picture &) = delete;

    /// False when no picture of that name is compiled in.
    bool isValid() const;
    /// Draws the whole picture into @p target, stretched in each direction on its own.
    void draw(QPainter &painter, const QRectF &target) const;
    /// The picture at exactly @p size pixels (a cursor, an icon).
    QPixmap pixmap(QSize size) const;

private:
    struct Data;
    std::unique_ptr<Data> m_data;
};

/// The program's icon, at every size the system asks for.
QIcon programIcon();

} // namespace parolex
