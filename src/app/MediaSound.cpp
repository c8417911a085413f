#include "app/QtPlatform.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

struct MediaSound::Player
{
    QMediaPlayer player;
    QAudioOutput output;

    Player() { player.setAudioOutput(&output); }
};

MediaSound::MediaSound() = default;
MediaSound::~MediaSound() = default;

bool MediaSound::load(const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        if (m_player)
            m_player->player.setSource({});
        return false;
    }
    if (!m_player)
        m_player = std::make_unique<Player>();
    // The media back end reads the file on its own thread: a file that turns
    // out not to be a sound ends as InvalidMedia and plays nothing.
    m_player->player.setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    return true;
}

bool MediaSound::isLoaded() const
{
    return m_player && !m_player->player.source().isEmpty()
        && m_player->player.mediaStatus() != QMediaPlayer::InvalidMedia;
}

void MediaSound::play()
{
    if (!isLoaded())
        return;
    m_player->player.setPosition(0);
    m_player->player.play();
}

void MediaSound::stop()
{
    if (m_player)
        m_player->player.stop();
}
