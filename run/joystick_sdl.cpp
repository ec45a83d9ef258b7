#include "run/joystick_sdl.h"

#include "app/global_state.h"
#include "app/options.h"
#include "run/beschreibung_dialog.h"
#include "run/durchgang_dialog.h"

#include <QApplication>

#include <SDL.h>

SdlJoystickSource::SdlJoystickSource(SDL_Joystick* joystick) : m_joystick(joystick) {}

SdlJoystickSource::~SdlJoystickSource() {
    if (m_joystick)
        SDL_JoystickClose(m_joystick);
}

bool SdlJoystickSource::read(JoystickSample& sample) {
    SDL_JoystickUpdate();
    if (!m_joystick || !SDL_JoystickGetAttached(m_joystick))
        return false;
    sample.x = SDL_JoystickGetAxis(m_joystick, 0);
    sample.y = SDL_JoystickGetAxis(m_joystick, 1);
    sample.button1 = SDL_JoystickGetButton(m_joystick, 0) != 0;
    return true;
}

static JoystickInput* g_input = nullptr;

JoystickInput& JoystickInput::instance() {
    if (!g_input)
        g_input = new JoystickInput; // owned by the application object
    return *g_input;
}

JoystickInput::JoystickInput() : QObject(QCoreApplication::instance()) {
    m_timer.setInterval(1);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &JoystickInput::pollOnce);
}

JoystickInput::~JoystickInput() {
    if (g_input == this)
        g_input = nullptr;
}

bool JoystickInput::capture(std::unique_ptr<JoystickSource> source) {
    release();
    if (!source)
        return false;
    auto poller = std::make_unique<JoystickPoller>(*source);
    if (!poller->captureCentre())
        return false;
    m_source = std::move(source);
    m_poller = std::move(poller);
    if (m_screens > 0)
        m_timer.start();
    return true;
}

void JoystickInput::release() {
    m_timer.stop();
    m_poller.reset();
    m_source.reset();
}

void JoystickInput::screenShown() {
    ++m_screens;
    if (m_poller && !m_timer.isActive())
        m_timer.start();
}

void JoystickInput::screenHidden() {
    if (m_screens > 0)
        --m_screens;
    if (m_screens == 0)
        m_timer.stop();
}

void JoystickInput::pollOnce() {
    if (m_poller)
        m_poller->poll(*this);
}

static bool InUse() {
    return JoystickInUse(globalState().joystickPresent, optionsRecord().useJoystick);
}

void JoystickInput::JoystickJoyMove(int x, int y) {
    if (!InUse())
        return;
    if (auto* run = qobject_cast<TDurchgangDialog*>(QApplication::activeWindow()))
        ForwardJoystickMove(x, y, *run);
}

void JoystickInput::JoystickButton1_Change(bool pressed) {
    if (!pressed || !InUse())
        return;
    if (auto* instruction = qobject_cast<TBeschreibungDialog*>(QApplication::activeWindow()))
        instruction->StartKey(KeySpace);
}

bool CaptureJoystick() {
    GlobalState& g = globalState();
    JoystickInput& input = JoystickInput::instance();
    if (input.captured())
        return g.joystickPresent = true;
    g.joystickPresent = false;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // SDL has no window of ours to watch for focus; the active screen decides instead.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0)
        return false;
    bool captured = false;
    if (SDL_Joystick* joystick = SDL_NumJoysticks() > 0 ? SDL_JoystickOpen(0) : nullptr) {
        // Without two axes there are no directions; a refused source closes the device itself.
        if (SDL_JoystickNumAxes(joystick) >= 2)
            captured = input.capture(std::make_unique<SdlJoystickSource>(joystick));
        else
            SDL_JoystickClose(joystick);
    }
    if (!captured)
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    g.joystickPresent = captured;
    return captured;
}

void ReleaseJoystick() {
    JoystickInput& input = JoystickInput::instance();
    if (!input.captured())
        return;
    input.release();
    globalState().joystickPresent = false;
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}
