#include "platform/FlexGrid.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <string>

#include "core/Fatal.h"
#include "platform/Controls.h"
#include "platform/FlexGridAccessible.h"
#include "platform/Twips.h"

namespace orv::ui {
namespace {

constexpr int kDefaultColWidth = 960;  // twips
constexpr int kDefaultRowHeight = 240;
constexpr int kFrameWidth = 3;  // pixels of the cell colour kept around a picture
const QColor kGridLineColor(0x80, 0x80, 0x80);
// The cursor: a dark line and a bright one inside the colour rim, seen on
// every field picture and next to every answer colour.
constexpr int kCursorWidth = 2;
const QColor kCursorDark(0x10, 0x10, 0x10);
const QColor kCursorBright(0x00, 0xE0, 0xFF);

}  // namespace

FlexGrid::FlexGrid(QWidget* parent) : QWidget(parent) {
    colWidths_.assign(static_cast<size_t>(cols_), kDefaultColWidth);
    rowHeights_.assign(static_cast<size_t>(rows_), kDefaultRowHeight);
    cells_.resize(static_cast<size_t>(cols_ * rows_));
    updateEdges();
    // The cells cover the whole widget; nothing underneath needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    InstallGridAccessibility();
}

void FlexGrid::SetRows(int rows) {
    if (rows < 1) FatalError("Invalid Rows value " + std::to_string(rows));
    resizeCells(cols_, rows);
    rowHeights_.resize(static_cast<size_t>(rows), kDefaultRowHeight);
    rows_ = rows;
    row_ = std::min(row_, rows_ - 1);
    updateEdges();
    update();
}

void FlexGrid::SetCols(int cols) {
    if (cols < 1) FatalError("Invalid Cols value " + std::to_string(cols));
    resizeCells(cols, rows_);
    colWidths_.resize(static_cast<size_t>(cols), kDefaultColWidth);
    cols_ = cols;
    col_ = std::min(col_, cols_ - 1);
    updateEdges();
    update();
}

// Cells that stay keep their contents, as when a grid grows or shrinks.
void FlexGrid::resizeCells(int cols, int rows) {
    std::vector<Cell> next(static_cast<size_t>(cols * rows));
    for (int r = 0; r < std::min(rows, rows_); ++r)
        for (int c = 0; c < std::min(cols, cols_); ++c)
            next[static_cast<size_t>(r * cols + c)] = std::move(cell(c, r));
    cells_ = std::move(next);
}

void FlexGrid::checkCell(int col, int row) const {
    if (col < 0 || col >= cols_ || row < 0 || row >= rows_)
        FatalError("Invalid row or column value");
}

void FlexGrid::SetCol(int col) {
    checkCell(col, row_);
    col_ = col;
}

void FlexGrid::SetRow(int row) {
    checkCell(col_, row);
    row_ = row;
}

int FlexGrid::ColWidth(int col) const {
    checkCell(col, 0);
    return colWidths_[static_cast<size_t>(col)];
}

int FlexGrid::RowHeight(int row) const {
    checkCell(0, row);
    return rowHeights_[static_cast<size_t>(row)];
}

void FlexGrid::SetColWidth(int col, int twips) {
    checkCell(col, 0);
    if (twips < 0) FatalError("Invalid ColWidth value " + std::to_string(twips));
    colWidths_[static_cast<size_t>(col)] = twips;
    updateEdges();
    update();
}

void FlexGrid::SetRowHeight(int row, int twips) {
    checkCell(0, row);
    if (twips < 0) FatalError("Invalid RowHeight value " + std::to_string(twips));
    rowHeights_[static_cast<size_t>(row)] = twips;
    updateEdges();
    update();
}

// Edges come from running twip sums, so rounding never piles up across a row.
void FlexGrid::updateEdges() {
    auto edges = [](const std::vector<int>& sizes, std::vector<int>& out) {
        out.assign(1, 0);
        long long sum = 0;
        for (int s : sizes) {
            sum += s;
            out.push_back(Px(static_cast<int>(sum)));
        }
    };
    edges(colWidths_, colEdges_);
    edges(rowHeights_, rowEdges_);
}

void FlexGrid::SetWidthTwips(int twips) {
    resize(Px(twips), height());
}
void FlexGrid::SetHeightTwips(int twips) {
    resize(width(), Px(twips));
}

FlexGrid::Cell& FlexGrid::cell(int col, int row) {
    return cells_[static_cast<size_t>(row * cols_ + col)];
}

const FlexGrid::Cell& FlexGrid::cell(int col, int row) const {
    return cells_[static_cast<size_t>(row * cols_ + col)];
}

void FlexGrid::SetCellBackColor(Long color) {
    cell(col_, row_).backColor = color & 0x00FFFFFF;
    update(outerRect(col_, row_));
}

void FlexGrid::SetCellPicture(const QImage& picture) {
    cell(col_, row_).picture = picture;
    update(outerRect(col_, row_));
}

void FlexGrid::SetCellText(const QString& text) {
    cell(col_, row_).text = text;
    update(outerRect(col_, row_));
}

void FlexGrid::SetCellFontSize(float points) {
    cell(col_, row_).fontSize = points;
    update(outerRect(col_, row_));
}

bool FlexGrid::HasCellBackColor(int col, int row) const {
    checkCell(col, row);
    return cell(col, row).backColor >= 0;
}

Long FlexGrid::CellBackColorAt(int col, int row) const {
    checkCell(col, row);
    return HasCellBackColor(col, row) ? cell(col, row).backColor : Long{0x00FFFFFF};
}

QImage FlexGrid::CellPictureAt(int col, int row) const {
    checkCell(col, row);
    return cell(col, row).picture;
}

QString FlexGrid::CellTextAt(int col, int row) const {
    checkCell(col, row);
    return cell(col, row).text;
}

float FlexGrid::CellFontSizeAt(int col, int row) const {
    checkCell(col, row);
    return cell(col, row).fontSize;
}

QRect FlexGrid::outerRect(int col, int row) const {
    checkCell(col, row);
    const int x = colEdges_[static_cast<size_t>(col)];
    const int y = rowEdges_[static_cast<size_t>(row)];
    return {x, y, colEdges_[static_cast<size_t>(col) + 1] - x,
            rowEdges_[static_cast<size_t>(row) + 1] - y};
}

QRect FlexGrid::CellRect(int col, int row) const {
    return outerRect(col, row).adjusted(0, 0, -GridLineWidth(), -GridLineWidth());
}

bool FlexGrid::cellAt(QPoint pos, int& col, int& row) const {
    const auto c = std::upper_bound(colEdges_.begin(), colEdges_.end(), pos.x());
    const auto r = std::upper_bound(rowEdges_.begin(), rowEdges_.end(), pos.y());
    if (pos.x() < 0 || pos.y() < 0 || c == colEdges_.end() || r == rowEdges_.end()) return false;
    col = static_cast<int>(c - colEdges_.begin()) - 1;
    row = static_cast<int>(r - rowEdges_.begin()) - 1;
    return true;
}

void FlexGrid::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    // Beyond the last column and row: the grid's dark backdrop.
    p.fillRect(event->rect(), kGridLineColor);
    for (int r = 0; r < rows_; ++r) {
        for (int c = 0; c < cols_; ++c) {
            const QRect outer = outerRect(c, r);
            if (!outer.intersects(event->rect())) continue;
            const QRect content = CellRect(c, r);
            if (content.isEmpty()) continue;
            const Cell& cl = cell(c, r);
            const QColor back = cl.backColor >= 0 ? FromBgr(cl.backColor) : QColor(Qt::white);
            p.save();
            p.setClipRect(content);
            p.fillRect(content, back);
            if (!cl.picture.isNull()) p.drawImage(content.topLeft(), cl.picture);
            // The sprite covers most of the cell; a rim of the cell's colour
            // keeps the answer readable next to it.
            if (cl.backColor >= 0) {
                const int f = kFrameWidth;
                p.fillRect(content.x(), content.y(), content.width(), f, back);
                p.fillRect(content.x(), content.bottom() - f + 1, content.width(), f, back);
                p.fillRect(content.x(), content.y(), f, content.height(), back);
                p.fillRect(content.right() - f + 1, content.y(), f, content.height(), back);
            }
            if (CursorDrawn() && c == cursorCol_ && r == cursorRow_) {
                const QRect inner =
                    content.adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth);
                p.setPen(Qt::NoPen);
                p.setBrush(Qt::NoBrush);
                p.setPen(QPen(kCursorDark, 1));
                p.drawRect(inner.adjusted(0, 0, -1, -1));
                p.setPen(QPen(kCursorBright, 1));
                for (int i = 1; i <= kCursorWidth; ++i)
                    p.drawRect(inner.adjusted(i, i, -1 - i, -1 - i));
            }
            if (!cl.text.isEmpty()) {
                QFont font = this->font();
                font.setPixelSize(
                    std::max(1, static_cast<int>(std::lround(cl.fontSize * 96 / 72))));
                p.setFont(font);
                p.setPen(Qt::black);
                p.drawText(content, Qt::AlignCenter, cl.text);
            }
            p.restore();
        }
    }
}

void FlexGrid::ShowCursorAt(int col, int row) {
    checkCell(col, row);
    if (cursorShown_) update(outerRect(cursorCol_, cursorRow_));
    cursorShown_ = true;
    cursorCol_ = col;
    cursorRow_ = row;
    update(outerRect(col, row));
    GridCursorMoved(this, row * cols_ + col);
}

void FlexGrid::SetCursorDrawn(bool drawn) {
    if (cursorDrawn_ == drawn) return;
    cursorDrawn_ = drawn;
    if (cursorShown_) update(outerRect(cursorCol_, cursorRow_));
}

void FlexGrid::HideCursor() {
    if (!cursorShown_) return;
    cursorShown_ = false;
    update(outerRect(cursorCol_, cursorRow_));
}

QString FlexGrid::CellAccessibleName(int col, int row) const {
    checkCell(col, row);
    return namer_ ? namer_(col, row) : QString();
}

void FlexGrid::CellNameChanged(int col, int row) {
    checkCell(col, row);
    GridCellNameChanged(this, row * cols_ + col);
}

void FlexGrid::mousePressEvent(QMouseEvent* event) {
    pressed_ = false;
    int c = 0;
    int r = 0;
    if (event->button() != Qt::LeftButton || !cellAt(event->position().toPoint(), c, r)) return;
    // The press picks the cell; the release completes the click, so the game
    // reacts to a finished click (and may open a box) with no button held.
    col_ = c;
    row_ = r;
    pressed_ = true;
}

void FlexGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_) return;
    pressed_ = false;
    if (rect().contains(event->position().toPoint())) emit Click();
}

}  // namespace orv::ui
