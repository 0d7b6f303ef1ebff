#include "editor/SamplePlayer.h"

#include "platform/wave_player.h"

namespace {

// Without a sound device the platform's player returns at once; the chooser has nothing to
// report either way, so the result is not looked at.
void playThroughPlatform(const std::string& path)
{
    play_wave_file(path.c_str());
}

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
