// Every screen is built from the one geometry table: caption, client size,
// position, background, and each control's rectangle, visibility, picture,
// caption and font; timers and menus as the table gives them.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <string_view>
#include <vector>

#include "assets/Layouts.h"
#include "core/Startup.h"
#include "platform/Controls.h"
#include "platform/FlexGrid.h"
#include "platform/Form.h"
#include "platform/PictureButton.h"
#include "platform/Pictures.h"
#include "platform/Twips.h"
#include "screens/ACD_Continue.h"
#include "screens/ACD_Main.h"
#include "screens/ACD_OmakeCG0A.h"
#include "screens/ACD_OmakeCG0C.h"
#include "screens/ACD_OmakeMode.h"
#include "screens/ACD_Sub.h"
#include "screens/GameApp.h"

// A settings file of the test's own, so a Pelmo.ini left beside the binary
// by a player never changes what the test sees.
static std::string scratchSettings() {
    static QTemporaryDir dir;
    return (dir.path() + QStringLiteral("/Pelmo.ini")).toStdString();
}

using namespace orv;
using namespace orv::ui;
using assets::ControlKind;

namespace {

struct Timer {
    const char* name;
    QTimer* timer;
};

// One screen as built, whoever owns it.
struct Opened {
    Form* form = nullptr;
    const Controls* controls = nullptr;
    std::vector<Timer> timers;
    std::unique_ptr<Form> owned;
};

template <typename Screen>
Opened own(GameApp& game) {
    auto* s = new Screen(game);
    Opened o;
    o.form = s;
    o.controls = &s->Widgets();
    o.owned.reset(s);
    return o;
}

Opened open(GameApp& game, std::string_view name) {
    if (name == "ACD_Sub") return {&game.Sub(), &game.Sub().Widgets(), {}, nullptr};
    if (name == "ACD_Main") {
        InitGameData(game.State());
        auto& main = static_cast<ACD_Main&>(game.FormOf(ScreenId::ACD_Main));
        return {&main,
                &main.Widgets(),
                {{"TimerSnd", &main.TimerSnd()},
                 {"CharaPicTimer", &main.CharaPicTimer()},
                 {"TimerMsg", &main.TimerMsg()},
                 {"CpTurn", &main.CpTurn()}},
                nullptr};
    }
    if (name == "ACD_Continue") return own<ACD_Continue>(game);
    if (name == "ACD_OmakeMode") return own<ACD_OmakeMode>(game);
    if (name == "ACD_OmakeCG0A") {
        Opened o = own<ACD_OmakeCG0A>(game);
        o.timers = {{"TimerSnd", &static_cast<ACD_OmakeCG0A*>(o.form)->TimerSnd()}};
        return o;
    }
    Opened o = own<ACD_OmakeCG0C>(game);
    auto* viewer = static_cast<ACD_OmakeCG0C*>(o.form);
    o.timers = {{"Timer1", &viewer->Timer1()}, {"TimerSnd", &viewer->TimerSnd()}};
    return o;
}

bool isWidget(ControlKind kind) {
    switch (kind) {
        case ControlKind::Button:
        case ControlKind::CheckBox:
        case ControlKind::Image:
        case ControlKind::PictureBox:
        case ControlKind::Label:
        case ControlKind::Line:
            return true;
        default:
            return false;
    }
}

QRect expectedRect(const assets::ControlSpec& c) {
    const QRect r = PxRect(c.left, c.top, c.width, c.height);
    // A line is one pixel thick along its length.
    if (c.kind == ControlKind::Line)
        return {r.x(), r.y(), std::max(1, r.width()), std::max(1, r.height())};
    return r;
}

QString where(const assets::ControlSpec& c) {
    return ControlKey(c.name, c.index);
}

}  // namespace

class LayoutsTest : public QObject {
    Q_OBJECT
private slots:
    void screenStandsAsTheTableSays_data() {
        QTest::addColumn<QString>("screen");
        for (const auto& s : assets::Screens()) QTest::newRow(s.name) << QString::fromUtf8(s.name);
    }

    void screenStandsAsTheTableSays() {
        QFETCH(QString, screen);
        GameApp game;
        game.UseSettingsFile(scratchSettings());
        const std::string name = screen.toStdString();
        const assets::ScreenSpec& spec = assets::Screen(name);
        Opened o = open(game, name);
        Form& form = *o.form;
        QWidget* client = form.Client();

        QCOMPARE(form.windowTitle(), QStringLiteral("Orvalis"));
        QCOMPARE(client->size(), QSize(Px(spec.clientWidth), Px(spec.clientHeight)));
        // The continue screen and the bonus menu load at the desktop's corner;
        // whoever opens them moves them next.
        const bool corner = name == "ACD_Continue" || name == "ACD_OmakeMode";
        QCOMPARE(form.Top(), corner ? 0 : spec.top);
        QCOMPARE(form.Left(), corner ? 0 : spec.left);

        const QImage shot = client->grab().toImage();
        if (spec.background) {
            const QImage picture = StoredPixmap(spec.background).toImage();
            QCOMPARE(shot.pixelColor(1, 1), picture.pixelColor(1, 1));
            QCOMPARE(shot.pixelColor(400, 2), picture.pixelColor(400, 2));
            // A client a pixel wider than its picture shows a dark seam.
            if (picture.width() < shot.width())
                QCOMPARE(shot.pixelColor(picture.width(), 1), QColor(Qt::black));
        }
        if (spec.backColor != assets::kNoColor)
            QCOMPARE(client->palette().color(QPalette::Window), FromBgr(spec.backColor));

        qsizetype widgets = 0;
        for (const auto& c : spec.controls) {
            if (c.kind == ControlKind::Timer) {
                auto t = std::find_if(o.timers.begin(), o.timers.end(), [&](const Timer& t) {
                    return std::string_view(t.name) == c.name;
                });
                QVERIFY2(t != o.timers.end(), c.name);
                QCOMPARE(t->timer->interval(), c.width);
                continue;
            }
            if (!isWidget(c.kind)) continue;
            ++widgets;
            QWidget* w = o.controls->Get(c.name, c.index);
            QVERIFY2(w->parentWidget() == client, qPrintable(where(c)));
            QCOMPARE(w->geometry(), expectedRect(c));
            QVERIFY2(w->isHidden() != c.visible, qPrintable(where(c)));

            if (c.kind == ControlKind::Image || c.kind == ControlKind::PictureBox) {
                auto* label = static_cast<QLabel*>(w);
                QCOMPARE(label->hasScaledContents(), c.stretch);
                if (c.picture)  // the portrait comes with the battle, not the table
                    QCOMPARE(label->pixmap().toImage(), StoredPixmap(c.picture).toImage());
            }
            if (c.kind == ControlKind::Button) {
                // The stored picture shows centred in the button.
                const QImage picture = StoredPixmap(c.picture).toImage();
                const QImage button = w->grab().toImage();
                const QPoint mid(picture.width() / 2, picture.height() / 2);
                const QPoint offset((button.width() - picture.width()) / 2,
                                    (button.height() - picture.height()) / 2);
                QCOMPARE(button.pixelColor(offset + mid), picture.pixelColor(mid));
            }
            if (c.kind == ControlKind::Label) {
                auto* label = static_cast<QLabel*>(w);
                // The battle screen's load writes the stage and character read-outs.
                const bool written = name == "ACD_Main" && (std::string_view(c.name) == "StageNo" ||
                                                            std::string_view(c.name) == "CharaNo");
                if (!written) QCOMPARE(label->text(), QString::fromUtf8(c.caption));
                QCOMPARE(label->font().bold(), c.bold);
                QCOMPARE(label->font().pixelSize(), (c.fontPoints ? c.fontPoints : 9) * 96 / 72);
                if (c.foreColor != assets::kNoColor)
                    QCOMPARE(label->palette().color(QPalette::WindowText), FromBgr(c.foreColor));
                QCOMPARE(bool(label->alignment() & Qt::AlignHCenter),
                         c.align == assets::Align::Center);
            }
            if (c.kind == ControlKind::CheckBox) {
                QVERIFY(!static_cast<QCheckBox*>(w)->isChecked());
                QVERIFY(static_cast<QCheckBox*>(w)->text().isEmpty());
            }
        }
        QCOMPARE(o.controls->All().size(), widgets);
    }

    void timersStartAsCreated() {
        GameApp game;
        game.UseSettingsFile(scratchSettings());
        Opened main = open(game, "ACD_Main");
        for (const Timer& t : main.timers)
            QCOMPARE(t.timer->isActive(), std::string_view(t.name) == "CpTurn");
        for (const char* viewer : {"ACD_OmakeCG0A", "ACD_OmakeCG0C"}) {
            Opened o = open(game, viewer);
            // The music loop waits for the viewer to be shown with music on.
            for (const Timer& t : o.timers)
                if (std::string_view(t.name) == "TimerSnd") QVERIFY(!t.timer->isActive());
        }
    }

    void battleScreenHasItsMenuGridsAndHiddenReadouts() {
        GameApp game;
        game.UseSettingsFile(scratchSettings());
        Opened o = open(game, "ACD_Main");
        const auto& spec = assets::Screen("ACD_Main");
        QWidget* client = o.form->Client();

        // A menu bar above the client; three entries that act on a click.
        QMenuBar* bar = o.form->MenuBar();
        QCOMPARE(o.form->size(), QSize(809, 602 + bar->height()));
        QStringList captions;
        for (QAction* a : bar->actions()) {
            captions << a->text();
            QVERIFY(a->menu() == nullptr);
        }
        QCOMPARE(captions,
                 (QStringList{QStringLiteral("ゲーム終了"), QStringLiteral("タイトルに戻る"),
                              QStringLiteral("降伏する")}));

        // The fields stand where the table puts them, set up to 19 x 9 cells
        // of 450 twips and sized to them; the small grid keeps its rectangle.
        for (const char* name : {"FG_E", "FG_M"}) {
            auto* grid = client->findChild<FlexGrid*>(QString::fromUtf8(name));
            QVERIFY(grid);
            const auto& c = assets::Control(spec, name);
            QCOMPARE(grid->pos(), QPoint(Px(c.left), Px(c.top)));
            QCOMPARE(grid->Cols(), 19);
            QCOMPARE(grid->Rows(), 9);
            QCOMPARE(grid->ColWidth(18), 450);
            QCOMPARE(grid->RowHeight(8), 450);
            QCOMPARE(grid->size(), QSize(571, 271));
        }
        auto* small = client->findChild<FlexGrid*>(QStringLiteral("FG_D"));
        QVERIFY(small);
        const auto& d = assets::Control(spec, "FG_D");
        QCOMPARE(small->geometry(), PxRect(d.left, d.top, d.width, d.height));

        // The read-outs lie beyond the right edge: never seen, still there.
        for (const char* name :
             {"Turn", "PLShot", "CPShot", "CharaNo", "Label1", "Label2", "Label3"}) {
            QWidget* w = o.controls->Get(name);
            QVERIFY2(!client->rect().intersects(w->geometry()), name);
        }
    }

    void tallBonusPictureIsClippedByItsWindow() {
        GameApp game;
        game.UseSettingsFile(scratchSettings());
        Opened o = open(game, "ACD_OmakeCG0C");
        auto* viewer = static_cast<ACD_OmakeCG0C*>(o.form);
        QCOMPARE(viewer->Image1()->size(), QSize(800, 1400));
        const QImage shot = viewer->grab().toImage();
        const QImage picture = StoredPixmap("ACD_OmakeCG0C.Image1").toImage();
        QCOMPARE(shot.size(), QSize(801, 601));
        QCOMPARE(shot.pixelColor(400, 599), picture.pixelColor(400, 599));
        QCOMPARE(viewer->Timer1().interval(), 30);
    }
};

QTEST_MAIN(LayoutsTest)
#include "LayoutsTest.moc"
