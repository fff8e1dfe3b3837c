#pragma once
// A grid of cells with a current cell set by clicking, and per-cell background
// colour, picture, text and font size. Sizes are in twips; grid lines are one
// pixel wide and belong to the cell (a 450-twip column is 30 pixels with its line).
#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "core/Types.h"

namespace orv::ui {

class FlexGrid : public QWidget {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget* parent = nullptr);

    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    void SetRows(int rows);
    void SetCols(int cols);

    // The current cell. Out-of-range values stop the game.
    int Col() const { return col_; }
    int Row() const { return row_; }
    void SetCol(int col);
    void SetRow(int row);

    int ColWidth(int col) const;   // twips
    int RowHeight(int row) const;  // twips
    void SetColWidth(int col, int twips);
    void SetRowHeight(int row, int twips);
    int GridLineWidth() const { return 1; }  // pixels

    void SetWidthTwips(int twips);
    void SetHeightTwips(int twips);

    // Properties of the current cell.
    void SetCellBackColor(Long color);  // 0x00BBGGRR
    void SetCellPicture(const QImage& picture);
    void SetCellText(const QString& text);
    void SetCellFontSize(float points);

    // Read-back of any cell, for the screen and its tests.
    bool HasCellBackColor(int col, int row) const;
    Long CellBackColorAt(int col, int row) const;
    QImage CellPictureAt(int col, int row) const;
    QString CellTextAt(int col, int row) const;
    float CellFontSizeAt(int col, int row) const;
    // The cell's rectangle in widget pixels (without its grid line).
    QRect CellRect(int col, int row) const;

    // The keyboard's cursor: a cell outlined inside the rim of its colour, so
    // the answer's colour stays in view. Hidden until shown. A cursor that is
    // shown but not drawn is still the cell assistive technology follows.
    void ShowCursorAt(int col, int row);
    void HideCursor();
    void SetCursorDrawn(bool drawn);
    bool CursorShown() const { return cursorShown_; }
    bool CursorDrawn() const { return cursorShown_ && cursorDrawn_; }
    int CursorCol() const { return cursorCol_; }
    int CursorRow() const { return cursorRow_; }

    // What assistive technology reads for a cell ("C5: adjacent"). The grid
    // asks the namer whenever it is asked.
    using CellNamer = std::function<QString(int col, int row)>;
    void SetCellNamer(CellNamer namer) { namer_ = std::move(namer); }
    bool HasCellNames() const { return static_cast<bool>(namer_); }
    QString CellAccessibleName(int col, int row) const;
    // Tells assistive technology that a cell now reads differently.
    void CellNameChanged(int col, int row);

signals:
    // Raised after a click has made the clicked cell current.
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Cell {
        Long backColor = -1;  // -1: never set
        QImage picture;
        QString text;
        float fontSize = 9.0f;
    };
    Cell& cell(int col, int row);
    const Cell& cell(int col, int row) const;
    void resizeCells(int cols, int rows);
    void updateEdges();
    void checkCell(int col, int row) const;
    // The cell with its grid line, in widget pixels.
    QRect outerRect(int col, int row) const;
    bool cellAt(QPoint pos, int& col, int& row) const;

    int rows_ = 2;
    int cols_ = 2;
    int col_ = 0;
    int row_ = 0;
    std::vector<int> colWidths_;   // twips
    std::vector<int> rowHeights_;  // twips
    std::vector<Cell> cells_;
    std::vector<int> colEdges_;  // pixel offsets of the columns, cols_ + 1 of them
    std::vector<int> rowEdges_;
    bool pressed_ = false;  // a press landed on a cell; its release is the click
    bool cursorShown_ = false;
    bool cursorDrawn_ = true;
    int cursorCol_ = 0;
    int cursorRow_ = 0;
    CellNamer namer_;
};

}  // namespace orv::ui
