#include "platform/Form.h"

#include <QCloseEvent>
#include <QPainter>
#include <QShowEvent>

#include "platform/Pictures.h"
#include "platform/Twips.h"

namespace orv::ui {

Form::Form(const assets::ScreenSpec& spec, QWidget* parent)
    : QWidget(parent, Qt::Window), spec_(spec) {
    setObjectName(QString::fromUtf8(spec.name));
    setWindowTitle(QString::fromUtf8(assets::kCaption));
    setWindowIcon(QIcon(StoredPixmap("App.Icon")));
    setFixedSize(Px(spec.clientWidth), Px(spec.clientHeight));
    move(Px(spec.left), Px(spec.top));
    if (spec.backColor != assets::kNoColor) {
        const auto c = static_cast<unsigned>(spec.backColor);
        QPalette pal = palette();
        pal.setColor(QPalette::Window, QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
        setPalette(pal);
        setAutoFillBackground(true);
    }
    if (spec.background) background_ = StoredPixmap(spec.background);
}

Form::~Form() = default;

int Form::Top() const { return Twips(pos().y()); }
int Form::Left() const { return Twips(pos().x()); }
void Form::SetTop(int twips) { move(pos().x(), Px(twips)); }
void Form::SetLeft(int twips) { move(Px(twips), pos().y()); }

void Form::ShowForm() {
    show();
    raise();
    activateWindow();
    setFocus(Qt::OtherFocusReason);
}

bool Form::Unload() { return close(); }

void Form::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Coming back from another application or from minimized is not a new
    // activation of the screen; only showing it from the game is.
    if (!event->spontaneous()) Form_Activate();
}

void Form::closeEvent(QCloseEvent* event) {
    bool cancel = false;
    Form_Unload(cancel);
    if (cancel) {
        event->ignore();
        return;
    }
    event->accept();
    unloaded_ = true;
    emit unloaded();
}

void Form::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (background_.isNull()) return;
    QPainter p(this);
    // The client area can be a pixel wider than its picture; keep that seam dark.
    p.fillRect(rect(), Qt::black);
    p.drawPixmap(0, 0, background_);
}

}  // namespace orv::ui
