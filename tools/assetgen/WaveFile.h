#pragma once
// PCM wave files for the sound player: RIFF/WAVE, 16-bit signed samples.
#include <QByteArray>

#include <vector>

namespace orv::assetgen {

inline constexpr int kSampleRate = 22050;

// Mono samples in -1..1 (clamped) as a complete .wav file at kSampleRate.
QByteArray EncodeWave(const std::vector<float>& samples);

// Reads back the header; false unless it is 16-bit PCM with whole samples.
bool CheckWaveHeader(const QByteArray& bytes);

}  // namespace orv::assetgen
