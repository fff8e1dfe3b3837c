#include "platform/Controls.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <algorithm>

#include "core/Fatal.h"
#include "platform/Language.h"
#include "platform/OutOfSight.h"
#include "platform/PictureButton.h"
#include "platform/Pictures.h"
#include "platform/Twips.h"

namespace orv::ui {

using assets::ControlKind;
using assets::ControlSpec;

QString ControlKey(const char* name, int index) {
    QString key = QString::fromUtf8(name);
    if (index >= 0) key += QStringLiteral("(%1)").arg(index);
    return key;
}

QColor FromBgr(Long color) {
    const auto c = static_cast<unsigned>(color);
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

bool TimerFromTable(QTimer& timer, const assets::ScreenSpec& spec, const char* name) {
    const ControlSpec& c = assets::Control(spec, name);
    if (c.kind != ControlKind::Timer) FatalError(std::string(name) + " is not a timer");
    timer.setObjectName(QString::fromUtf8(name));
    timer.setInterval(c.width);
    return c.height != 0;
}

QStringList GameFontFamilies() {
    return {QString::fromUtf8(assets::kGridFont), QStringLiteral("MS PGothic"),
            QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
            QStringLiteral("Noto Sans CJK JP")};
}

QFont GameFont(int points, bool bold) {
    QFont font;
    font.setFamilies(GameFontFamilies() << QStringLiteral("sans-serif"));
    // Points at 96 dpi, fixed in pixels so the layout does not depend on the
    // display's idea of its resolution.
    font.setPixelSize(points * 96 / 72);
    font.setBold(bold);
    return font;
}

namespace {

// The labels were sized for their Japanese captions: an English one that
// runs past its label is set a little narrower, never below 70 % of its width.
void narrowToFit(QLabel* label, int width) {
    const int needs = label->fontMetrics().horizontalAdvance(label->text());
    if (needs <= width) return;
    QFont font = label->font();
    font.setStretch(std::max(70, 100 * width / needs - 1));
    label->setFont(font);
}

QWidget* makeControl(QWidget* parent, const ControlSpec& c, int clientWidth) {
    const QRect rect = PxRect(c.left, c.top, c.width, c.height);
    QWidget* w = nullptr;
    switch (c.kind) {
        case ControlKind::Button: {
            auto* b = new PictureButton(StoredPixmap(c.picture), parent);
            if (c.backColor != assets::kNoColor) {
                QPalette pal = b->palette();
                pal.setColor(QPalette::Button, FromBgr(c.backColor));
                b->setPalette(pal);
            }
            w = b;
            break;
        }
        case ControlKind::CheckBox: {
            auto* box = new QCheckBox(parent);
            box->setFocusPolicy(Qt::NoFocus);
            w = box;
            break;
        }
        case ControlKind::Image:
        case ControlKind::PictureBox: {
            auto* label = new QLabel(parent);
            if (c.picture) label->setPixmap(StoredPixmap(c.picture));
            label->setScaledContents(c.stretch);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            w = label;
            break;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(parent);
            if (c.left >= clientWidth) MarkOutOfSight(label);
            label->setText(c.caption ? Tr(c.caption, kCaption) : QString());
            label->setFont(GameFont(c.fontPoints ? c.fontPoints : 9, c.bold));
            narrowToFit(label, rect.width());
            label->setAlignment(
                (c.align == assets::Align::Center ? Qt::AlignHCenter : Qt::AlignLeft) |
                Qt::AlignVCenter);
            label->setAttribute(Qt::WA_TranslucentBackground);
            if (c.foreColor != assets::kNoColor) {
                QPalette pal = label->palette();
                pal.setColor(QPalette::WindowText, FromBgr(c.foreColor));
                label->setPalette(pal);
            }
            w = label;
            break;
        }
        case ControlKind::Line: {
            auto* line = new QFrame(parent);
            line->setAutoFillBackground(true);
            QPalette pal = line->palette();
            pal.setColor(QPalette::Window, FromBgr(c.foreColor));
            line->setPalette(pal);
            w = line;
            w->setGeometry(rect.x(), rect.y(), std::max(1, rect.width()),
                           std::max(1, rect.height()));
            break;
        }
        default:
            return nullptr;
    }
    w->setObjectName(ControlKey(c.name, c.index));
    if (c.kind != ControlKind::Line) w->setGeometry(rect);
    w->setVisible(c.visible);
    return w;
}

}  // namespace

Controls::Controls(QWidget* parent, const assets::ScreenSpec& spec) {
    for (const ControlSpec& c : spec.controls) {
        if (QWidget* w = makeControl(parent, c, spec.clientWidth))
            widgets_.insert(ControlKey(c.name, c.index), w);
    }
}

QWidget* Controls::Get(const char* name, int index) const {
    QWidget* w = widgets_.value(ControlKey(name, index), nullptr);
    if (!w) FatalError("No control " + ControlKey(name, index).toStdString());
    return w;
}

}  // namespace orv::ui
