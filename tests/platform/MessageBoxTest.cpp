// Message boxes: what the player sees, the answers, timers ticking meanwhile,
// and the responder that answers for tests.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include "assets/Layouts.h"
#include "platform/Form.h"
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
        seen.onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
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

    // The keyboard answers a box as its buttons do: Y and Enter yes, N and
    // Escape no; Enter and Escape close an OK box.
    void keysAnswerBoxes() {
        const QPair<int, BoxAnswer> yesNo[] = {{Qt::Key_Y, BoxAnswer::Yes},
                                               {Qt::Key_Return, BoxAnswer::Yes},
                                               {Qt::Key_N, BoxAnswer::No},
                                               {Qt::Key_Escape, BoxAnswer::No}};
        auto pressWhenOpen = [](int key) {
            QTimer::singleShot(100, [key] {
                QWidget* box = QApplication::activeModalWidget();
                QVERIFY(box);
                QTest::keyClick(box, Qt::Key(key));
            });
        };
        for (const auto& [key, answer] : yesNo) {
            pressWhenOpen(key);
            QCOMPARE(ShowBox(nullptr, QStringLiteral("終了してよろしいですか？"),
                             QStringLiteral("確認"), BoxButtons::YesNo),
                     answer);
        }
        for (int key : {int(Qt::Key_Return), int(Qt::Key_Escape)}) {
            pressWhenOpen(key);
            QCOMPARE(ShowBox(nullptr, QStringLiteral("You Lose"), QStringLiteral("戦闘結果"),
                             BoxButtons::Ok),
                     BoxAnswer::Ok);
        }
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
