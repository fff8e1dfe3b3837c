// The battle grid: clicks pick cells, cells keep their own colour, picture and
// text, and the colour stays visible around an opaque picture.
#include <QPaintEvent>
#include <QSignalSpy>
#include <QtTest>
#include <stdexcept>
#include <utility>

#include "core/Fatal.h"
#include "platform/FlexGrid.h"

using namespace orv;
using namespace orv::ui;

namespace {

// 19 x 9 cells of 450 twips, sized to its cells plus the grid lines, as the
// battle screen sets its fields up.
void setUpLikeTheBattle(FlexGrid& grid) {
    grid.SetCols(19);
    grid.SetRows(9);
    for (int c = 0; c < 19; ++c) grid.SetColWidth(c, 450);
    for (int r = 0; r < 9; ++r) grid.SetRowHeight(r, 450);
    grid.SetWidthTwips(19 * grid.ColWidth(0) + 18 * grid.GridLineWidth());
    grid.SetHeightTwips(9 * grid.RowHeight(0) + 8 * grid.GridLineWidth());
}

QImage filled(QSize size, QColor color) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

struct FatalThrown : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The fatal path forgets its handler once used, so the handler puts itself back.
void throwOnFatal() {
    SetFatalHandler([](const std::string& message) {
        throwOnFatal();
        throw FatalThrown(message);
    });
}

// Counts what the grid repaints.
class PaintRecorder : public QObject {
public:
    QRegion painted;
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(e)->region();
            ++paints;
        }
        return false;
    }
};

}  // namespace

class FlexGridTest : public QObject {
    Q_OBJECT
private slots:
    void cellsAreThirtyPixelsWithTheirGridLine() {
        FlexGrid grid;
        setUpLikeTheBattle(grid);
        QCOMPARE(grid.size(), QSize(571, 271));
        QCOMPARE(grid.CellRect(0, 0), QRect(0, 0, 29, 29));
        QCOMPARE(grid.CellRect(1, 0), QRect(30, 0, 29, 29));
        QCOMPARE(grid.CellRect(18, 8), QRect(540, 240, 29, 29));
    }

    void clickMakesTheCellCurrentAndRaisesClickOnce() {
        FlexGrid grid;
        setUpLikeTheBattle(grid);
        QSignalSpy clicks(&grid, &FlexGrid::Click);
        int colAtClick = -1;
        int rowAtClick = -1;
        connect(&grid, &FlexGrid::Click, this, [&] {
            colAtClick = grid.Col();
            rowAtClick = grid.Row();
        });

        QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.CellRect(5, 3).center());
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(colAtClick, 5);  // already current when Click is raised
        QCOMPARE(rowAtClick, 3);

        // The grid line is part of its cell: the last pixel of the last cell.
        QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(569, 269));
        QCOMPARE(clicks.count(), 2);
        QCOMPARE(grid.Col(), 18);
        QCOMPARE(grid.Row(), 8);

        // Beyond the last column and below the last row nothing happens.
        QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(570, 10));
        QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(10, 270));
        QTest::mouseClick(&grid, Qt::RightButton, {}, grid.CellRect(0, 0).center());
        QCOMPARE(clicks.count(), 2);
        QCOMPARE(grid.Col(), 18);
        QCOMPARE(grid.Row(), 8);
    }

    void eachCellKeepsItsOwnProperties() {
        FlexGrid grid;
        setUpLikeTheBattle(grid);
        const QImage piece = filled({30, 30}, Qt::red);
        grid.SetCol(7);
        grid.SetRow(2);
        grid.SetCellBackColor(Rgb(0, 255, 0));
        grid.SetCellPicture(piece);
        grid.SetCellText(QStringLiteral("指"));
        grid.SetCellFontSize(18);

        QVERIFY(grid.HasCellBackColor(7, 2));
        QCOMPARE(grid.CellBackColorAt(7, 2), Rgb(0, 255, 0));
        QCOMPARE(grid.CellPictureAt(7, 2), piece);
        QCOMPARE(grid.CellTextAt(7, 2), QStringLiteral("指"));
        QCOMPARE(grid.CellFontSizeAt(7, 2), 18.0f);
        // Neighbours in both directions are untouched.
        for (auto [c, r] : {std::pair{6, 2}, {8, 2}, {7, 1}, {7, 3}, {2, 7}}) {
            QVERIFY(!grid.HasCellBackColor(c, r));
            QCOMPARE(grid.CellBackColorAt(c, r), Long{0x00FFFFFF});
            QVERIFY(grid.CellPictureAt(c, r).isNull());
            QVERIFY(grid.CellTextAt(c, r).isEmpty());
        }

        // Growing and shrinking keeps the cells that remain where they were.
        grid.SetCols(20);
        grid.SetRows(10);
        QCOMPARE(grid.CellTextAt(7, 2), QStringLiteral("指"));
        QCOMPARE(grid.CellPictureAt(7, 2), piece);
        QVERIFY(grid.CellTextAt(19, 9).isEmpty());
        grid.SetCols(8);
        grid.SetRows(3);
        QCOMPARE(grid.CellBackColorAt(7, 2), Rgb(0, 255, 0));
    }

    void cellColourFramesAnOpaquePicture() {
        FlexGrid grid;
        setUpLikeTheBattle(grid);
        const QColor sprite(200, 0, 0);
        grid.SetCol(2);
        grid.SetRow(1);
        grid.SetCellPicture(filled({30, 30}, sprite));
        grid.SetCellBackColor(Rgb(255, 255, 0));
        grid.SetCol(3);
        grid.SetCellPicture(filled({30, 30}, sprite));  // no colour: no frame

        const QImage shot = grid.grab().toImage();
        const QRect framed = grid.CellRect(2, 1);
        const QColor yellow(255, 255, 0);
        QCOMPARE(shot.pixelColor(framed.topLeft()), yellow);
        QCOMPARE(shot.pixelColor(framed.topLeft() + QPoint(2, 2)), yellow);
        QCOMPARE(shot.pixelColor(framed.bottomRight()), yellow);
        QCOMPARE(shot.pixelColor(framed.topLeft() + QPoint(3, 3)), sprite);
        QCOMPARE(shot.pixelColor(framed.center()), sprite);
        // The picture stays inside its cell: the grid line is dark grey.
        QCOMPARE(shot.pixelColor(framed.right() + 1, framed.center().y()), QColor(128, 128, 128));
        QCOMPARE(shot.pixelColor(framed.center().x(), framed.bottom() + 1), QColor(128, 128, 128));

        const QRect plain = grid.CellRect(3, 1);
        QCOMPARE(shot.pixelColor(plain.topLeft()), sprite);
        QCOMPARE(shot.pixelColor(grid.CellRect(4, 1).center()), QColor(Qt::white));
    }

    void changingACellRepaintsOnlyThatCell() {
        FlexGrid grid;
        setUpLikeTheBattle(grid);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QTest::qWait(50);
        PaintRecorder recorder;
        grid.installEventFilter(&recorder);

        grid.SetCol(4);
        grid.SetRow(6);
        grid.SetCellBackColor(Rgb(255, 200, 200));
        QTRY_VERIFY(recorder.paints > 0);
        QCOMPARE(recorder.painted.boundingRect(), QRect(120, 180, 30, 30));
    }

    void outOfRangeCellsStopTheGame() {
        throwOnFatal();
        FlexGrid grid;
        setUpLikeTheBattle(grid);
        grid.SetCol(18);
        grid.SetRow(8);
        QVERIFY_THROWS_EXCEPTION(FatalThrown, grid.SetCol(19));
        QVERIFY_THROWS_EXCEPTION(FatalThrown, grid.SetRow(9));
        QVERIFY_THROWS_EXCEPTION(FatalThrown, grid.SetCol(-1));
        QVERIFY_THROWS_EXCEPTION(FatalThrown, grid.CellTextAt(0, 9));
        QVERIFY_THROWS_EXCEPTION(FatalThrown, grid.ColWidth(19));
        QCOMPARE(grid.Col(), 18);
        QCOMPARE(grid.Row(), 8);
        try {
            grid.SetRow(9);
        } catch (const FatalThrown& e) {
            QCOMPARE(QString::fromStdString(e.what()),
                     QStringLiteral("Invalid row or column value"));
        }
        SetFatalHandler(nullptr);
    }
};

QTEST_MAIN(FlexGridTest)
#include "FlexGridTest.moc"
