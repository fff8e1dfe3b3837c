#include "screens/ACD_Main.h"
#include "screens/KeyTable.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <algorithm>
#include <cmath>

#include "assets/AssetTable.h"
#include "core/Utilities.h"
#include "paint/PaintEffects.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/Pictures.h"
#include "platform/Twips.h"
#include "screens/AccessTexts.h"
#include "battle/BattleSetup.h"
#include "rules/BattleTimers.h"
#include "battle/Dispatcher.h"
#include "rules/Texts.h"
#include "screens/ACD_Sub.h"
#include "screens/EventLuncher.h"
#include "screens/GameApp.h"
#include "screens/Wording.h"

namespace orv::ui {
namespace {

constexpr Long kSpriteMask = 0x00FF0000;  // pure blue, 0x00BBGGRR

const char* iconName(IconRow row) {
    switch (row) {
        case IconRow::ImageRemSen_M: return "ImageRemSen_M";
        case IconRow::ImageRemSiki_M: return "ImageRemSiki_M";
        case IconRow::ImageRemSen_E: return "ImageRemSen_E";
        case IconRow::ImageRemSiki_E: return "ImageRemSiki_E";
        case IconRow::ImageRemShot_P: return "ImageRemShot_P";
        case IconRow::ImageRemShot_E: return "ImageRemShot_E";
    }
    return "";
}

const char* readoutName(Readout label) {
    switch (label) {
        case Readout::PLShot: return "PLShot";
        case Readout::CPShot: return "CPShot";
        case Readout::StageNo: return "StageNo";
        case Readout::CharaNo: return "CharaNo";
    }
    return "";
}

// Halves go to the even neighbour.
int roundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

}  // namespace

ACD_Main::ACD_Main(GameApp& game)
    : Form(assets::Screen("ACD_Main"), &game.Window()),
      game_(game),
      battle_(game.State(), *this) {
    setAttribute(Qt::WA_DeleteOnClose);
    const auto& spec = Spec();
    // The captions are the game's own (or their English); Alt with a letter
    // reaches each entry from the keyboard as well.
    auto menu = [&](const char* name, char key, const char* says, auto handler) {
        QAction* action =
            MenuBarAction(Tr(assets::Control(spec, name).caption, kCaption), handler);
        action->setShortcut(QKeySequence(Qt::ALT | Qt::Key(key)));
        action->setStatusTip(Tr(says));
    };
    menu("EndGame", access::kEndGameKey, access::kEndGame, [this] { EndGame_Click(); });
    menu("RetTitle", access::kRetTitleKey, access::kRetTitle, [this] { RetTitle_Click(); });
    menu("Surrender", access::kSurrenderKey, access::kSurrender, [this] { Surrender_Click(); });
    controls_ = Controls(Client(), spec);

    auto makeGrid = [&](const char* name) {
        const auto& c = assets::Control(spec, name);
        auto* grid = new FlexGrid(Client());
        grid->setObjectName(QString::fromUtf8(name));
        grid->setGeometry(PxRect(c.left, c.top, c.width, c.height));
        grid->setFont(GameFont(c.fontPoints, false));
        return grid;
    };
    fgE_ = makeGrid("FG_E");
    fgM_ = makeGrid("FG_M");
    fgD_ = makeGrid("FG_D");
    // The stage caption is written over the portrait.
    controls_.Get("StageNo")->raise();
    // A click on a field is mouse play: the keyboard's cursor goes out of sight.
    connect(fgE_, &FlexGrid::Click, this, [this] {
        keyboardPlay_ = false;
        FG_E_Click();
    });
    connect(fgM_, &FlexGrid::Click, this, [this] {
        keyboardPlay_ = false;
        FG_M_Click();
    });
    keyboardPlay_ = LastPressWasKey();
    for (auto& side : sprites_) side.fill(-1);
    describeControls();

    // Timers as created: only the computer's clock runs from the start.
    charaPicTimer_.setInterval(150);
    timerSnd_.setInterval(500);
    cpTurn_.setInterval(430);
    connect(&timerMsg_, &QTimer::timeout, this, [this] { TimerMsg_Timer(); });
    connect(&charaPicTimer_, &QTimer::timeout, this, [this] { CharaPicTimer_Timer(); });
    connect(&timerSnd_, &QTimer::timeout, this, [this] { TimerSnd_Timer(); });
    connect(&cpTurn_, &QTimer::timeout, this, [this] { CpTurn_Timer(); });
    msgTop_ = assets::Control(spec, "Label_Msg").top;

    // Form_Load.
    MainEL = new EventLuncher(this);
    connect(MainEL, &EventLuncher::esGameCallBack, this,
            [this](std::string& name) { MainEL_esGameCallBack(name); }, Qt::DirectConnection);
    LoadBattle(battle_);
    for (IconRow row : {IconRow::ImageRemSiki_M, IconRow::ImageRemSen_M, IconRow::ImageRemSiki_E,
                        IconRow::ImageRemSen_E, IconRow::ImageRemShot_P})
        describeCounts(row);
    cpTurn_.start();
}

ACD_Main::~ACD_Main() { StopTimers(); }

void ACD_Main::StopTimers() {
    timerMsg_.stop();
    charaPicTimer_.stop();
    timerSnd_.stop();
    cpTurn_.stop();
}

// --- events -----------------------------------------------------------------

// A battle screen that has been left takes no more input: a click queued
// before it was hidden must not fire into a finished battle.

void ACD_Main::FG_E_Click() {
    if (IsUnloaded()) return;
    battle_.gs.EventName = text::kFG_E_Click;
    DispatchGameEvent(battle_, Grid::FG_E);
    refreshCursor();
}

void ACD_Main::FG_M_Click() {
    if (IsUnloaded()) return;
    battle_.gs.EventName = text::kFG_M_Click;
    DispatchGameEvent(battle_, Grid::FG_M);
    refreshCursor();
}

void ACD_Main::TimerMsg_Timer() { orv::TimerMsg_Timer(battle_); }
void ACD_Main::CharaPicTimer_Timer() { orv::CharaPicTimer_Timer(battle_); }
void ACD_Main::TimerSnd_Timer() { orv::TimerSnd_Timer(battle_); }

void ACD_Main::CpTurn_Timer() {
    if (IsUnloaded()) return;
    battle_.gs.EventName = text::kWinCP_Timer;
    DispatchGameEvent(battle_, Grid::FG_M);
    refreshCursor();
}

void ACD_Main::Surrender_Click() {
    if (IsUnloaded()) return;
    battle_.gs.EventName = text::kCP_Win;
    DispatchGameEvent(battle_, Grid::FG_E);
    refreshCursor();
}

void ACD_Main::SetEvent(const std::string& name) {
    std::string raised = name;
    MainEL->SetEvent_Connecter(raised);
}

void ACD_Main::MainEL_esGameCallBack(std::string& Name) {
    battle_.gs.EventName = Name;
    DispatchGameEvent(battle_, Grid::None);
}

void ACD_Main::EndGame_Click() {
    if (IsUnloaded()) return;
    bool stay = false;
    game_.ConfirmQuit(this, stay);
}

void ACD_Main::RetTitle_Click() {
    if (IsUnloaded()) return;
    CloseAllSnd();
    game_.SwitchForm(ScreenId::ACD_Sub, this);
}

void ACD_Main::Form_Activate() {
    CloseAllSnd();
    if (OptionValue(OptionBox::CheckBGM) == 0) {
        PlaySnd(text::kSndMainBGM);
        timerSnd_.start();
    }
}

void ACD_Main::Form_Unload(bool& cancel) {
    GameState& gs = battle_.gs;
    if (gs.ScreenSwitching) {
        game_.CloseEffectSounds();
        CloseSnd(text::kSndMainBGM);
        timerSnd_.stop();
        gs.ScreenSwitching = kFalse;
        StopTimers();
        return;
    }
    game_.ConfirmQuit(this, cancel);
}

// --- keyboard and assistive technology ------------------------------------------------

FlexGrid* ACD_Main::KeyboardGrid() const {
    const std::string& phase = battle_.gs.GamePhase;
    if (phase == text::kCommandDeploy || phase == text::kCombatDeploy) return fgM_;
    if (phase == text::kPlayerTurn) return fgE_;
    return nullptr;
}

void ACD_Main::refreshCursor() {
    FlexGrid* active = IsUnloaded() ? nullptr : KeyboardGrid();
    for (FlexGrid* grid : {fgM_, fgE_}) {
        if (grid != active) {
            grid->HideCursor();
            continue;
        }
        const QPoint at = cursor_[grid == fgE_ ? 1 : 0];
        grid->SetCursorDrawn(keyboardPlay_);
        if (!grid->CursorShown() || grid->CursorCol() != at.x() || grid->CursorRow() != at.y())
            grid->ShowCursorAt(at.x(), at.y());
    }
}

void ACD_Main::moveCursor(int key) {
    FlexGrid* grid = KeyboardGrid();
    if (!grid) return;
    QPoint& at = cursor_[grid == fgE_ ? 1 : 0];
    const int lastCol = grid->Cols() - 1, lastRow = grid->Rows() - 1;
    switch (key) {
        case Qt::Key_Left:
            at.rx() = std::max(at.x() - 1, 0);
            break;
        case Qt::Key_Right:
            at.rx() = std::min(at.x() + 1, lastCol);
            break;
        case Qt::Key_Up:
            at.ry() = std::max(at.y() - 1, 0);
            break;
        case Qt::Key_Down:
            at.ry() = std::min(at.y() + 1, lastRow);
            break;
        case Qt::Key_Home:
            at.rx() = 0;
            break;
        case Qt::Key_End:
            at.rx() = lastCol;
            break;
        case Qt::Key_PageUp:
            at.ry() = 0;
            break;
        case Qt::Key_PageDown:
            at.ry() = lastRow;
            break;
        default:
            return;
    }
    refreshCursor();
}

void ACD_Main::actOnCursor() {
    FlexGrid* grid = KeyboardGrid();
    if (!grid) return;
    // Exactly a click: the cell becomes current, then the grid's click event.
    const QPoint at = cursor_[grid == fgE_ ? 1 : 0];
    grid->SetRow(at.y());
    grid->SetCol(at.x());
    if (grid == fgE_)
        FG_E_Click();
    else
        FG_M_Click();
}

void ACD_Main::openMenuFromKeyboard() {
    // The menu bar enters its keyboard mode on a lone Alt, as on every
    // desktop; F10 is that Alt.
    for (QEvent::Type type : {QEvent::ShortcutOverride, QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent alt(type, Qt::Key_Alt,
                      type == QEvent::KeyRelease ? Qt::NoModifier : Qt::AltModifier);
        QCoreApplication::sendEvent(this, &alt);
    }
}

void ACD_Main::keyPressEvent(QKeyEvent* event) {
    if (IsUnloaded()) return;
    if (!Answers(KeyPlace::Battle, *event)) {
        Form::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Escape:
            if (!event->isAutoRepeat()) EndGame_Click();
            return;
        case Qt::Key_F10:
            openMenuFromKeyboard();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            keyboardPlay_ = true;
            // A key held down fires once, as a button held down clicks once.
            if (!event->isAutoRepeat()) actOnCursor();
            refreshCursor();
            return;
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            keyboardPlay_ = true;
            moveCursor(event->key());
            return;
        default:
            Form::keyPressEvent(event);
    }
}

int& ACD_Main::spriteAt(FlexGrid* grid, int col, int row) {
    return sprites_[grid == fgE_ ? 1 : 0][static_cast<size_t>(row * 19 + col)];
}

void ACD_Main::describeControls() {
    auto text = [](const char* source) { return Tr(source); };
    for (FlexGrid* grid : {fgE_, fgM_}) {
        const bool enemy = grid == fgE_;
        grid->setAccessibleName(text(enemy ? access::kEnemyField : access::kOwnField));
        grid->setAccessibleDescription(text(access::kFieldKeys));
        grid->SetCellNamer([this, grid, enemy](int col, int row) {
            return access::CellDescription(col, row, spriteAt(grid, col, row), enemy);
        });
    }
    Label_Msg()->setAccessibleDescription(text(access::kMessageLine));
    Label_Command()->setAccessibleDescription(text(access::kPrompt));
    controls_.Get("StageNo")->setAccessibleDescription(text(access::kStage));
    CharaImg()->setAccessibleName(text(access::kPortrait));
    setAccessibleDescription(text(access::kFieldKeys));
}

// The status panel's icons as counts: what the player counts by eye.
void ACD_Main::describeCounts(IconRow row) {
    auto shown = [this](const char* icons, int n) {
        int count = 0;
        for (int i = 0; i < n; ++i) count += controls_.Get(icons, i)->isHidden() ? 0 : 1;
        return count;
    };
    // Only a change is told: a screen reader reads out every new name.
    auto tell = [](QWidget* w, const QString& name) {
        if (w->accessibleName() != name) w->setAccessibleName(name);
    };
    auto say = [tell](QWidget* w, const char* what, int n) { tell(w, access::Count(what, n)); };
    switch (row) {
        case IconRow::ImageRemSiki_M:
            say(controls_.Get("Label6"), access::kPlayerCommandLeft, shown("ImageRemSiki_M", 3));
            break;
        case IconRow::ImageRemSen_M:
            say(controls_.Get("Label5"), access::kPlayerCombatLeft, shown("ImageRemSen_M", 4));
            break;
        case IconRow::ImageRemSiki_E:
            say(controls_.Get("LabelRemSiki"), access::kEnemyCommandLeft,
                shown("ImageRemSiki_E", 3));
            break;
        case IconRow::ImageRemSen_E:
            say(controls_.Get("LabelRemSen"), access::kEnemyCombatLeft, shown("ImageRemSen_E", 4));
            break;
        case IconRow::ImageRemShot_P:
        case IconRow::ImageRemShot_E:
            tell(controls_.Get("Picture1"),
                 access::Count(access::kPlayerShotsLeft, shown("ImageRemShot_P", 4)) +
                     QStringLiteral("; ") +
                     access::Count(access::kEnemyShotsLeft, shown("ImageRemShot_E", 4)));
            break;
    }
}

// --- battle set-up --------------------------------------------------------------

void ACD_Main::SetupGrids() {
    GameState& gs = battle_.gs;
    for (FlexGrid* grid : {fgE_, fgM_}) {
        grid->SetCols(19);
        grid->SetRows(9);
        const int cellPx = roundHalfEven(static_cast<double>(grid->GridLineWidth()) + 28.8);
        for (int c = 0; c < 19; ++c) grid->SetColWidth(c, TwipsX(gs, cellPx));
        for (int r = 0; r < 9; ++r) grid->SetRowHeight(r, TwipsY(gs, cellPx));
        for (int r = 0; r < 9; ++r) {
            for (int c = 0; c < 19; ++c) {
                grid->SetCol(c);
                grid->SetRow(r);
                grid->SetCellFontSize(18);
                grid->SetCellText(QString());
            }
        }
        grid->SetWidthTwips(19 * grid->ColWidth(0) + 18 * grid->GridLineWidth());
        grid->SetHeightTwips(9 * grid->RowHeight(0) + 8 * grid->GridLineWidth());
    }
    LoadGridPicture(fgE_, PicClipWork[1], kFieldPictureE);
    LoadGridPicture(fgM_, PicClipWork[0], kFieldPictureM);
}

void ACD_Main::LoadGridPicture(FlexGrid* grid, PictureStrip& clip, const std::string& file) {
    clip.SetCols(grid->Cols());
    clip.SetRows(grid->Rows());
    clip.SetPicture(LoadAppPicture(file, {clip.Cols(), clip.Rows()}));
    // Shared, not copied: the cells cost nothing to cut.
    const std::vector<QImage> cells = PictureCells(clip.Picture(), clip.Cols(), clip.Rows());
    for (int r = 0; r < clip.Rows(); ++r) {
        for (int c = 0; c < clip.Cols(); ++c) {
            grid->SetCol(c);
            grid->SetRow(r);
            grid->SetCellPicture(cells[static_cast<size_t>(r * clip.Cols() + c)]);
        }
    }
}

void ACD_Main::InitCellPictures() {
    // Twice the current cell, as the work surfaces have always been.
    const int w = 2 * Px(fgE_->ColWidth(fgE_->Col()));
    const int h = 2 * Px(fgE_->RowHeight(fgE_->Row()));
    PicTransFront = QImage(w, h, QImage::Format_RGB32);
    PicTransBack = QImage(w, h, QImage::Format_RGB32);
    PicClipUnit.SetCols(assets::kSpriteCells);
    PicClipUnit.SetRows(1);
    PicClipUnit.SetPicture(
        LoadAppPicture(kSpritePicture, {PicClipUnit.Cols(), PicClipUnit.Rows()}));
}

// --- grids ------------------------------------------------------------------------

FlexGrid* ACD_Main::gridOf(Grid grid) const { return grid == Grid::FG_E ? fgE_ : fgM_; }

int ACD_Main::GridCol(Grid grid) { return gridOf(grid)->Col(); }
int ACD_Main::GridRow(Grid grid) { return gridOf(grid)->Row(); }

void ACD_Main::SetGridCell(Grid grid, int col, int row) {
    gridOf(grid)->SetRow(row);
    gridOf(grid)->SetCol(col);
}

void ACD_Main::SetCellBackColor(Grid grid, Long color) { gridOf(grid)->SetCellBackColor(color); }

void ACD_Main::SetCellPicture(Grid grid, int col, int row, int tile, int sprite) {
    const int side = grid == Grid::FG_M ? 0 : 1;
    const QImage front = PicClipUnit.GraphicCell(sprite);
    const QImage back = PicClipWork[static_cast<size_t>(side)].GraphicCell(tile);
    // Sprite into the front surface, tile into the back, then the sprite over
    // the tile with its pure blue left out.
    PicTransFront.fill(Qt::black);
    PicTransBack.fill(Qt::black);
    paint::PaintEffects().PaintNormalStdPic(PicTransFront, 0, 0, front.width(), front.height(), front, 0, 0);
    paint::PaintEffects().PaintNormalStdPic(PicTransBack, 0, 0, back.width(), back.height(), back, 0, 0);
    paint::PaintTransparentPicture(PicTransFront, PicTransBack, kSpriteMask);
    FlexGrid* g = gridOf(grid);
    g->SetCol(col);
    g->SetRow(row);
    g->SetCellPicture(PicTransBack.copy(0, 0, back.width(), back.height()));
    spriteAt(g, col, row) = sprite;
    g->CellNameChanged(col, row);
}

// --- labels, icons, portrait ----------------------------------------------------------

void ACD_Main::SetMsgCaption(const std::string& text) {
    Label_Msg()->setText(Shown(text));
}

void ACD_Main::SetMsgTop(int twips) {
    msgTop_ = twips;
    Label_Msg()->move(Label_Msg()->x(), Px(twips));
}

void ACD_Main::SetCommandCaption(const std::string& text) {
    Label_Command()->setText(Shown(text));
}

void ACD_Main::SetCommandVisible(bool visible) { Label_Command()->setVisible(visible); }

void ACD_Main::SetReadout(Readout label, const std::string& text) {
    controls_.As<QLabel>(readoutName(label))->setText(QString::fromStdString(text));
}

void ACD_Main::SetIconVisible(IconRow row, int index, bool visible) {
    controls_.Get(iconName(row), index)->setVisible(visible);
    describeCounts(row);
}

void ACD_Main::LoadPortrait(const std::string& relativePath) {
    PicClipChara.SetCols(assets::kPortraitCells);
    PicClipChara.SetRows(1);
    PicClipChara.SetPicture(LoadAppPicture(relativePath, {PicClipChara.Cols(), PicClipChara.Rows()}));
}

void ACD_Main::ShowFace(int cell) {
    const std::vector<QImage> faces =
        PictureCells(PicClipChara.Picture(), PicClipChara.Cols(), PicClipChara.Rows());
    // A face outside the strip stops the game, as it always has.
    const bool known = cell >= 0 && cell < static_cast<int>(faces.size());
    CharaImg()->setPixmap(QPixmap::fromImage(known ? faces[static_cast<size_t>(cell)]
                                                   : PicClipChara.GraphicCell(cell)));
    const char* face = cell == 1   ? access::kFaceAngry
                       : cell == 2 ? access::kFaceSmiling
                                   : access::kFaceNormal;
    CharaImg()->setAccessibleDescription(Tr(face));
}

// --- timers -------------------------------------------------------------------------

QTimer& ACD_Main::timerOf(BattleTimer timer) {
    switch (timer) {
        case BattleTimer::TimerMsg: return timerMsg_;
        case BattleTimer::CharaPicTimer: return charaPicTimer_;
        case BattleTimer::TimerSnd: return timerSnd_;
        case BattleTimer::CpTurn: return cpTurn_;
    }
    return cpTurn_;
}

void ACD_Main::SetTimerEnabled(BattleTimer timer, bool enabled) {
    QTimer& t = timerOf(timer);
    if (enabled && !t.isActive()) t.start();
    if (!enabled) t.stop();
}

void ACD_Main::SetTimerInterval(BattleTimer timer, int milliseconds) {
    // Changing the interval of a running timer restarts its count, as it always has.
    timerOf(timer).setInterval(milliseconds);
}

// --- sound, options, boxes, screens ----------------------------------------------------------

void ACD_Main::PlaySnd(const std::string& relativePath) { game_.PlaySnd(relativePath); }
void ACD_Main::CloseSnd(const std::string& relativePath) { game_.CloseSnd(relativePath); }
void ACD_Main::CloseAllSnd() { game_.CloseAllSnd(); }
std::string ACD_Main::SndMode(const std::string& relativePath) { return game_.SndMode(relativePath); }

int ACD_Main::OptionValue(OptionBox box) {
    ACD_Sub& sub = game_.Sub();
    QCheckBox* check = box == OptionBox::CheckSE    ? sub.CheckSE()
                       : box == OptionBox::CheckBGM ? sub.CheckBGM()
                                                    : sub.LowSpecMode();
    return check->isChecked() ? 1 : 0;
}

void ACD_Main::MessageBoxOk(const std::string& text, const std::string& title) {
    ShowOk(this, Shown(text), Shown(title));
}

void ACD_Main::SwitchForm(ScreenId newForm) { game_.SwitchForm(newForm, this); }

}  // namespace orv::ui
