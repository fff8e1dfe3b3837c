#pragma once
// The opponents: portrait, lines per face and the face timer's reload values.
#include <string>

#include "core/Checked.h"
#include "core/Types.h"

namespace orv {

struct CharaData {
    Integer Status = 0;
    BoundedArray<std::string, 0, 20> Lines;  // by face: 0 normal, 1 angry, 2 smiling
    BoundedArray<std::string, 0, 10> StagePicsA;
    BoundedArray<std::string, 0, 10> StagePicsB;
    std::string Portrait;  // relative to the application folder, leading backslash
    BoundedArray<std::string, 0, 10> OmakePics;
    Integer MsgTicksInit = 0;
    Integer MsgTicks = 0;
    Integer FaceTicksInit = 0;
    Integer FaceTicks = 0;
};

using CharaTableType = BoundedArray<CharaData, 0, 3>;

}  // namespace orv
