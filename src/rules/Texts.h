#pragma once
// The game's own words: events, phases, step results, answers, markers,
// prompts and box texts. Compared exactly, so they live in one place.
namespace orv::text {

// Events.
inline constexpr const char* kFG_E_Click = "FG_E_Click";
inline constexpr const char* kFG_M_Click = "FG_M_Click";
inline constexpr const char* kWinCP_Timer = "WinCP_Timer";
inline constexpr const char* kCP_Win = "CP_Win";
inline constexpr const char* kPLAYER_Win = "PLAYER_Win";

// Phases (the player's turn, kPlayerTurn, is among the step results).
inline constexpr const char* kInitDeploy = "InitDeploy";
inline constexpr const char* kCommandDeploy = "指令車配置モード";
inline constexpr const char* kCombatDeploy = "戦闘車配置モード";
inline constexpr const char* kCpTurnPhase = "CP_Turn";

// Step results ("PLAYER_TURN" is the phase of the player's turn too).
inline constexpr const char* kPlaced = "";
inline constexpr const char* kRefused = "配置済み";
inline constexpr const char* kCommandDeployEnd = "指令車配置終了";
inline constexpr const char* kCombatDeployEnd = "戦闘車配置終了";
inline constexpr const char* kPlayerTurn = "PLAYER_TURN";
inline constexpr const char* kPlayerTurnEnd = "PLAYER_TURN終了";
inline constexpr const char* kPlayerVictory = "プレイヤー勝利";
inline constexpr const char* kShotRefused = "攻撃入力ＮＧ";
inline constexpr const char* kCpTurn = "CP_TURN";
inline constexpr const char* kCpTurnEnd = "CP_TURN終了";
inline constexpr const char* kCpVictory = "ＣＰ勝利";

// Answers to a shot.
inline constexpr const char* kMiss = "ハズレ";
inline constexpr const char* kAdjacent = "隣接";
inline constexpr const char* kCombatHit = "戦闘車ヒット";
inline constexpr const char* kCommandHit = "指令車ヒット";

// Board texts: hidden vehicles and shot markers.
inline constexpr const char* kCombatUnit = "戦";
inline constexpr const char* kCommandUnit = "指";
inline constexpr const char* kMissMark = "×空";
inline constexpr const char* kAdjacentMark = "▲隣";
inline constexpr const char* kCombatHitMark = "★戦";
inline constexpr const char* kCommandHitMark = "●指";

// JudgeWin.
inline constexpr const char* kWon = "勝ち";
inline constexpr const char* kUndecided = "未決";

// Faces.
inline constexpr const char* kFaceNormal = "普通";
inline constexpr const char* kFaceAngry = "怒り";
inline constexpr const char* kFaceSmiling = "笑顔";

// Messages and boxes.
inline constexpr const char* kCommandPrompt = "指令ユニットを配置してください  残り ";
inline constexpr const char* kCombatPrompt = "攻撃ユニットを配置してください  残り ";
inline constexpr const char* kPromptUnit = "機";
inline constexpr const char* kGameStart = "ゲームスタート";
inline constexpr const char* kYouLose = "You Lose";
inline constexpr const char* kYouWin = "　    -You Win-";
inline constexpr const char* kResultTitle = "戦闘結果";
inline constexpr const char* kQuitQuestion = "終了してよろしいですか？";
inline constexpr const char* kQuitTitle = "確認";

// Sounds, relative to the application folder.
inline constexpr const char* kSndMiss = "\\snd\\ハズレ.WAV";
inline constexpr const char* kSndAdjacent = "\\snd\\隣接.WAV";
inline constexpr const char* kSndCombat = "\\snd\\戦闘車.WAV";
inline constexpr const char* kSndCommand = "\\snd\\指令車.WAV";
inline constexpr const char* kSndMessage = "\\snd\\メッセージ.WAV";
inline constexpr const char* kSndMainBGM = "\\snd\\MainBGM.wav";
inline constexpr const char* kSndOmakeBGM = "\\snd\\OmakeBGM.wav";

// Sides, as JudgeWin and the transcript name them.
inline constexpr const char* kPlayerSide = "PLAYER";
inline constexpr const char* kCpSide = "CP";

// Read-outs of the battle screen: captions before their numbers.
inline constexpr const char* kPLShotLabel = "PLShot";
inline constexpr const char* kCPShotLabel = "CPShot";
inline constexpr const char* kStagePrefix = "Stage ";
inline constexpr const char* kCharaNoPrefix = "CharaNo ";
// Line feed before carriage return, as the read-outs have always been written.
inline constexpr const char* kReadoutBreak = "\n\r";

// States of the message slide.
inline constexpr const char* kMsgFirst = "First";
inline constexpr const char* kMsgCome = "Come";
inline constexpr const char* kMsgStop = "Stop";
inline constexpr const char* kMsgGo = "Go";

// The sound player's answer for a file that has finished playing.
inline constexpr const char* kSndStopped = "STOPPED";

// Strategy words of the computer.
inline constexpr const char* kGeneralAttack = "▲全般攻撃";
inline constexpr const char* kFocusLastAdj = "最後に見つけた▲に集中";
inline constexpr const char* kSporadic = "散発";
inline constexpr const char* kForcedSporadic = "強制散発";

}  // namespace orv::text
