// Message boxes: what the player sees, the answers, timers ticking meanwhile,
// and the responder that answers for tests.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "assets/Layouts.h"
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/GameWindow.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"

using namespace orv;
using namespace orv::ui;

namespace {

struct SeenBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::Information;
    QList<QMessageBox::StandardButton> buttons;
    bool onTop = false;
};

// Looks at the open box once it is up, then presses `press`.
void answerWhenOpen(SeenBox& seen, QMessageBox::StandardButton press) {
    QTimer::singleShot(100, [&seen, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton* b : box->buttons()) seen.buttons << box->standardButton(b);
        // On top, with a close button only: minimizing a box would take the game with it.
        const Qt::WindowFlags flags = box->windowFlags();
        seen.onTop = flags.testFlag(Qt::WindowStaysOnTopHint) &&
                     !flags.testFlag(Qt::WindowMinimizeButtonHint) &&
                     !flags.testFlag(Qt::WindowMaximizeButtonHint) &&
                     flags.testFlag(Qt::WindowCloseButtonHint);
        box->button(press)->click();
    });
}

}  // namespace

class MessageBoxTest : public QObject {
    Q_OBJECT
private slots:
    void yesNoBoxShowsTextTitleAndAnswers() {
        for (auto [press, expected] : {std::pair{QMessageBox::Yes, BoxAnswer::Yes},
                                       std::pair{QMessageBox::No, BoxAnswer::No}}) {
            SeenBox seen;
            answerWhenOpen(seen, press);
            const BoxAnswer answer = ShowBox(nullptr, QStringLiteral("終了してよろしいですか？"),
                                             QStringLiteral("確認"), BoxButtons::YesNo);
            QCOMPARE(answer, expected);
            QCOMPARE(seen.title, QStringLiteral("確認"));
            QCOMPARE(seen.text, QStringLiteral("終了してよろしいですか？"));
            QCOMPARE(seen.icon, QMessageBox::NoIcon);
            QCOMPARE(seen.buttons.size(), 2);
            QVERIFY(seen.buttons.contains(QMessageBox::Yes));
            QVERIFY(seen.buttons.contains(QMessageBox::No));
            QVERIFY(seen.onTop);
        }
    }

    // Every box answers the same keys in a window of its own and drawn inside
    // the game window: Enter, keypad Enter, Space and Y take the first
    // button, N and Escape No (Escape closes an OK box), Tab moves on to
    // the next button; letters an OK box has no button for leave it open.
    void keysAnswerBoxesOnBothPaths() {
        enum Kind { Question, Result, Error };
        using Keys = QList<QPair<int, Qt::KeyboardModifiers>>;
        const Keys enter{{Qt::Key_Return, Qt::NoModifier}};
        const Keys keypad{{Qt::Key_Enter, Qt::KeypadModifier}};
        const Keys space{{Qt::Key_Space, Qt::NoModifier}};
        const Keys esc{{Qt::Key_Escape, Qt::NoModifier}};
        const Keys yes{{Qt::Key_Y, Qt::NoModifier}};
        const Keys no{{Qt::Key_N, Qt::NoModifier}};
        const Keys tabEnter{{Qt::Key_Tab, Qt::NoModifier}, {Qt::Key_Return, Qt::NoModifier}};
        struct Row {
            Keys keys;
            Kind kind;
            int answer;  // the button pressed, or 0 while the box stays open
        };
        const Row rows[] = {
            {enter, Question, QMessageBox::Yes},   {keypad, Question, QMessageBox::Yes},
            {space, Question, QMessageBox::Yes},   {esc, Question, QMessageBox::No},
            {yes, Question, QMessageBox::Yes},     {no, Question, QMessageBox::No},
            {tabEnter, Question, QMessageBox::No},
        };
        QList<Row> table(std::begin(rows), std::end(rows));
        for (Kind kind : {Result, Error}) {
            for (const Keys& keys : {enter, keypad, space, esc, tabEnter})
                table.append({keys, kind, QMessageBox::Ok});
            for (const Keys& keys : {yes, no}) table.append({keys, kind, 0});
        }

        for (bool inside : {false, true}) {
            // Drawn inside where there is a game window to draw in (this
            // platform is not plain X11), a window of its own where not.
            std::unique_ptr<GameWindow> window;
            std::unique_ptr<Form> screen;
            if (inside) {
                window = std::make_unique<GameWindow>();
                screen = std::make_unique<Form>(assets::Screen("ACD_Continue"), window.get());
                window->Show(*screen);
                QVERIFY(QTest::qWaitForWindowActive(window.get()));
            }
            for (const Row& row : table) {
                const QString what = QStringLiteral("%1 box, %2 path, keys %3")
                                         .arg(row.kind)
                                         .arg(inside ? "in-window" : "window")
                                         .arg(QKeySequence(row.keys.last().first).toString());
                int pressed = -1;
                bool stayedOpen = false;
                QString fault;
                QTimer::singleShot(0, [&] {
                    QPointer<QWidget> box;
                    for (QWidget* w : QApplication::allWidgets())
                        if (qobject_cast<QMessageBox*>(w) && w->isVisible()) box = w;
                    if (!box || bool(qobject_cast<GameWindow*>(box->window())) != inside)
                        fault = QStringLiteral("not shown on its path");
                    // The desktop's tools learn of a box inside from the role.
                    const QString role =
                        row.kind == Question ? "ACD_Continue+YesNo" : "ACD_Continue+Ok";
                    if (inside && window->windowRole() != role)
                        fault = QStringLiteral("role ") + window->windowRole();
                    // A window of its own is active once the desktop says so.
                    QTest::qWaitFor([&box] {
                        QWidget* focus = QApplication::focusWidget();
                        return box && focus && box->isAncestorOf(focus);
                    });
                    // What a player's key reaches: the widget with the focus.
                    for (const auto& [k, mods] : row.keys) {
                        QWidget* target = QApplication::focusWidget();
                        if (!box || !target || !box->isAncestorOf(target)) {
                            fault = QStringLiteral("the keyboard is not on the box's buttons");
                            break;
                        }
                        QTest::keyClick(target, Qt::Key(k), mods);
                    }
                    // A letter clicks its button after a moment, as a click shows.
                    if (QTest::qWaitFor([&box] { return !box || !box->isVisible(); }, 1000)) return;
                    stayedOpen = true;
                    if (auto* open = qobject_cast<QMessageBox*>(box.data()))
                        open->done(open->buttons().size() > 1 ? QMessageBox::No : QMessageBox::Ok);
                });
                if (row.kind == Question) {
                    const BoxAnswer answer =
                        ShowBox(screen.get(), QStringLiteral("終了してよろしいですか？"),
                                QStringLiteral("確認"), BoxButtons::YesNo);
                    pressed = answer == BoxAnswer::Yes ? QMessageBox::Yes : QMessageBox::No;
                } else if (row.kind == Result) {
                    ShowOk(screen.get(), QStringLiteral("You Lose"), QStringLiteral("戦闘結果"));
                    pressed = QMessageBox::Ok;
                } else {
                    ShowErrorBox(QStringLiteral("img\\Chara-0.bmp"),
                                 QStringLiteral("Orvalis: error"));
                    pressed = QMessageBox::Ok;
                }
                QVERIFY2(fault.isEmpty(), qPrintable(what + QStringLiteral(": ") + fault));
                QVERIFY2(stayedOpen == (row.answer == 0), qPrintable(what));
                if (row.answer) QVERIFY2(pressed == row.answer, qPrintable(what));
                QCOMPARE(OpenBoxCount(), 0);
                if (inside) QCOMPARE(window->windowRole(), QStringLiteral("ACD_Continue"));
            }
        }
    }

    // Qt's own buttons speak the game's language, and every box is as wide
    // as its title and its text need: a desktop cuts a longer title to "...".
    void boxesSpeakTheGamesLanguageAndFitTheirTitles() {
        const char* const boxes[][2] = {
            {"終了してよろしいですか？", "確認"},
            {"　    -You Win-", "戦闘結果"},
            {"You Lose", "戦闘結果"},
            {"Cannot load the picture img/Chara-0.bmp: missing", "Orvalis: error"}};
        for (Language language : {Language::Japanese, Language::English}) {
            UseLanguage(language);
            for (const auto& [text, title] : boxes) {
                const bool question = QByteArray(title) == "確認";
                QStringList buttons;
                int width = 0;
                QFont titleFont, textFont;
                QTimer::singleShot(0, [&] {
                    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                    if (!box) return;
                    for (QAbstractButton* b : box->buttons()) buttons << b->text();
                    width = box->width();
                    box->done(question ? QMessageBox::No : QMessageBox::Ok);
                });
                ShowBox(nullptr, Tr(text), Tr(title),
                        question ? BoxButtons::YesNo : BoxButtons::Ok);
                const QString what = Tr(title) + QLatin1Char('|') + Tr(text);
                // Beside the title: the title bar's icon and buttons.
                const int needs =
                    std::max(QFontMetrics(GameFont(9, true)).horizontalAdvance(Tr(title)) + 100,
                             QFontMetrics(GameFont(9, false)).horizontalAdvance(Tr(text)));
                QVERIFY2(
                    width >= needs,
                    qPrintable(QStringLiteral("%1: %2 px for %3").arg(what).arg(width).arg(needs)));
                if (!question) continue;
                QCOMPARE(buttons.size(), 2);
                for (const QString& b : buttons)
                    QVERIFY2(HasJapanese(b) == (language == Language::Japanese), qPrintable(b));
            }
        }
        UseLanguage(Language::Japanese);
    }

    void okBoxKeepsTimersTicking() {
        int ticks = 0;
        QTimer clock;
        clock.setInterval(10);
        connect(&clock, &QTimer::timeout, this, [&] { ++ticks; });
        clock.start();
        SeenBox seen;
        answerWhenOpen(seen, QMessageBox::Ok);
        ShowOk(nullptr, QStringLiteral("勝利！"), QStringLiteral("結果"));
        QCOMPARE(seen.buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
        QVERIFY2(ticks >= 3, qPrintable(QString::number(ticks)));
    }

    // The clock can unload a screen while a box of its own is open (a battle
    // lost behind the quit question): the screen goes out of sight at once,
    // but lives until the outermost box is answered, then goes.
    void aScreenUnloadedBehindItsBoxOutlivesTheBox() {
        auto* form = new Form(assets::Screen("ACD_Continue"));
        form->setAttribute(Qt::WA_DeleteOnClose);
        form->show();
        QPointer<Form> screen(form);
        bool hiddenAtOnce = false, aliveUnderTheOuterBox = false;
        QTimer::singleShot(50, form, [&] {
            // A second box over the first, and the unload behind both.
            SeenBox inner;
            answerWhenOpen(inner, QMessageBox::Ok);
            ShowOk(form, QStringLiteral("You Lose"), QStringLiteral("戦闘結果"));
            QVERIFY(form->Unload());
            hiddenAtOnce = !form->isVisible();
        });
        QTimer::singleShot(400, [&] {
            aliveUnderTheOuterBox = !screen.isNull();
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            box->button(QMessageBox::No)->click();
        });
        QVERIFY(
            !AskYesNo(form, QStringLiteral("終了してよろしいですか？"), QStringLiteral("確認")));
        QVERIFY(hiddenAtOnce);
        QVERIFY(aliveUnderTheOuterBox);
        QCOMPARE(OpenBoxCount(), 0);
        QTRY_VERIFY(screen.isNull());
    }

    void responderAnswersInsteadOfABox() {
        QStringList asked;
        SetBoxResponder([&](const QString& text, const QString& title, BoxButtons buttons) {
            asked << title + QLatin1Char('|') + text;
            return buttons == BoxButtons::YesNo ? BoxAnswer::No : BoxAnswer::Ok;
        });
        QVERIFY(
            !AskYesNo(nullptr, QStringLiteral("終了してよろしいですか？"), QStringLiteral("確認")));
        ShowOk(nullptr, QStringLiteral("text"), QStringLiteral("title"));
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
        SetBoxResponder(nullptr);
        QCOMPARE(asked, (QStringList{QStringLiteral("確認|終了してよろしいですか？"),
                                     QStringLiteral("title|text")}));
    }
};

QTEST_MAIN(MessageBoxTest)
#include "MessageBoxTest.moc"
