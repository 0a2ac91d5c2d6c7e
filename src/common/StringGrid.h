#pragma once
// A grid of texts addressed like the catalogue tables are described: cell
// (column, row), row 0 being the header row, whole-row selection, a current
// row that persists. The cells live in one model (no item object per cell), so
// grids of a thousand rows are created and shown at once.

#include <QAbstractTableModel>
#include <QTableView>
#include <QVector>

class StringGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Sizes include the header row, as in cell addressing.
    void setSize(int columns, int rowsWithHeader);
    int columns() const { return columns_; }
    int rowsWithHeader() const { return rows_; }

    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);

    // Rows drawn greyed (e.g. sections that fail the check); data rows only.
    void setGreyRows(const QVector<bool>& grey);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    int columns_ = 0;
    int rows_ = 1;
    QVector<QString> cells_; // rows_ × columns_, row by row
    QVector<bool> grey_;
};

class StringGrid : public QTableView {
    Q_OBJECT
public:
    explicit StringGrid(QWidget* parent = nullptr);

    int colCount() const { return model_->columns(); }
    int rowCount() const { return model_->rowsWithHeader(); }
    void setColCount(int columns);
    void setRowCount(int rowsWithHeader);

    QString cell(int column, int row) const { return model_->cell(column, row); }
    void setCell(int column, int row, const QString& text) { model_->setCell(column, row, text); }

    // The current row (1 = first data row); it persists between showings.
    int row() const;
    void setRow(int row);

    void setColumnWidths(std::initializer_list<int> widths);
    void setGreyRows(const QVector<bool>& grey) { model_->setGreyRows(grey); }
    StringGridModel* gridModel() const { return model_; }

signals:
    // A click on a row, or the current row moved with the keyboard.
    void rowClicked();
    // A double click on a row (after its rowClicked()).
    void rowDoubleClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    StringGridModel* model_;
};
