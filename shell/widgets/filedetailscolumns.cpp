// The file list's header and columns, and the rows on screen told to the control.
#include "shell/widgets/filedetailscolumns.h"

#include "core/toolkit/filelist.h"
#include "shell/widgets/controllistview.h"
#include "shell/widgets/eventguard.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTimer>

using FileColumns::Column;

FileDetailsDelegate::FileDetailsDelegate(QObject* parent, const QHeaderView& header)
    : RowDelegate(parent), m_header(header)
{}

QStyleOptionViewItem FileDetailsDelegate::nameColumn(const QStyleOptionViewItem& option) const
{
    QStyleOptionViewItem name = option;
    if (!m_header.isHidden())
        name.rect.setRight(m_header.sectionViewportPosition(0) + m_header.sectionSize(0) - 1);
    return name;
}

void FileDetailsDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const
{
    if (m_header.isHidden()) {
        RowDelegate::paint(painter, option, index);
        return;
    }
    // The row's selection runs under every column; the name is drawn in its own.
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    QStyleOptionViewItem row = option;
    initStyleOption(&row, index);
    row.text.clear();
    row.icon = {};
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &row, painter, widget);
    RowDelegate::paint(painter, nameColumn(option), index);

    const QPalette::ColorGroup group =
        option.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    painter->save();
    painter->setPen(option.palette.color(
        group, option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(option.font);
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 2;
    const std::pair<int, int> cells[] = {{1, SizeRole}, {2, ModifiedRole}};
    for (const auto& [section, role] : cells) {
        QRect cell(m_header.sectionViewportPosition(section), option.rect.top(),
                   m_header.sectionSize(section), option.rect.height());
        cell.adjust(margin, 0, -margin, 0);
        const QString text =
            option.fontMetrics.elidedText(index.data(role).toString(), Qt::ElideRight, cell.width());
        const Qt::Alignment align = Qt::AlignVCenter | (section == 1 ? Qt::AlignRight : Qt::AlignLeft);
        painter->drawText(cell, static_cast<int>(align.toInt()), text);
    }
    painter->restore();
}

bool FileDetailsDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                    const QStyleOptionViewItem& option, const QModelIndex& index)
{
    return RowDelegate::helpEvent(event, view, nameColumn(option), index);
}

FileDetailsColumns::FileDetailsColumns(FileList& list, ControlListView& view)
    : QObject(&view), m_list(list), m_view(view),
      m_captions(new QStandardItemModel(0, FileColumns::Count, this)),
      m_header(new QHeaderView(Qt::Horizontal, &view))
{
    m_header->setObjectName(QStringLiteral("FileListHeader"));
    m_header->setModel(m_captions);
    m_header->setSectionsClickable(true);
    m_header->setSortIndicatorShown(true);
    m_header->setHighlightSections(false);
    m_header->setStretchLastSection(false);
    m_header->setSectionResizeMode(0, QHeaderView::Stretch);
    m_header->setFocusPolicy(Qt::NoFocus);
    // Room for "999.9 MB" and for a time of change in the longer language's short form.
    const QFontMetrics metrics = view.fontMetrics();
    const int pad = 4 * metrics.averageCharWidth();
    const QDateTime sample(QDate(2026, 12, 28), QTime(22, 58));
    int dateWidth = 0;
    for (bool swedish : {false, true})
        dateWidth = std::max(dateWidth, metrics.horizontalAdvance(
                                            FileColumns::ModifiedText(sample.toMSecsSinceEpoch(), swedish)));
    m_header->resizeSection(1, metrics.horizontalAdvance(QStringLiteral("999.9 MB")) + pad);
    m_header->resizeSection(2, dateWidth + pad);
    m_header->hide();
    view.setItemDelegate(new FileDetailsDelegate(&view, *m_header));

    connect(m_header, &QHeaderView::sectionClicked, this, [this](int section) {
        EventGuard::run("Click", [this, section] { m_list.sortBy(static_cast<Column>(section)); });
    });
    connect(m_header, &QHeaderView::sectionResized, view.viewport(), qOverload<>(&QWidget::update));
    connect(&list, &FileList::detailsChanged, this, &FileDetailsColumns::update);
    connect(view.verticalScrollBar(), &QScrollBar::valueChanged, this,
            &FileDetailsColumns::tellVisibleRowsSoon);
    view.installEventFilter(this);
    view.viewport()->installEventFilter(this);
    update();
}

void FileDetailsColumns::update()
{
    const bool shown = m_list.Details();
    for (int section = 0; section < FileColumns::Count; ++section)
        m_captions->setHorizontalHeaderItem(
            section, new QStandardItem(m_list.ColumnCaption(static_cast<Column>(section))));
    m_header->setSortIndicator(static_cast<int>(m_list.SortColumn()),
                               m_list.SortDescending() ? Qt::DescendingOrder : Qt::AscendingOrder);
    if (shown != m_header->isVisible()) {
        m_header->setVisible(shown);
        m_view.setTopMargin(shown ? m_header->sizeHint().height() : 0);
        place();
    }
    m_view.viewport()->update();
    tellVisibleRowsSoon();
}

void FileDetailsColumns::place()
{
    const QRect viewport = m_view.viewport()->geometry();
    const int height = m_header->sizeHint().height();
    m_header->setGeometry(viewport.left(), viewport.top() - height, viewport.width(), height);
}

bool FileDetailsColumns::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == m_view.viewport())
            place();
        tellVisibleRowsSoon();
    }
    return false;
}

void FileDetailsColumns::tellVisibleRowsSoon()
{
    // Once per turn of the event loop, however many scroll steps and resets came.
    if (m_telling || !m_list.Details())
        return;
    m_telling = true;
    QTimer::singleShot(0, this, &FileDetailsColumns::tellVisibleRows);
}

void FileDetailsColumns::tellVisibleRows()
{
    m_telling = false;
    const QWidget& viewport = *m_view.viewport();
    const QModelIndex first = m_view.indexAt(QPoint(1, 1));
    if (!first.isValid()) {
        EventGuard::run("details", [this] { m_list.setVisibleRows(0, -1); });
        return;
    }
    const QModelIndex last = m_view.indexAt(QPoint(1, viewport.height() - 1));
    const int lastRow = last.isValid() ? last.row() : m_view.model()->rowCount() - 1;
    EventGuard::run("details", [this, &first, lastRow] { m_list.setVisibleRows(first.row(), lastRow); });
}
