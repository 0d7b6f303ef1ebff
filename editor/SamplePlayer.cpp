#include "editor/SamplePlayer.h"

namespace {

// Stands in until the platform's wave player is wired here: plays nothing.
void playThroughPlatform(const std::string&) {}

SamplePlayer& installed()
{
    static SamplePlayer player;
    return player;
}

} // namespace

const SamplePlayer& samplePlayer()
{
    static const SamplePlayer platformPlayer = playThroughPlatform;
    return installed() ? installed() : platformPlayer;
}

void setSamplePlayer(SamplePlayer player)
{
    installed() = std::move(player);
}
