#pragma once
// Shared by the screen-flow tests: a private settings file, a recorder of
// message boxes and sound commands, and where each screen stands.
#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>

#include "platform/Form.h"
#include "platform/MessageBox.h"
#include "screens/GameApp.h"
#include "sound/SndModule.h"

namespace flowkit {

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

// Every box as "title|text"; Yes/No boxes get `yesNo`.
struct Boxes {
    QStringList seen;
    BoxAnswer yesNo = BoxAnswer::No;
    void Install() {
        SetBoxResponder([this](const QString& text, const QString& title, BoxButtons buttons) {
            seen << title + "|" + text;
            return buttons == BoxButtons::YesNo ? yesNo : BoxAnswer::Ok;
        });
    }
    int Questions() const { return int(seen.filter(QStringLiteral("確認|")).size()); }
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

// The screens the player can see, by name.
inline QStringList VisibleScreens() {
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<Form*>(w) && w->isVisible()) names << w->objectName();
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

inline void Click(QWidget* w, QPoint at = {}) {
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at.isNull() ? w->rect().center() : at);
}

}  // namespace flowkit
