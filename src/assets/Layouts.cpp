#include "assets/Layouts.h"

#include <string>

#include "core/Fatal.h"

namespace orv::assets {
namespace {

using C = ControlKind;
constexpr Long kYellow = 0x0000FFFF;
constexpr Long kWhite = 0x00FFFFFF;
constexpr Long kBlack = 0x00000000;

// Battle screen.
constexpr ControlSpec kMain[] = {
    {"FG_E", -1, C::Grid, 180, 170, 8550, 4110, nullptr, nullptr, true, false, kNoColor, kNoColor, 9},
    {"FG_M", -1, C::Grid, 180, 4775, 8550, 4110, nullptr, nullptr, true, false, kNoColor, kNoColor, 9},
    {"FG_D", -1, C::Grid, 9045, 6930, 360, 180, nullptr, nullptr, true, false, kNoColor, kNoColor, 9},
    {"Label_Msg", -1, C::Label, 480, 4360, 7920, 270, nullptr, "", true, false, kYellow, kNoColor,
     12, true, Align::Center},
    {"Label_Command", -1, C::Label, 480, 4360, 7920, 270, nullptr, "", false, false, kYellow,
     kNoColor, 12, true, Align::Center},
    {"Picture1", -1, C::PictureBox, 495, 4680, 7935, 195, "ACD_Main.Picture1"},
    {"ImageRemShot_E", 0, C::Image, 480, 4380, 255, 255, "ACD_Main.ImageRemShot_E"},
    {"ImageRemShot_E", 1, C::Image, 795, 4380, 255, 255, "ACD_Main.ImageRemShot_E"},
    {"ImageRemShot_E", 2, C::Image, 1080, 4380, 255, 255, "ACD_Main.ImageRemShot_E"},
    {"ImageRemShot_E", 3, C::Image, 1365, 4380, 255, 255, "ACD_Main.ImageRemShot_E"},
    {"ImageRemShot_P", 0, C::Image, 8145, 4380, 255, 255, "ACD_Main.ImageRemShot_P"},
    {"ImageRemShot_P", 1, C::Image, 7860, 4380, 255, 255, "ACD_Main.ImageRemShot_P"},
    {"ImageRemShot_P", 2, C::Image, 7575, 4380, 255, 255, "ACD_Main.ImageRemShot_P"},
    {"ImageRemShot_P", 3, C::Image, 7290, 4380, 255, 255, "ACD_Main.ImageRemShot_P"},
    {"Label7", -1, C::Label, 9900, 6915, 1170, 150, nullptr, "< PLAYER >", true, false, kYellow,
     kNoColor, 9, true, Align::Center},
    {"Label6", -1, C::Label, 9165, 7170, 645, 270, nullptr, "指令機", true, false, kWhite, kNoColor,
     9, true},
    {"ImageRemSiki_M", 0, C::Image, 11415, 7080, 345, 345, "ACD_Main.ImageRemSiki_M", nullptr, true, true},
    {"ImageRemSiki_M", 1, C::Image, 11040, 7080, 345, 345, "ACD_Main.ImageRemSiki_M", nullptr, true, true},
    {"ImageRemSiki_M", 2, C::Image, 10665, 7080, 345, 345, "ACD_Main.ImageRemSiki_M", nullptr, true, true},
    {"Label5", -1, C::Label, 9165, 7560, 630, 255, nullptr, "戦闘車", true, false, kWhite, kNoColor,
     9, true},
    {"ImageRemSen_M", 0, C::Image, 11415, 7455, 345, 345, "ACD_Main.ImageRemSen_M", nullptr, true, true},
    {"ImageRemSen_M", 1, C::Image, 11040, 7455, 345, 345, "ACD_Main.ImageRemSen_M", nullptr, true, true},
    {"ImageRemSen_M", 2, C::Image, 10665, 7455, 345, 345, "ACD_Main.ImageRemSen_M", nullptr, true, true},
    {"ImageRemSen_M", 3, C::Image, 10290, 7455, 345, 345, "ACD_Main.ImageRemSen_M", nullptr, true, true},
    {"Line1", -1, C::Line, 9150, 7830, 2655, 0, nullptr, nullptr, true, false, kWhite},
    {"Label4", -1, C::Label, 9915, 7860, 1170, 150, nullptr, "< CP >", true, false, kYellow,
     kNoColor, 9, true, Align::Center},
    {"LabelRemSiki", -1, C::Label, 9180, 8115, 645, 270, nullptr, "指令機", true, false, kWhite,
     kNoColor, 9, true},
    {"ImageRemSiki_E", 0, C::Image, 11430, 8025, 345, 345, "ACD_Main.ImageRemSiki_E", nullptr, true, true},
    {"ImageRemSiki_E", 1, C::Image, 11055, 8025, 345, 345, "ACD_Main.ImageRemSiki_E", nullptr, true, true},
    {"ImageRemSiki_E", 2, C::Image, 10680, 8025, 345, 345, "ACD_Main.ImageRemSiki_E", nullptr, true, true},
    {"LabelRemSen", -1, C::Label, 9180, 8505, 630, 255, nullptr, "攻撃機", true, false, kWhite,
     kNoColor, 9, true},
    {"ImageRemSen_E", 0, C::Image, 11430, 8400, 345, 345, "ACD_Main.ImageRemSen_E", nullptr, true, true},
    {"ImageRemSen_E", 1, C::Image, 11055, 8400, 345, 345, "ACD_Main.ImageRemSen_E", nullptr, true, true},
    {"ImageRemSen_E", 2, C::Image, 10680, 8400, 345, 345, "ACD_Main.ImageRemSen_E", nullptr, true, true},
    {"ImageRemSen_E", 3, C::Image, 10305, 8400, 345, 345, "ACD_Main.ImageRemSen_E", nullptr, true, true},
    {"StageNo", -1, C::Label, 9060, 225, 1560, 285, nullptr, "", true, false, kYellow, kNoColor, 12,
     true, Align::Center},
    {"CharaImg", -1, C::Image, 8910, 90, 3225, 6645},
    // Read-outs beyond the right edge of the client area: never visible.
    {"Turn", -1, C::Label, 12255, 600, 600, 255, nullptr, "Turn"},
    {"PLShot", -1, C::Label, 12270, 1000, 900, 495, nullptr, "PLShot"},
    {"CPShot", -1, C::Label, 12240, 1600, 900, 495, nullptr, "CPShot"},
    {"CharaNo", -1, C::Label, 12240, 2200, 900, 495, nullptr, "CharaNo"},
    {"Label1", -1, C::Label, 12180, 4900, 1500, 255, nullptr, "Map画像のワーク"},
    {"Label2", -1, C::Label, 12135, 5200, 1200, 255, nullptr, "ユニット透過"},
    {"Label3", -1, C::Label, 12675, 6000, 900, 255, nullptr, "Sound"},
    {"PicTransBack", -1, C::PictureBox, 12210, 5490, 375, 420, nullptr, nullptr, false},
    {"PicTransFront", -1, C::PictureBox, 12645, 5505, 375, 420, nullptr, nullptr, false},
    {"PicClipUnit", -1, C::PictureStrip, 0, 0, 10, 1, nullptr, nullptr, false},
    {"PicClipChara", -1, C::PictureStrip, 0, 0, 3, 1, nullptr, nullptr, false},
    {"PicClipWork", 0, C::PictureStrip, 0, 0, 1, 1, nullptr, nullptr, false},
    {"PicClipWork", 1, C::PictureStrip, 0, 0, 1, 1, nullptr, nullptr, false},
    {"TimerSnd", -1, C::Timer, 0, 0, 500, 0},
    {"CharaPicTimer", -1, C::Timer, 0, 0, 150, 0},
    {"TimerMsg", -1, C::Timer, 0, 0, 0, 0},
    {"CpTurn", -1, C::Timer, 0, 0, 430, 1},
    {"EndGame", -1, C::Menu, 0, 0, 0, 0, nullptr, "ゲーム終了"},
    {"RetTitle", -1, C::Menu, 0, 0, 0, 0, nullptr, "タイトルに戻る"},
    {"Surrender", -1, C::Menu, 0, 0, 0, 0, nullptr, "降伏する"},
};

// Title screen.
constexpr ControlSpec kSub[] = {
    {"Command4", -1, C::Button, 7852, 2745, 3960, 870, "ACD_Sub.Command4"},
    {"Command_Omake", -1, C::Button, 7845, 6195, 3975, 660, "ACD_Sub.Command_Omake", nullptr, false},
    {"Command2", -1, C::Button, 7845, 8265, 3975, 660, "ACD_Sub.Command2"},
    {"CheckSE", -1, C::CheckBox, 8100, 7125, 195, 195},
    {"CheckBGM", -1, C::CheckBox, 10005, 7155, 165, 150},
    {"LowSpecMode", -1, C::CheckBox, 8115, 7830, 195, 180},
};

// Continue screen.
constexpr ControlSpec kContinue[] = {
    {"Image1", -1, C::Image, 915, 1275, 9915, 3405, "ACD_Continue.Image1", nullptr, true, true},
    {"Image2", -1, C::Image, 2760, 5565, 2685, 930, "ACD_Continue.Image2", nullptr, true, true},
    {"Image3", -1, C::Image, 6315, 5565, 2685, 930, "ACD_Continue.Image3", nullptr, true, true},
};

// Bonus menu.
constexpr ControlSpec kOmakeMode[] = {
    {"Command_Omake", 0, C::Button, 615, 1350, 1950, 1470, "ACD_OmakeMode.Command_Omake(0)"},
    {"Command_Omake", 2, C::Button, 5280, 1350, 855, 1470, "ACD_OmakeMode.Command_Omake(2)"},
    {"Command_Exit", -1, C::Button, 9600, 7920, 1980, 660, "ACD_OmakeMode.Command_Exit", nullptr,
     true, false, kNoColor, 0x00400040},
};

// Bonus viewers.
constexpr ControlSpec kCG0A[] = {
    {"Image1", -1, C::Image, 0, 0, 12000, 9000, "ACD_OmakeCG0A.Image1"},
    {"TimerSnd", -1, C::Timer, 0, 0, 500, 0},
};

constexpr ControlSpec kCG0C[] = {
    {"Image1", -1, C::Image, 0, 0, 12000, 21000, "ACD_OmakeCG0C.Image1"},
    {"Image2", -1, C::Image, 15, 15, 12000, 9000, "ACD_OmakeCG0C.Image2", nullptr, false},
    {"Timer1", -1, C::Timer, 0, 0, 30, 1},
    {"TimerSnd", -1, C::Timer, 0, 0, 500, 0},
};

constexpr ScreenSpec kScreens[] = {
    {"ACD_Sub", 1680, 1350, 12015, 9015, "ACD_Sub", kNoColor, kSub},
    {"ACD_Main", 5040, 5610, 12135, 9030, "ACD_Main", kNoColor, kMain},
    {"ACD_Continue", 5580, 5640, 12015, 9015, nullptr, kBlack, kContinue},
    {"ACD_OmakeMode", 5580, 5640, 12015, 9015, "ACD_OmakeMode", kBlack, kOmakeMode},
    {"ACD_OmakeCG0A", 45, 330, 12015, 9015, nullptr, kNoColor, kCG0A},
    {"ACD_OmakeCG0C", 45, 330, 12015, 9015, nullptr, kBlack, kCG0C},
};

}  // namespace

std::span<const ScreenSpec> Screens() { return kScreens; }

const ScreenSpec& Screen(std::string_view name) {
    for (const auto& s : kScreens)
        if (name == s.name) return s;
    FatalError("Unknown screen " + std::string(name));
}

const ControlSpec& Control(const ScreenSpec& screen, std::string_view name, int index) {
    for (const auto& c : screen.controls)
        if (name == c.name && c.index == index) return c;
    FatalError("Unknown control " + std::string(name) + " on " + screen.name);
}

}  // namespace orv::assets
