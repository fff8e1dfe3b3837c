#include "assets/AssetTable.h"

#include <cstring>

namespace orv::assets {
namespace {

using K = AssetKind;

constexpr AssetFile kFiles[] = {
    {"\\img\\Chara-0.bmp", K::Bitmap, kPortraitCells * kPortraitCellWidth, kPortraitCellHeight, 24,
     "portrait strip of opponent 0: normal, angry, smiling"},
    {"\\img\\Chara-1.bmp", K::Bitmap, kPortraitCells * kPortraitCellWidth, kPortraitCellHeight, 24,
     "portrait strip of opponent 1"},
    {"\\img\\Chara-2.bmp", K::Bitmap, kPortraitCells * kPortraitCellWidth, kPortraitCellHeight, 24,
     "portrait strip of opponent 2"},
    {"\\img\\Stage1-FG_E.bmp", K::Bitmap, kFieldWidth, kFieldHeight, 24, "enemy field"},
    {"\\img\\Stage1-FG_M.bmp", K::Bitmap, kFieldWidth, kFieldHeight, 24, "own field"},
    {"\\img\\×▲爆発[指]爆発[戦].bmp", K::Bitmap, kSpriteCells * kSpriteCellPx, kSpriteCellPx, 24,
     "sprite sheet: miss, adjacent, combat hit, command hit, combat vehicle, command vehicle; "
     "pure blue is transparent"},
    {"\\snd\\MainBGM.wav", K::Wave, 0, 0, 0, "battle music"},
    {"\\snd\\OmakeBGM.wav", K::Wave, 0, 0, 0, "bonus viewer music"},
    {"\\snd\\ハズレ.WAV", K::Wave, 0, 0, 0, "miss"},
    {"\\snd\\隣接.WAV", K::Wave, 0, 0, 0, "adjacent; combat vehicle placed"},
    {"\\snd\\戦闘車.WAV", K::Wave, 0, 0, 0, "combat vehicle hit"},
    {"\\snd\\指令車.WAV", K::Wave, 0, 0, 0, "command vehicle hit"},
    {"\\snd\\メッセージ.WAV", K::Wave, 0, 0, 0, "command vehicle placed"},
};

constexpr StoredPicture kStored[] = {
    {"ACD_Sub", 800, 600, 8, "title artwork with the option words"},
    {"ACD_Sub.Command4", 263, 54, 24, "start button"},
    {"ACD_Sub.Command_Omake", 264, 42, 24, "bonus button"},
    {"ACD_Sub.Command2", 264, 42, 24, "quit button"},
    {"ACD_Main", 809, 603, 8, "battle screen frame"},
    {"ACD_Main.Picture1", 539, 14, 24, "bar under the message line"},
    {"ACD_Main.ImageRemShot_E", 17, 17, 24, "computer's shot mark"},
    {"ACD_Main.ImageRemShot_P", 17, 17, 24, "player's shot mark"},
    {"ACD_Main.ImageRemSiki_M", 29, 29, 24, "player's command vehicle icon"},
    {"ACD_Main.ImageRemSen_M", 29, 30, 24, "player's combat vehicle icon"},
    {"ACD_Main.ImageRemSiki_E", 29, 29, 24, "computer's command vehicle icon"},
    {"ACD_Main.ImageRemSen_E", 29, 30, 24, "computer's combat vehicle icon"},
    {"ACD_Continue.Image1", 231, 56, 24, "continue question banner"},
    {"ACD_Continue.Image2", 118, 43, 24, "answer yes"},
    {"ACD_Continue.Image3", 118, 43, 24, "answer no"},
    {"ACD_OmakeMode", 800, 600, 8, "bonus menu artwork"},
    {"ACD_OmakeMode.Command_Omake(0)", 128, 96, 24, "opens viewer A"},
    {"ACD_OmakeMode.Command_Omake(2)", 55, 96, 24, "opens viewer C"},
    {"ACD_OmakeMode.Command_Exit", 132, 42, 24, "back to the title"},
    {"ACD_OmakeCG0A.Image1", 800, 600, 24, "bonus picture A"},
    {"ACD_OmakeCG0C.Image1", 800, 1400, 24, "bonus picture C, tall, scrolls"},
    {"ACD_OmakeCG0C.Image2", 800, 600, 24, "bonus picture C, second"},
    {"App.Icon", 32, 32, 24, "application icon"},
};

}  // namespace

std::span<const AssetFile> AssetFiles() { return kFiles; }
std::span<const StoredPicture> StoredPictures() { return kStored; }

const StoredPicture* FindStoredPicture(const char* id) {
    for (const auto& p : kStored)
        if (std::strcmp(p.id, id) == 0) return &p;
    return nullptr;
}

}  // namespace orv::assets
