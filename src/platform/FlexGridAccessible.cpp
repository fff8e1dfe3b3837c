#include "platform/FlexGridAccessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <map>

#include "platform/FlexGrid.h"

namespace orv::ui {
namespace {

// One cell: named by the grid's namer, placed where the grid paints it.
class GridCell : public QAccessibleInterface {
public:
    GridCell(FlexGrid* grid, int index) : grid_(grid), index_(index) {}

    bool isValid() const override { return grid_ && index_ < grid_->Rows() * grid_->Cols(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return grid_ ? grid_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(grid_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (!isValid() || t != QAccessible::Name) return {};
        return grid_->CellAccessibleName(col(), row());
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect r = grid_->CellRect(col(), row());
        return {grid_->mapToGlobal(r.topLeft()), r.size()};
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.focusable = true;
        s.invisible = !grid_->isVisible();
        s.focused =
            grid_->CursorShown() && grid_->CursorCol() == col() && grid_->CursorRow() == row();
        return s;
    }

private:
    int col() const { return index_ % grid_->Cols(); }
    int row() const { return index_ / grid_->Cols(); }

    QPointer<FlexGrid> grid_;
    int index_;
};

class GridAccessible : public QAccessibleWidget {
public:
    explicit GridAccessible(FlexGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
    ~GridAccessible() override {
        for (const auto& [index, id] : cells_) QAccessible::deleteAccessibleInterface(id);
    }

    // A grid whose cells mean nothing to the player is decoration: a screen
    // reader passes over it.
    int childCount() const override {
        return grid()->HasCellNames() ? grid()->Rows() * grid()->Cols() : 0;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (!grid()->HasCellNames()) s.invisible = true;
        return s;
    }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        if (auto found = cells_.find(index); found != cells_.end())
            return QAccessible::accessibleInterface(found->second);
        auto* cell = new GridCell(grid(), index);
        cells_[index] = QAccessible::registerAccessibleInterface(cell);
        return cell;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (const auto& [index, id] : cells_)
            if (QAccessible::accessibleInterface(id) == child) return index;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = grid()->mapFromGlobal(QPoint(x, y));
        for (int r = 0; r < grid()->Rows(); ++r)
            for (int c = 0; c < grid()->Cols(); ++c)
                if (grid()->CellRect(c, r).contains(at)) return child(r * grid()->Cols() + c);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        if (!grid()->CursorShown()) return nullptr;
        return child(grid()->CursorRow() * grid()->Cols() + grid()->CursorCol());
    }

private:
    FlexGrid* grid() const { return static_cast<FlexGrid*>(widget()); }

    mutable std::map<int, QAccessible::Id> cells_;
};

QAccessibleInterface* gridFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(FlexGrid::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new GridAccessible(static_cast<FlexGrid*>(object));
    return nullptr;
}

void notify(FlexGrid* grid, int index, QAccessible::Event type) {
    QAccessibleEvent event(grid, type);
    event.setChild(index);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

void InstallGridAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(gridFactory);
        return true;
    }();
    (void)installed;
}

void GridCursorMoved(FlexGrid* grid, int index) {
    notify(grid, index, QAccessible::Focus);
}

void GridCellNameChanged(FlexGrid* grid, int index) {
    notify(grid, index, QAccessible::NameChanged);
}

}  // namespace orv::ui
