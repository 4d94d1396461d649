#include "main/ResultList.h"

#include "main/ResultListModel.h"
#include "main/ResultListStyle.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QTableView>
#include <algorithm>

namespace parolex {
namespace {

// Widest password plus a little: the box sizes itself from this, never from its rows.
constexpr int contentsLength = 26;
constexpr int longestPassword = 26;

// The width an entry of the longest password can take: every character as wide as the widest
// one a password can hold, short of the symbols of other scripts.
int longestPasswordWidth(const QFontMetrics &metrics)
{
    int widest = 0;
    for (char16_t c = 0x21; c < 0x7f; ++c)
        widest = std::max(widest, metrics.horizontalAdvance(QChar(c)));
    return longestPassword * widest;
}

} // namespace

ResultList::ResultList(QComboBox *box) : QObject(box), m_box(box), m_model(new ResultListModel(this))
{
    Q_ASSERT(!box->isEditable());
    auto *style = new ResultListStyle;
    style->setParent(box);
    box->setStyle(style);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(contentsLength);
    box->setView(popupView(box));
    box->setModel(m_model);
}

QAbstractItemView *ResultList::popupView(const QComboBox *box)
{
    // A list view lays out every row before it first shows, even with uniform item sizes:
    // about 2 s and 190 MiB at 16,777,216 rows. A table of fixed row height only keeps one
    // size per row and opens in a tenth of that; without headers or grid it looks the same.
    auto *table = new QTableView;
    table->horizontalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    QHeaderView *rows = table->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(box->fontMetrics().height() + 2);
    table->setShowGrid(false);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(false);
    // The open list shows whole passwords; the closed box keeps its own width. Qt widens the
    // popup to this, with the cell's margins, the frame and the scroll bar besides.
    const QStyle *style = box->style();
    const int cellMargins = 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1);
    table->setMinimumWidth(longestPasswordWidth(box->fontMetrics()) + cellMargins + 2 * table->frameWidth() +
                           style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table) + 2);
    return table;
}

void ResultList::clear()
{
    m_pendingBlock.reset();
    m_pendingCount = 0;
    m_model->clear();
}

void ResultList::append(const SharedPasswordBlock &block, qsizetype first, qsizetype count)
{
    if (count <= 0)
        return;
    if (m_pendingCount > 0 && (block != m_pendingBlock || first != m_pendingFirst + m_pendingCount))
        flush();
    if (m_pendingCount == 0) {
        m_pendingBlock = block;
        m_pendingFirst = first;
    }
    m_pendingCount += count;
}

void ResultList::flush()
{
    if (m_pendingCount == 0)
        return;
    // A combo box selects its first row when rows arrive in an empty list; the list shows a
    // selection only where a run makes one.
    const bool hadSelection = m_box->currentIndex() >= 0;
    m_model->append(m_pendingBlock, m_pendingFirst, m_pendingCount);
    m_pendingCount = 0;
    m_pendingBlock.reset();
    if (!hadSelection && m_box->currentIndex() >= 0)
        m_box->setCurrentIndex(-1);
}

void ResultList::insertAtTop(QStringView password)
{
    flush();
    const bool hadSelection = m_box->currentIndex() >= 0;
    m_model->insertAtTop(password);
    if (!hadSelection && m_box->currentIndex() >= 0)
        m_box->setCurrentIndex(-1);
}

void ResultList::select(QStringView password)
{
    flush();
    m_box->setCurrentIndex(m_model->indexOf(password));
}

} // namespace parolex
