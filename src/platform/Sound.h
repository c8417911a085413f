#pragma once

#include <QString>

// The alarm sound: one sound file at a time, played once, asynchronously.
// A file that is missing or cannot be played is simply silent: nothing here
// reports an error.
class Sound
{
public:
    virtual ~Sound() = default;

    /// Takes the sound file to play; false when there is no such file.
    virtual bool load(const QString &path) = 0;
    /// True while a sound file is loaded and playable.
    virtual bool isLoaded() const = 0;
    /// Plays the loaded sound once from its beginning.
    virtual void play() = 0;
    /// Stops the sound if it is playing.
    virtual void stop() = 0;
};
