// The title's options and its bonus button against the settings file: the
// file only ever ticks a box or shows the bonus, a click writes at once.
#include "screens/ACD_Sub.h"
#include "screens/FlowKit.h"

using namespace orv::testkit;

namespace {

// Shows the title again, as a return from another screen does.
void reactivate(ACD_Sub& title) {
    title.hide();
    title.ShowForm();
}

// A click in the middle of the box, as a player makes it.
void tick(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, box->rect().center());
}

}  // namespace

class TitleOptionsTest : public QObject {
    Q_OBJECT
private:
    Boxes boxes;
    Sounds sounds;

private slots:
    void init() { InstallRecorders(boxes, sounds); }
    void cleanup() { RemoveRecorders(); }

    void withoutAFileTheFirstClickCreatesItWithThatOneKey() {
        Settings settings;
        GameApp game(1);
        game.UseSettingsFile(settings.Path());
        game.Main();
        ACD_Sub& title = game.Sub();
        QCOMPARE(sounds.commands.first(), QStringLiteral("close all "));
        QVERIFY(!title.CheckBGM()->isChecked() && !title.CheckSE()->isChecked() &&
                !title.LowSpecMode()->isChecked());
        QVERIFY(!title.Command_Omake()->isVisible());
        QVERIFY(!settings.Exists());  // reading creates nothing

        tick(title.CheckSE());
        QVERIFY(title.CheckSE()->isChecked());
        QCOMPARE(settings.Lines(), (QStringList{"[Sound]", "SE=1"}));
        // Unticking stores "0"; the key stays.
        tick(title.CheckSE());
        QCOMPARE(settings.Lines(), (QStringList{"[Sound]", "SE=0"}));
        tick(title.LowSpecMode());
        tick(title.CheckBGM());
        QCOMPARE(settings.Lines(), (QStringList{"[Sound]", "SE=0", "BGM=1", "[SPEC]", "LOW=1"}));
    }

    void activationTicksFromTheFileAndNeverUnticks() {
        Settings settings;
        // A quoted "1" reads as 1; the tick's own click writes it back plain,
        // which shows that write happened. Anything else but exactly "1" is no tick.
        settings.Write("[Sound]\nBGM=\"1\"\nSE=01\n[SPEC]\nLOW=1\n[CLR]\nCH0=1\nCH1=1\nCH2=1\n");
        GameApp game(2);
        game.UseSettingsFile(settings.Path());
        game.Main();
        ACD_Sub& title = game.Sub();
        QVERIFY(title.CheckBGM()->isChecked());
        QVERIFY(!title.CheckSE()->isChecked());
        QVERIFY(title.LowSpecMode()->isChecked());
        QCOMPARE(settings.Lines(), (QStringList{"[Sound]", "BGM=1", "SE=01", "[SPEC]", "LOW=1",
                                                "[CLR]", "CH0=1", "CH1=1", "CH2=1"}));

        // A "0" in the file takes no tick back, and an activation that changes
        // no box writes nothing.
        settings.Write("[Sound]\nBGM=0\nSE=1\n[SPEC]\nLOW=0\n");
        reactivate(title);
        QVERIFY(title.CheckBGM()->isChecked());
        QVERIFY(title.CheckSE()->isChecked());
        QVERIFY(title.LowSpecMode()->isChecked());
        QCOMPARE(settings.Lines(), (QStringList{"[Sound]", "BGM=0", "SE=1", "[SPEC]", "LOW=0"}));
        QVERIFY(title.Command_Omake()->isVisible());  // once shown, it stays
    }

    void bonusButtonNeedsAllThreeClearedFlags() {
        struct Case {
            const char* file;
            bool shown;
        };
        const Case cases[] = {
            {"[CLR]\nCH0=1\nCH1=1\n", false},        {"[CLR]\nCH1=1\nCH2=1\n", false},
            {"[CLR]\nCH0=1\nCH1=1\nCH2=0\n", false}, {"[CLR]\nCH0=1\nCH1=ERROR\nCH2=1\n", false},
            {"[CLR]\nCH0=1\nCH1=1\nCH2=1\n", true},  {"[Sound]\nCH0=1\nCH1=1\nCH2=1\n", false},
        };
        for (const Case& c : cases) {
            Settings settings;
            settings.Write(c.file);
            GameApp game(3);
            game.UseSettingsFile(settings.Path());
            game.State().FromOmakeMode = kTrue;
            game.Main();
            QVERIFY2(game.Sub().Command_Omake()->isVisible() == c.shown, c.file);
            // Only an unlocked title sets the bonus flag back.
            QCOMPARE(game.State().FromOmakeMode, c.shown ? kFalse : kTrue);
        }
    }
};

QTEST_MAIN(TitleOptionsTest)
#include "TitleOptionsTest.moc"
