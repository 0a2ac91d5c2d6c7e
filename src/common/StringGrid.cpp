#include "StringGrid.h"

#include <QBrush>
#include <QHeaderView>
#include <QKeyEvent>

void StringGridModel::setSize(int columns, int rowsWithHeader) {
    beginResetModel();
    QVector<QString> cells(columns * rowsWithHeader);
    const int keepRows = std::min(rows_, rowsWithHeader);
    const int keepColumns = std::min(columns_, columns);
    for (int r = 0; r < keepRows; ++r)
        for (int c = 0; c < keepColumns; ++c)
            cells[r * columns + c] = cells_[r * columns_ + c];
    cells_ = std::move(cells);
    columns_ = columns;
    rows_ = rowsWithHeader;
    grey_.clear();
    endResetModel();
}

QString StringGridModel::cell(int column, int row) const {
    if (column < 0 || column >= columns_ || row < 0 || row >= rows_)
        return {};
    return cells_[row * columns_ + column];
}

void StringGridModel::setCell(int column, int row, const QString& text) {
    if (column < 0 || column >= columns_ || row < 0 || row >= rows_)
        return;
    cells_[row * columns_ + column] = text;
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, column, column);
    else
        emit dataChanged(index(row - 1, column), index(row - 1, column));
}

void StringGridModel::setGreyRows(const QVector<bool>& grey) {
    grey_ = grey;
    if (rows_ > 1 && columns_ > 0)
        emit dataChanged(index(0, 0), index(rows_ - 2, columns_ - 1), {Qt::ForegroundRole});
}

int StringGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(0, rows_ - 1);
}

int StringGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_;
}

QVariant StringGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return cell(index.column(), index.row() + 1);
    if (role == Qt::ForegroundRole && index.row() < grey_.size() && grey_[index.row()])
        return QBrush(Qt::gray);
    return {};
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return cell(section, 0);
    return {};
}

StringGrid::StringGrid(QWidget* parent) : QTableView(parent), model_(new StringGridModel(this)) {
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    connect(this, &QAbstractItemView::clicked, this, [this] { emit rowClicked(); });
    connect(this, &QAbstractItemView::doubleClicked, this, [this] { emit rowDoubleClicked(); });
}

void StringGrid::setColCount(int columns) {
    const int current = row();
    model_->setSize(columns, model_->rowsWithHeader());
    setRow(current);
}

void StringGrid::setRowCount(int rowsWithHeader) {
    const int current = row();
    model_->setSize(model_->columns(), rowsWithHeader);
    setRow(std::min(current, rowsWithHeader - 1));
}

int StringGrid::row() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : (model_->rowsWithHeader() > 1 ? 1 : 0);
}

void StringGrid::setRow(int row) {
    if (row < 1 || row >= model_->rowsWithHeader() || model_->columns() == 0)
        return;
    const QModelIndex target = model_->index(row - 1, 0);
    setCurrentIndex(target);
    selectionModel()->select(target,
                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(target);
}

void StringGrid::setColumnWidths(std::initializer_list<int> widths) {
    int c = 0;
    for (int w : widths)
        setColumnWidth(c++, w);
}

void StringGrid::keyPressEvent(QKeyEvent* event) {
    const int before = row();
    QTableView::keyPressEvent(event);
    // Moving the current row with the keyboard counts as a click, so the
    // verdicts follow the arrows.
    if (row() != before)
        emit rowClicked();
}
