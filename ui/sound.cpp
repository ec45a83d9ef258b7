#include "ui/sound.h"

#include "ui/wave.h"

#include <SDL.h>

SdlSound::SdlSound() = default;

SdlSound::~SdlSound() {
    if (m_device != 0) {
        SDL_CloseAudioDevice(m_device);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

void SdlSound::open() {
    m_tried = true;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return;
    SDL_AudioSpec want{};
    want.freq = WaveFalschRate;
    want.format = AUDIO_S16LSB;
    want.channels = 1;
    want.samples = 1024;
    m_device = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (m_device == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    SDL_PauseAudioDevice(m_device, 0);
}

void SdlSound::playWrong() {
    if (!m_tried)
        open();
    if (m_device == 0)
        return; // no wave output: silence, no message
    static const QByteArray pcm = WaveFalschPcm();
    // A new tone replaces one still playing rather than queueing behind it.
    SDL_ClearQueuedAudio(m_device);
    SDL_QueueAudio(m_device, pcm.constData(), static_cast<Uint32>(pcm.size()));
}
