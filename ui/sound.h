#pragma once

// Plays the wrong-answer tone; the run engine's feedback goes through it.
class Sound {
public:
    virtual ~Sound() = default;
    virtual void playWrong() = 0;
};

// SDL audio: the device is opened once on first use; without a device it stays silent.
class SdlSound : public Sound {
public:
    SdlSound();
    ~SdlSound() override;
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;
    void playWrong() override;
    bool available() const { return m_device != 0; }

private:
    void open();
    unsigned m_device = 0;
    bool m_tried = false;
};
