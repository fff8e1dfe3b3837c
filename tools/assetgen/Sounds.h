#pragma once
// The game's sound effects and its two music loops, synthesised from simple
// waveforms so every build makes the same files without recordings.
#include <QString>

#include <vector>

namespace orv::assetgen {

// Samples (mono, kSampleRate, -1..1) of the sound the game knows by this file
// name, e.g. "ハズレ.WAV" or "MainBGM.wav"; a short chime for an unknown name.
std::vector<float> SynthesiseSound(const QString& fileName);

}  // namespace orv::assetgen
