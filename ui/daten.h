#pragma once

#include <QList>
#include <QPixmap>
#include <QString>

class Sound;

// The resource holder: the run and frame picture lists of the resolution class
// and language, the built-in button faces, and the wrong-answer sound.
class TDaten {
public:
    TDaten();
    ~TDaten();
    TDaten(const TDaten&) = delete;
    TDaten& operator=(const TDaten&) = delete;

    // Loads haupt/scheme (or ehaupt/escheme) for the class chosen by displayWidth.
    // Returns false and leaves the failure text for the language in *message.
    bool LoadPictureLists(const QString& programFolder, int displayWidth, int language,
                          QString* message = nullptr);

    // A null pixmap for an index the list does not hold.
    QPixmap haupt(int index) const;
    QPixmap scheme(int index) const;
    QPixmap button(int index) const;
    QSize hauptSize(int index) const { return haupt(index).size(); }
    QSize schemeSize(int index) const { return scheme(index).size(); }

    int hauptCount() const { return m_haupt.size(); }
    int schemeCount() const { return m_scheme.size(); }

    // Plays the wrong-answer tone asynchronously; silent without wave output.
    void PlayWaveFalsch();
    void setSound(Sound* sound); // tests put a recording sound here

    QList<QPixmap> HauptBMListe() const { return m_haupt; }
    QList<QPixmap> SchemeBMPliste() const { return m_scheme; }
    QList<QPixmap> ButtonList() const { return m_buttons; }

private:
    QList<QPixmap> m_haupt, m_scheme, m_buttons;
    Sound* m_sound = nullptr;
    Sound* m_ownSound = nullptr;
};

// The program's resource holder: the first one created (main() owns it; a test may
// create its own). Only valid while it lives.
TDaten& daten();
// Class folder name for a display width: "640", "800" or "1024".
QString ClassFolder(int displayWidth);
