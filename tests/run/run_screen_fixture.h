#pragma once

#include "app/global_state.h"
#include "app/language.h"
#include "app/options.h"
#include "run/run_parameters.h"
#include "ui/daten.h"

#include <QDir>

#include <memory>

#include <gtest/gtest.h>

// The process-wide state the run and instruction screens read, set for one test and put
// back afterwards, and the generated pictures of the display width's class.
class ScreenEnvironment {
public:
    ScreenEnvironment(int width, int height, int language)
        : m_global(globalState()), m_language(languageState()), m_options(optionsRecord()),
          m_parameters(runParameters()) {
        GlobalState& g = globalState();
        g.displayWidth = width;
        g.displayHeight = height;
        g.displayLeft = 0;
        g.displayTop = 0;
        g.hostWindow = -1;
        languageState().language = language;
        SetLanguageTexts(language, languageState().textTable);
        daten = std::make_unique<TDaten>();
        loaded = daten->LoadPictureLists(ProgramFolder(), width, language);
    }
    ~ScreenEnvironment() {
        daten.reset();
        globalState() = m_global;
        languageState() = m_language;
        optionsRecord() = m_options;
        runParameters() = m_parameters;
    }
    ScreenEnvironment(const ScreenEnvironment&) = delete;
    ScreenEnvironment& operator=(const ScreenEnvironment&) = delete;

    // The folder that holds the build's DATA folder, ending in the separator.
    static QString ProgramFolder() {
        return QDir::cleanPath(QDir(VELMORA_BUILD_DATA).absoluteFilePath("..")) + QDir::separator();
    }

    std::unique_ptr<TDaten> daten;
    bool loaded = false;

private:
    GlobalState m_global;
    LanguageState m_language;
    OptionsRecord m_options;
    RunParameters m_parameters;
};
