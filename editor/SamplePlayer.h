// Plays an alarm sample to its end. The program plays through the platform's wave player;
// tests install a recorder.
#pragma once

#include <functional>
#include <string>

using SamplePlayer = std::function<void(const std::string& path)>;

const SamplePlayer& samplePlayer();
void setSamplePlayer(SamplePlayer player); // an empty player restores the platform's
