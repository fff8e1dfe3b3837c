// The title window is built from its geometry table.
#include <QCheckBox>
#include <QTemporaryDir>
#include <QtTest>

#include "assets/Layouts.h"
#include "platform/Twips.h"
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

class TitleLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void windowHasCaptionAndClientSize() {
        GameApp game;
        game.UseSettingsFile(scratchSettings());
        game.Main();
        ACD_Sub& sub = game.Sub();
        QVERIFY(sub.isVisible());
        QCOMPARE(sub.windowTitle(), QStringLiteral("Orvalis"));
        QCOMPARE(sub.size(), QSize(801, 601));
        QCOMPARE(sub.Top(), 1350);
        QCOMPARE(sub.Left(), 1680);
    }

    void controlsStandAtTheirRectangles() {
        GameApp game;
        game.UseSettingsFile(scratchSettings());
        game.Main();
        const auto& spec = assets::Screen("ACD_Sub");
        QCOMPARE(game.Sub().Widgets().All().size(), qsizetype(spec.controls.size()));
        for (const auto& c : spec.controls) {
            QWidget* w = game.Sub().Widgets().Get(c.name, c.index);
            QCOMPARE(w->geometry(), PxRect(c.left, c.top, c.width, c.height));
            QCOMPARE(w->isVisible(), c.visible);
        }
        QVERIFY(!game.Sub().Command_Omake()->isVisible());
        QVERIFY(!game.Sub().CheckSE()->isChecked());
        QVERIFY(!game.Sub().CheckBGM()->isChecked());
        QVERIFY(!game.Sub().LowSpecMode()->isChecked());
        QVERIFY(game.Sub().CheckSE()->text().isEmpty());
    }
};

QTEST_MAIN(TitleLayoutTest)
#include "TitleLayoutTest.moc"
