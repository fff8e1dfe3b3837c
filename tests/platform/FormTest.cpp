// A form under a menu bar keeps the client size of its table, paints its
// picture on the client, and its menu-bar entries act on a click.
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QtTest>

#include "assets/Layouts.h"
#include "platform/Form.h"
#include "platform/Pictures.h"
#include "platform/Program.h"

using namespace orv;
using namespace orv::ui;

class FormTest : public QObject {
    Q_OBJECT
private slots:
    // Wayland first where a compositor runs, with X11 to fall back on; X11
    // where none does; and the player's own choice above both.
    void windowSystemFollowsTheDesktop() {
        const QByteArray chosen = qgetenv("QT_QPA_PLATFORM"), wayland = qgetenv("WAYLAND_DISPLAY");
        const struct {
            const char* compositor;
            const char* player;
            const char* expected;
        } cases[] = {{"wayland-0", nullptr, "wayland;xcb"},
                     {nullptr, nullptr, "xcb"},
                     {"wayland-0", "offscreen", "offscreen"},
                     {nullptr, "wayland", "wayland"}};
        for (const auto& c : cases) {
            c.compositor ? qputenv("WAYLAND_DISPLAY", c.compositor) : qunsetenv("WAYLAND_DISPLAY");
            c.player ? qputenv("QT_QPA_PLATFORM", c.player) : qunsetenv("QT_QPA_PLATFORM");
            ChooseWindowSystem();
            QCOMPARE(qgetenv("QT_QPA_PLATFORM"), QByteArray(c.expected));
        }
        qputenv("QT_QPA_PLATFORM", chosen);
        wayland.isNull() ? qunsetenv("WAYLAND_DISPLAY") : qputenv("WAYLAND_DISPLAY", wayland);
    }

    void withoutMenuBarTheFormIsItsClient() {
        Form form(assets::Screen("ACD_Sub"));
        QCOMPARE(form.Client(), &form);
        QCOMPARE(form.size(), QSize(801, 601));
        QVERIFY(form.findChild<QMenuBar*>() == nullptr);
    }

    void menuBarSitsAboveAClientOfTheTableSize() {
        Form form(assets::Screen("ACD_Main"));
        int ends = 0;
        QAction* endGame = form.MenuBarAction(QStringLiteral("ゲーム終了"), [&] { ++ends; });
        form.MenuBarAction(QStringLiteral("タイトルに戻る"), [] {});
        auto* label = new QLabel(form.Client());
        label->setGeometry(10, 20, 30, 40);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        QMenuBar* bar = form.MenuBar();
        QVERIFY(form.Client() != &form);
        QVERIFY(bar->height() > 0);
        QCOMPARE(form.Client()->size(), QSize(809, 602));
        QCOMPARE(form.Client()->pos(), QPoint(0, bar->height()));
        QCOMPARE(form.size(), QSize(809, 602 + bar->height()));
        QCOMPARE(label->mapTo(&form, QPoint(0, 0)), QPoint(10, 20 + bar->height()));

        // A top-level entry without a drop-down: one click runs it once.
        QVERIFY(endGame->menu() == nullptr);
        QCOMPARE(bar->actions().size(), 2);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(endGame).center());
        QCOMPARE(ends, 1);

        // The background picture starts at the client's corner, not under the bar.
        const QImage picture = StoredPixmap("ACD_Main").toImage();
        const QImage client = form.Client()->grab().toImage();
        for (QPoint p : {QPoint(2, 2), QPoint(600, 300), QPoint(808, 601)})
            QCOMPARE(client.pixelColor(p), picture.pixelColor(p));
    }

    void unloadCanBeCancelled() {
        struct Keeper : Form {
            using Form::Form;
            bool keep = true;
            int asked = 0;
            void Form_Unload(bool& cancel) override {
                ++asked;
                cancel = keep;
            }
        } form(assets::Screen("ACD_Continue"));
        form.show();
        QVERIFY(!form.Unload());
        QVERIFY(form.isVisible());
        QVERIFY(!form.IsUnloaded());
        form.keep = false;
        QVERIFY(form.Unload());
        QVERIFY(form.IsUnloaded());
        QCOMPARE(form.asked, 2);
    }
};

QTEST_MAIN(FormTest)
#include "FormTest.moc"
