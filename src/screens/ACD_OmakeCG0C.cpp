#include "screens/ACD_OmakeCG0C.h"

#include <QKeyEvent>
#include "platform/Twips.h"

#include "rules/Texts.h"
#include "screens/ACD_Sub.h"
#include "screens/AccessTexts.h"
#include "screens/Clicks.h"
#include "screens/GameApp.h"
#include "screens/KeyTable.h"

namespace orv::ui {
namespace {

// Image1 rises by this many twips in all, then stops.
constexpr int kScrollEnd = -800;

}  // namespace

ACD_OmakeCG0C::ACD_OmakeCG0C(GameApp& game)
    : Form(assets::Screen("ACD_OmakeCG0C"), &game.Window()),
      game_(game),
      controls_(Client(), Spec()) {
    setAttribute(Qt::WA_DeleteOnClose);
    image1Top_ = assets::Control(Spec(), "Image1").top;
    // The scroll clock runs from creation; the music loop waits for the activation.
    if (TimerFromTable(timer1_, Spec(), "Timer1")) timer1_.start();
    if (TimerFromTable(timerSnd_, Spec(), "TimerSnd")) timerSnd_.start();
    connect(&timer1_, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connect(&timerSnd_, &QTimer::timeout, this, [this] { TimerSnd_Timer(); });
    // Form_Click, Image1_Click and Image2_Click.
    OnClick(this, [this] { game_.LeaveOmakeCG0C(*this); });
    OnClick(Image1(), [this] { Image1_Click(); });
    OnClick(Image2(), [this] { game_.LeaveOmakeCG0C(*this); });
    Image1()->setAccessibleName(Tr(access::kBonusPicture));
    Image2()->setAccessibleName(Tr(access::kBonusPicture));
    setAccessibleDescription(Tr(access::kViewerKeys));
}

void ACD_OmakeCG0C::keyPressEvent(QKeyEvent* event) {
    if (event->isAutoRepeat() || !Answers(KeyPlace::Viewer, *event)) {
        Form::keyPressEvent(event);
        return;
    }
    // The keys that move on do what a click on the picture in sight does;
    // Escape leaves at once, as a click beside the pictures does.
    if (event->key() != Qt::Key_Escape && Image1()->isVisible())
        Image1_Click();
    else
        game_.LeaveOmakeCG0C(*this);
}

void ACD_OmakeCG0C::Form_Activate() {
    ACD_Sub& sub = game_.Sub();
    if (!sub.CheckBGM()->isChecked()) {
        game_.PlaySnd(text::kSndOmakeBGM);
        timerSnd_.start();
    }
    scrollStep_ = sub.LowSpecMode()->isChecked() ? 2 : 4;
}

void ACD_OmakeCG0C::SetImage1Top(int twips) {
    image1Top_ = twips;
    // The picture moves a whole pixel whenever the twips cross into the next one.
    QLabel* image = Image1();
    if (image->y() != Px(twips)) image->move(image->x(), Px(twips));
}

void ACD_OmakeCG0C::Timer1_Timer() {
    if (image1Top_ > scrollStep_ + kScrollEnd) {
        SetImage1Top(image1Top_ - scrollStep_);
    } else {
        SetImage1Top(kScrollEnd);
        timer1_.stop();
    }
}

void ACD_OmakeCG0C::TimerSnd_Timer() {
    // The music starts over at most half a second after it ends.
    if (game_.SndMode(text::kSndOmakeBGM) != text::kSndStopped) return;
    game_.CloseSnd(text::kSndOmakeBGM);
    game_.PlaySnd(text::kSndOmakeBGM);
}

void ACD_OmakeCG0C::Image1_Click() {
    // A click mid-scroll stops it where it is.
    timer1_.stop();
    Image2()->setVisible(true);
    Image1()->setVisible(false);
}

void ACD_OmakeCG0C::Form_Unload(bool& cancel) {
    // The music is not closed here: the screen taking over has closed every
    // sound on its activation already.
    if (game_.LeftBySwitch(this, cancel)) timerSnd_.stop();
}

}  // namespace orv::ui
