#pragma once
#include <sys/wait.h>
#include <unistd.h>

// Shared by the screen-flow tests: a private settings file, a recorder of
// message boxes and sound commands, and where each screen stands.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <functional>
#include <memory>

#include "platform/Form.h"
#include "platform/GameWindow.h"
#include "platform/MessageBox.h"
#include "screens/GameApp.h"
#include "sound/SndModule.h"

namespace orv::testkit {

using namespace orv;
using namespace orv::ui;

// A settings file of its own per test, so no test sees another's options.
class Settings {
public:
    std::string Path() const { return dir_.filePath(QStringLiteral("Pelmo.ini")).toStdString(); }
    void Write(const char* text) const {
        QFile f(QString::fromStdString(Path()));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }
    bool Exists() const { return QFile::exists(QString::fromStdString(Path())); }
    // The file's lines, line breaks of either kind dropped.
    QStringList Lines() const {
        QFile f(QString::fromStdString(Path()));
        if (!f.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(f.readAll())
            .split(QRegularExpression("\r?\n"), Qt::SkipEmptyParts);
    }

private:
    QTemporaryDir dir_;
};

// A box that a slow player leaves open: its own event loop runs, as a real
// box's does, so the clock ticks and the battle goes on behind it, until
// `release` holds; then it is answered.
struct Hold {
    QString box;  // "title|text"
    std::function<bool()> release;
    BoxAnswer answer = BoxAnswer::Ok;
};

// Releases a held box after `n` more ticks of the timer (none once it is gone).
inline std::function<bool()> AfterTicks(QTimer& timer, int n) {
    auto ticks = std::make_shared<int>(0);
    QObject::connect(&timer, &QTimer::timeout, &timer, [ticks] { ++*ticks; });
    return [ticks, n] { return *ticks >= n; };
}

// Every box as "title|text"; Yes/No boxes get `yesNo`, unless a hold for the
// box is waiting: the holds are used in order, one box each.
struct Boxes {
    QStringList seen;
    BoxAnswer yesNo = BoxAnswer::No;
    QList<Hold> holds;
    int stuck = 0;  // held boxes whose release never came

    void Install() {
        SetBoxResponder([this](const QString& text, const QString& title, BoxButtons buttons) {
            const QString box = title + "|" + text;
            seen << box;
            if (!holds.isEmpty() && holds.first().box == box) return holdOpen(holds.takeFirst());
            return buttons == BoxButtons::YesNo ? yesNo : BoxAnswer::Ok;
        });
    }
    void HoldNext(const QString& box, std::function<bool()> release, BoxAnswer answer) {
        holds << Hold{box, std::move(release), answer};
    }
    int Questions() const { return int(seen.filter(QStringLiteral("確認|")).size()); }

private:
    BoxAnswer holdOpen(const Hold& hold) {
        QEventLoop loop;
        QTimer poll;
        QElapsedTimer waited;
        waited.start();
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (hold.release()) {
                loop.quit();
            } else if (waited.elapsed() > 20000) {
                ++stuck;
                loop.quit();
            }
        });
        poll.start(1);
        loop.exec();
        return hold.answer;
    }
};

inline const QString kQuestion = QStringLiteral("確認|終了してよろしいですか？");

// Sound commands as sent; status questions get `mode`.
struct Sounds {
    QStringList commands;
    QString mode = QStringLiteral("playing");
    void Install() {
        sound::SetMciBackend(
            [this](const std::string& command, char* ret, std::uint32_t len, std::uintptr_t) {
                commands << QString::fromStdString(command);
                if (ret && len > 0) {
                    const QByteArray a = mode.toUtf8();
                    const auto n = std::min<std::uint32_t>(len - 1, std::uint32_t(a.size()));
                    std::memcpy(ret, a.constData(), n);
                    ret[n] = '\0';
                }
                return std::uint32_t{0};
            });
    }
    int Count(const QString& pattern) const {
        return int(commands.filter(QRegularExpression(pattern)).size());
    }
};

// A game started as the player starts it, with a settings file of its own
// (holding `ini` when given) and the title up.
struct SettingsOfItsOwn {
    Settings settings;
};
struct StartedGame : SettingsOfItsOwn, GameApp {
    explicit StartedGame(std::uint32_t seed, const char* ini = nullptr) : GameApp(seed) {
        if (ini) settings.Write(ini);
        UseSettingsFile(settings.Path());
        Main();
    }
};

// Fresh recorders of boxes and sounds for each test function (from init()),
// and the game's own boxes and sounds back afterwards (from cleanup()).
inline void InstallRecorders(Boxes& boxes, Sounds& sounds) {
    boxes = Boxes{};
    boxes.Install();
    sounds = Sounds{};
    sounds.Install();
}
inline void RemoveRecorders() {
    SetBoxResponder({});
    sound::SetMciBackend({});
}

// The screens the player can see, by name. The game shows them one at a
// time in its one window, which takes the screen's size: a second window, or
// a window of another size than its screen, is listed as a fault.
inline QStringList VisibleScreens() {
    QStringList names;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible() || qobject_cast<QDialog*>(top)) continue;
        names << top->objectName();
        if (auto* window = qobject_cast<GameWindow*>(top)) {
            names.removeLast();
            for (Form* form : window->findChildren<Form*>(Qt::FindDirectChildrenOnly)) {
                if (!form->isVisible()) continue;
                names << form->objectName();
                if (window->size() != form->size() || window->Current() != form)
                    names << QStringLiteral("(window of another size)");
                // The desktop's tools tell the screens apart by the role
                // (followed by the kind of a box drawn inside).
                if (window->windowRole().section('+', 0, 0) != form->objectName())
                    names << QStringLiteral("(window's role: %1)").arg(window->windowRole());
            }
        }
    }
    names.sort();
    return names;
}

// The current instance of a screen, which must already exist.
template <typename T>
T& Current(GameApp& game, ScreenId id) {
    return static_cast<T&>(game.FormOf(id));
}

inline void Place(Form& f, int top, int left) {
    f.SetTop(top);
    f.SetLeft(left);
}

// Runs `act` in a child process that must end the game itself; returns its
// exit status (-1 when it did not exit normally) and the sound commands it
// sent on the way out.
struct Ending {
    int status = -1;
    QList<QByteArray> sounds;
};
inline Ending RunToTheEnd(const std::function<void()>& act) {
    Ending ending;
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return ending;
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0) return ending;
    if (child == 0) {
        ::close(pipeFds[0]);
        const int out = pipeFds[1];
        sound::SetMciBackend(
            [out](const std::string& command, char*, std::uint32_t, std::uintptr_t) {
                const std::string line = command + "\n";
                (void)!::write(out, line.data(), line.size());
                return std::uint32_t{0};
            });
        act();
        std::_Exit(3);  // only reached when the game did not end
    }
    ::close(pipeFds[1]);
    QByteArray sent;
    char buf[256];
    for (ssize_t n; (n = ::read(pipeFds[0], buf, sizeof buf)) > 0;) sent.append(buf, n);
    ::close(pipeFds[0]);
    int status = 0;
    if (waitpid(child, &status, 0) == child && WIFEXITED(status))
        ending.status = WEXITSTATUS(status);
    ending.sounds = sent.split('\n');
    return ending;
}

inline void Click(QWidget* w, QPoint at = {}) {
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at.isNull() ? w->rect().center() : at);
}

}  // namespace orv::testkit
