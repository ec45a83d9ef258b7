#include "ui/daten.h"

#include "app/global_state.h"
#include "app/language.h"
#include "ui/picture_list.h"
#include "ui/sound.h"

#include <QDir>

static void initFaces() {
    Q_INIT_RESOURCE(faces);
}

static TDaten* g_current = nullptr;

TDaten::TDaten() {
    initFaces();
    if (!g_current)
        g_current = this;
    for (int i = 0; i < 9; ++i)
        m_buttons.append(QPixmap(QStringLiteral(":/button%1.bmp").arg(i)));
}

TDaten::~TDaten() {
    delete m_ownSound;
    if (g_current == this)
        g_current = nullptr;
}

QString ClassFolder(int displayWidth) {
    return QString::number(ResolutionClassFor(displayWidth));
}

static bool loadList(const QString& path, QList<QPixmap>& list) {
    QList<QByteArray> bitmaps;
    if (!ReadPictureListFile(path, bitmaps))
        return false;
    QList<QPixmap> pictures;
    pictures.reserve(bitmaps.size());
    for (const QByteArray& bmp : bitmaps) {
        QPixmap pixmap;
        if (!bmp.isEmpty() && !pixmap.loadFromData(bmp, "BMP"))
            return false;
        pictures.append(pixmap);
    }
    list = pictures;
    return true;
}

bool TDaten::LoadPictureLists(const QString& programFolder, int displayWidth, int language,
                              QString* message) {
    const QString folder = programFolder + QStringLiteral("DATA") + QDir::separator() +
                           ClassFolder(displayWidth) + QDir::separator();
    QString first, second;
    if (language == German) {
        first = QStringLiteral("haupt.bml");
        second = QStringLiteral("scheme.bml");
    } else if (language == English) {
        first = QStringLiteral("ehaupt.bml");
        second = QStringLiteral("escheme.bml");
    } else {
        return true; // no language, nothing is read
    }
    // The second file is not tried after the first failed.
    if (loadList(folder + first, m_haupt) && loadList(folder + second, m_scheme))
        return true;
    if (message)
        *message = ByLanguage(language, QStringLiteral("Fehler beim Einlesen der Grafiken bzw. Sounds."),
                              QStringLiteral("Error reading graphic and/or sound files."));
    return false;
}

static QPixmap at(const QList<QPixmap>& list, int index) {
    return index >= 0 && index < list.size() ? list.at(index) : QPixmap();
}

QPixmap TDaten::haupt(int index) const {
    return at(m_haupt, index);
}
QPixmap TDaten::scheme(int index) const {
    return at(m_scheme, index);
}
QPixmap TDaten::button(int index) const {
    return at(m_buttons, index);
}

void TDaten::setSound(Sound* sound) {
    m_sound = sound;
}

void TDaten::PlayWaveFalsch() {
    if (!m_sound) {
        m_ownSound = new SdlSound;
        m_sound = m_ownSound;
    }
    m_sound->playWrong();
}

TDaten& daten() {
    Q_ASSERT(g_current);
    return *g_current;
}
