#include "app/haupt.h"

#include "app/global_state.h"
#include "app/host_window.h"
#include "app/language.h"
#include "app/main_texts.h"
#include "app/optionen_dialog.h"
#include "app/options.h"
#include "results/einzelstatistik_dialog.h"
#include "results/gesamtstatistik_dialog.h"
#include "results/statistics.h"
#include "results/store_run_results.h"
#include "run/beschreibung_dialog.h"
#include "run/catalogue.h"
#include "run/durchgang_dialog.h"
#include "run/joystick_sdl.h"
#include "run/parameter_dialog.h"
#include "run/run_parameters.h"
#include "ui/daten.h"
#include "ui/hilfe_dialog.h"
#include "ui/host_owner.h"
#include "ui/meldung_dialog.h"
#include "ui/picture_button.h"
#include "ui/tiling.h"
#include "users/current_user.h"
#include "users/login.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QScopeGuard>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QWindow>

MainBackPanel::MainBackPanel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MainBackPanel::setBackground(const QPixmap& picture) {
    m_background = picture;
    update();
}

void MainBackPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(39, 39, 39));
    if (!m_background.isNull())
        p.drawTiledPixmap(rect(), m_background);
}

static QString optionsPath() {
    return globalState().userDataFolder + QStringLiteral("optionen.cfg");
}

THaupt::THaupt(const QStringList& arguments, QWidget* parent) : QWidget(parent, Qt::FramelessWindowHint) {
    GlobalState& g = globalState();
    setWindowTitle(QStringLiteral("Velmora"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setFocusPolicy(Qt::StrongFocus);

    // Deactivation may mean that another program took the display away.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationInactive)
            DisplayInterruptedCheck();
    });

    m_commandLine = ParseCommandLine(arguments);
    g.hostWindow = HostWindowFrom(arguments);
    QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->size() : QSize(1024, 768);
    g.colourDepth = screen ? screen->depth() : 24;
    g.fullScreenSwitch = FullScreenSwitchFor(m_commandLine, screenSize, g.colourDepth);

    g.programFolder = TrailingSeparator(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
    g.dataFolder = g.programFolder + QStringLiteral("DATA") + QDir::separator();
    LanguageState& lang = languageState();
    lang.language = LoadLanguage(g.dataFolder + QStringLiteral("sprache.dat"), lang.language);
    SetLanguageTexts(lang.language, lang.textTable);

    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    g.userDataFolder = UserDataFolderFor(documents, g.programFolder);
    if (!TrailingSeparator(documents).isEmpty())
        QDir().mkpath(g.userDataFolder); // a failure shows up later, when something is written

    // Nobody is logged in at start: the current user starts empty.

    bool clamped = false;
    const QSize area = DisplayAreaFor(m_commandLine, screenSize, g.fullScreenSwitch, &clamped);
    g.displayWidth = area.width();
    g.displayHeight = area.height();
    if (clamped)
        QMessageBox::information(nullptr, QStringLiteral("Velmora"), DebugSizeMessage());

    optionsRecord() = LoadOptionen(optionsPath());

    backpanel = new MainBackPanel(this);
    auto makeButton = [this](const QColor& textColor) {
        auto* b = new PictureButton(backpanel);
        b->setTextColor(textColor);
        return b;
    };
    Benutzerbutton = makeButton(QColor(196, 253, 228));
    Einstellungenbutton = makeButton(QColor(210, 220, 240));
    Einzelstatistikbutton = makeButton(QColor(210, 220, 240));
    Gesamtstatistikbutton = makeButton(QColor(210, 220, 240));
    Hilfebutton = makeButton(QColor(210, 220, 240));
    Exitbutton = makeButton(QColor(210, 220, 240));
    Tor1 = makeButton(Qt::white);
    Tor2 = makeButton(Qt::white);
    Logo1 = new QLabel(backpanel);

    connect(Benutzerbutton, &QAbstractButton::clicked, this, &THaupt::BenutzerbuttonClick);
    connect(Einstellungenbutton, &QAbstractButton::clicked, this, &THaupt::EinstellungenbuttonClick);
    connect(Einzelstatistikbutton, &QAbstractButton::clicked, this, &THaupt::EinzelstatistikbuttonClick);
    connect(Gesamtstatistikbutton, &QAbstractButton::clicked, this, &THaupt::GesamtstatistikbuttonClick);
    connect(Hilfebutton, &QAbstractButton::clicked, this, &THaupt::HilfebuttonClick);
    connect(Exitbutton, &QAbstractButton::clicked, this, &THaupt::ExitbuttonClick);
    connect(Tor1, &QAbstractButton::clicked, this, &THaupt::Tor1Click);
    connect(Tor2, &QAbstractButton::clicked, this, &THaupt::Tor2Click);
    ApplyHostOwner(this);
}

QPixmap THaupt::scheme(int index) const {
    return m_daten ? m_daten->scheme(index) : QPixmap();
}

void THaupt::setResources(TDaten* daten) {
    m_daten = daten;
    backpanel->setBackground(scheme(15));
    Benutzerbutton->setFaces(scheme(2), scheme(1), scheme(0));
    for (PictureButton* b :
         {Einstellungenbutton, Einzelstatistikbutton, Gesamtstatistikbutton, Hilfebutton, Exitbutton})
        b->setFaces(scheme(5), scheme(4), scheme(3));
    Tor1->setFaces(scheme(17), scheme(17), scheme(16));
    Tor2->setFaces(scheme(23), scheme(23), scheme(22));
    Logo1->setPixmap(scheme(11));
}

void THaupt::ApplyMainTexts() {
    LanguageState& lang = languageState();
    SetLanguageTexts(lang.language, lang.textTable);
    if (lang.language != German && lang.language != English)
        return;
    Benutzerbutton->setText(MainCaption(MainText::Benutzerbutton, lang.language));
    Einstellungenbutton->setText(MainCaption(MainText::Einstellungenbutton, lang.language));
    Einzelstatistikbutton->setText(MainCaption(MainText::Einzelstatistikbutton, lang.language));
    Gesamtstatistikbutton->setText(MainCaption(MainText::Gesamtstatistikbutton, lang.language));
    Hilfebutton->setText(MainCaption(MainText::Hilfebutton, lang.language));
    Exitbutton->setText(MainCaption(MainText::Exitbutton, lang.language));
}

void THaupt::LayoutMainScreen() {
    const GlobalState& g = globalState();
    MainPictureSizes s;
    s.textButton = scheme(0).size();
    s.leftEdge = scheme(6).size();
    s.topEdge = scheme(8).size();
    s.logo = scheme(11).size();
    s.rightEdge = scheme(12).size();
    s.bottomEdge = scheme(13).size();
    s.familyButton = scheme(16).size();
    m_layout = ::LayoutMainScreen(s, g.displayWidth, g.displayHeight);

    if (!m_fullScreen)
        setGeometry(m_layout.window);
    const QPoint origin(g.displayLeft, g.displayTop);
    backpanel->setGeometry(m_layout.backpanel.translated(origin));
    Logo1->setGeometry(m_layout.logo);
    Tor1->setGeometry(m_layout.tor1);
    Tor2->setGeometry(m_layout.tor2);
    Benutzerbutton->setGeometry(m_layout.benutzer);
    Einstellungenbutton->setGeometry(m_layout.einstellungen);
    Einzelstatistikbutton->setGeometry(m_layout.einzelstatistik);
    Gesamtstatistikbutton->setGeometry(m_layout.gesamtstatistik);
    Hilfebutton->setGeometry(m_layout.hilfe);
    Exitbutton->setGeometry(m_layout.exit);

    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSize(m_layout.fontPoints);
    backpanel->setFont(font);
    for (PictureButton* b : {Benutzerbutton, Einstellungenbutton, Einzelstatistikbutton,
                             Gesamtstatistikbutton, Hilfebutton, Exitbutton})
        b->setFont(font);
}

void THaupt::ShowMainButtons(bool visible) {
    for (PictureButton* b : {Benutzerbutton, Einzelstatistikbutton, Gesamtstatistikbutton, Hilfebutton,
                             Einstellungenbutton, Exitbutton, Tor1, Tor2})
        b->setVisible(visible);
}

void THaupt::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    const GlobalState& g = globalState();
    p.translate(g.displayLeft, g.displayTop);
    const int cw = g.displayWidth, ch = g.displayHeight;
    const QPixmap top = scheme(8), bottom = scheme(13), left = scheme(6), right = scheme(12);
    for (const Tile& t : TileEdge(0, cw, top.width()))
        p.drawPixmap(t.pos, 0, top, 0, 0, t.length, top.height());
    for (const Tile& t : TileEdge(0, cw, bottom.width()))
        p.drawPixmap(t.pos, ch - bottom.height(), bottom, 0, 0, t.length, bottom.height());
    for (const Tile& t : TileEdge(0, ch, left.height()))
        p.drawPixmap(0, t.pos, left, 0, 0, left.width(), t.length);
    for (const Tile& t : TileEdge(0, ch, right.height()))
        p.drawPixmap(cw - right.width(), t.pos, right, 0, 0, right.width(), t.length);
    const QPixmap tl = scheme(9), tr = scheme(10), bl = scheme(14), br = scheme(7);
    p.drawPixmap(0, 0, tl);
    p.drawPixmap(cw - tr.width(), 0, tr);
    p.drawPixmap(0, ch - bl.height(), bl);
    p.drawPixmap(cw - br.width(), ch - br.height(), br);
    if (!m_painted) {
        m_painted = true;
        emit firstPainted();
    }
}

void THaupt::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    FormShow();
}

void THaupt::FormShow() {
    GlobalState& g = globalState();
    ApplyMainTexts();
    if (QScreen* screen = this->screen())
        g.colourDepth = screen->depth();
    const QString warning = DisplayWarningText(g.colourDepth, languageState().language);
    if (!warning.isEmpty())
        QMessageBox::information(this, QStringLiteral("Velmora"), QString(warning).replace('\r', '\n'));
    // No taskbar change here: the tool-window style exists only on Windows.
    CaptureJoystick(); // sets joystickPresent; the rest position is read once here
    EnterDisplayMode();
    LayoutMainScreen();
    activateWindow();
    setFocus();
}

void THaupt::EnterDisplayMode() {
    GlobalState& g = globalState();
    if (!g.fullScreenSwitch)
        return;
    // No display mode switch here: a borderless window over the whole screen with the
    // display area in its middle.
    QScreen* screen = this->screen();
    if (!screen)
        return;
    const QRect sg = screen->geometry();
    g.displayLeft = qMax(0, (sg.width() - g.displayWidth) / 2);
    g.displayTop = qMax(0, (sg.height() - g.displayHeight) / 2);
    m_fullScreen = true;
    setGeometry(sg); // without a window manager full-screen alone keeps the old size
    showFullScreen();
}

void THaupt::DisplayInterruptedCheck() {
    if (!(windowState() & Qt::WindowMinimized) || !m_fullScreen)
        return;
    QMessageBox::information(nullptr, QStringLiteral("Information"),
                             DisplayInterruptedMessage().replace('\r', '\n'));
    close();
}

void THaupt::BringToFront() {
    if (windowState() & Qt::WindowMinimized)
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void THaupt::closeEvent(QCloseEvent* event) {
    SaveOptionen(optionsRecord(), optionsPath()); // a failure is silent: the change is lost
    event->accept();
    // A window with an owner never counts as the last one closed: end the program here.
    if (windowHandle() && windowHandle()->transientParent())
        QCoreApplication::exit(0);
}

void THaupt::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        ExitbuttonClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

void THaupt::ExitbuttonClick() {
    close();
}

void THaupt::BenutzerbuttonClick() {
    ::BenutzerbuttonClick();
}

static void StoreHeldRun() {
    StoreRunUi ui;
    ui.chooseUser = [] { return ChooseUser(); };
    ui.message = [](const QString& text, const QString& caption, int lines, bool yesNo) {
        return Meldungsfenster(text, caption, quint8(lines), true, yesNo);
    };
    StoreRunResults(resultsState(), currentUser(), languageState().language, ui);
}

void THaupt::EinzelstatistikbuttonClick() {
    const int language = languageState().language;
    if (runRecord().roundCount < 1) {
        const QString text = ByLanguage(
            language, QStringLiteral("Der aktuelle Benutzer hat noch keinen Durchgang absolviert."),
            QStringLiteral("The registered user has not yet passed a round."));
        if (!text.isEmpty())
            Meldungsfenster(text, ByLanguage(language, QStringLiteral("Hinweis"), QStringLiteral("Info")), 4,
                            true, false);
        return;
    }
    einzelstatistikDialog().exec();
    StoreHeldRun();
}

void THaupt::AfterRun() {
    ComputeStatistics(runRecord());
    einzelstatistikDialog().exec();
    StoreHeldRun();
}

void THaupt::StartSequence(int family) {
    ShowMainButtons(false);
    // The buttons come back whatever happens below, an escaping exception included.
    const auto restore = qScopeGuard([this] { ShowMainButtons(true); });
    TParameterDialog& parameters = parameterDialog();
    if (parameters.exec() != 1)
        return;
    RunParameters& run = runParameters();
    parameters.FillRunParameters(run, family);
    {
        TBeschreibungDialog instruction(this);
        if (instruction.exec() != 1)
            return;
    }
    int result = 2;
    {
        TDurchgangDialog screen(this);
        screen.SpielartLabel->setText(LabelWord(languageState().textTable, run.family, run.version));
        result = screen.exec();
    }
    if (result != 2)
        AfterRun();
}

void THaupt::Tor1Click() {
    StartSequence(1);
}
void THaupt::Tor2Click() {
    StartSequence(2);
}

// Wired by the screens they open as those are built.
void THaupt::EinstellungenbuttonClick() {
    optionenDialog().EditOptions(optionsRecord(), globalState().joystickPresent);
}
void THaupt::GesamtstatistikbuttonClick() { ::GesamtstatistikbuttonClick(); }
void THaupt::HilfebuttonClick() {
    hilfeDialog().exec();
}
