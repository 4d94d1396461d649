#pragma once

#include <QProxyStyle>

namespace parolex {

/// The result list's style: a drop-down that opens below the box. The other popup kind sizes
/// and places itself from every row, which takes over a minute at 16,777,216 rows.
class ResultListStyle : public QProxyStyle
{
    Q_OBJECT

public:
    /// Follows the application's style without owning it.
    ResultListStyle();

    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
};

} // namespace parolex
