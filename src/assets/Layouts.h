#pragma once
// Geometry tables of the six screens: what every control is, where it stands
// (twips, Left/Top/Width/Height), its font, colours, caption and stored picture.
// The screens build themselves from these tables and the layout tests compare
// the built widgets against them.
#include <span>
#include <string_view>

#include "core/Types.h"

namespace orv::assets {

enum class ControlKind {
    Grid,          // flexible grid
    Label,
    PictureBox,
    Image,         // picture, optionally stretched to its rectangle
    Button,        // graphical button
    CheckBox,
    Line,          // from (Left, Top) to (Left + Width, Top + Height)
    PictureStrip,  // slicer, never shown
    Timer,         // Width = interval in ms, Height = 1 when enabled at creation
    Menu,          // menu bar entry
};

enum class Align { Left, Center };

inline constexpr Long kNoColor = -1;

struct ControlSpec {
    const char* name;
    int index;  // element of a control array, -1 for a plain control
    ControlKind kind;
    int left, top, width, height;
    const char* picture = nullptr;  // stored picture id
    const char* caption = nullptr;
    bool visible = true;
    bool stretch = false;
    Long foreColor = kNoColor;  // 0x00BBGGRR
    Long backColor = kNoColor;
    int fontPoints = 0;
    bool bold = false;
    Align align = Align::Left;
};

struct ScreenSpec {
    const char* name;
    int left, top;                   // initial client position, twips
    int clientWidth, clientHeight;   // twips
    const char* background;          // stored picture id or nullptr
    Long backColor;                  // kNoColor for the platform default
    std::span<const ControlSpec> controls;
};

inline constexpr const char* kCaption = "Orvalis";
inline constexpr const char* kGridFont = "ＭＳ Ｐゴシック";

std::span<const ScreenSpec> Screens();
const ScreenSpec& Screen(std::string_view name);
// The control `name` (element `index`) of a screen; fatal when absent.
const ControlSpec& Control(const ScreenSpec& screen, std::string_view name, int index = -1);

}  // namespace orv::assets
