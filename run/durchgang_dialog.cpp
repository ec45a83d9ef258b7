#include "run/durchgang_dialog.h"

#include "app/global_state.h"
#include "run/frame_painter.h"
#include "run/joystick_sdl.h"
#include "run/run_parameters.h"
#include "ui/daten.h"
#include "ui/host_owner.h"
#include "ui/meldung_dialog.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

const QColor LabelWordColour(196, 253, 228);
const QColor TimeColour(255, 255, 0);
const QColor CountColour(0, 255, 255);
// Smallest label word size when the box beside the cross is narrow.
constexpr int MinLabelPointSize = 8;

void SetColours(QWidget* w, const QColor& text, const QColor& window, bool fill) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, text);
    pal.setColor(QPalette::Window, window);
    w->setPalette(pal);
    w->setAutoFillBackground(fill);
}

QLabel* MakeLabel(QWidget* parent, const QColor& colour, Qt::Alignment alignment, bool fill) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    SetColours(label, colour, Qt::black, fill);
    return label;
}

QFont ArialBold(int pointSize) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(pointSize);
    font.setBold(true);
    return font;
}

// X draws requests in its own time: one round trip returns only when the server has drawn
// everything sent before it. Without X (offscreen, other platforms) there is nothing to wait for.
void WaitUntilDrawn() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

} // namespace

// The production phase timer: DerTimer, one phase at a time.
class TDurchgangDialog::DerTimerAdapter final : public PhaseTimer {
public:
    explicit DerTimerAdapter(QTimer& timer) : m_timer(timer) {}
    void start(int intervalMs, int tag) override {
        m_tag = tag;
        m_timer.start(intervalMs);
    }
    void stop() override { m_timer.stop(); }
    int tag() const { return m_tag; }

private:
    QTimer& m_timer;
    int m_tag = 0;
};

RunCellWidget::RunCellWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent); // the picture covers the whole cell
    hide();
}

void RunCellWidget::setPicture(int index) {
    m_index = index;
    m_pixmap = index == NoPicture ? QPixmap() : daten().haupt(index);
    setVisible(index != NoPicture);
    update();
}

void RunCellWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (m_pixmap.size() != size())
        p.fillRect(rect(), Qt::black);
    p.drawPixmap(0, 0, m_pixmap);
}

RunBackPanel::RunBackPanel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void RunBackPanel::setBackground(const QPixmap& picture) {
    m_background = picture;
    update();
}

void RunBackPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.drawPixmap(0, 0, m_background);
}

TDurchgangDialog::TDurchgangDialog(QWidget* parent) : TDurchgangDialog(DurchgangSetup{}, parent) {}

TDurchgangDialog::TDurchgangDialog(const DurchgangSetup& setup, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("DurchgangDialog"));
    SetColours(this, Qt::white, Qt::black, true);
    setFocusPolicy(Qt::StrongFocus);

    backpanel = new RunBackPanel(this);
    const auto makeCell = [this](RunCell which, const char* name) {
        auto* cell = new RunCellWidget(backpanel);
        cell->setObjectName(QString::fromLatin1(name));
        m_cells[static_cast<size_t>(which)] = cell;
        return cell;
    };
    Oben = makeCell(RunCell::Oben, "Oben");
    Links = makeCell(RunCell::Links, "Links");
    Rechts = makeCell(RunCell::Rechts, "Rechts");
    Unten = makeCell(RunCell::Unten, "Unten");
    XOben = makeCell(RunCell::XOben, "XOben");
    XLinks = makeCell(RunCell::XLinks, "XLinks");
    XRechts = makeCell(RunCell::XRechts, "XRechts");
    XUnten = makeCell(RunCell::XUnten, "XUnten");
    Mitte = makeCell(RunCell::Mitte, "Mitte");

    SpielartLabel = MakeLabel(this, LabelWordColour, Qt::AlignRight | Qt::AlignVCenter, false);
    SpielartLabel->setObjectName(QStringLiteral("SpielartLabel"));
    Zeitlabel = MakeLabel(this, TimeColour, Qt::AlignRight | Qt::AlignVCenter, true);
    Zeitlabel->setObjectName(QStringLiteral("Zeitlabel"));
    Countlabel = MakeLabel(this, CountColour, Qt::AlignLeft | Qt::AlignVCenter, true);
    Countlabel->setObjectName(QStringLiteral("Countlabel"));

    const auto makeBar = [this](const char* name) {
        auto* bar = new QWidget(this);
        bar->setObjectName(QString::fromLatin1(name));
        SetColours(bar, Qt::red, Qt::red, true);
        bar->hide();
        return bar;
    };
    oklabel1 = makeBar("oklabel1");
    OKLabel2 = makeBar("OKLabel2");
    OKlabel3 = makeBar("OKlabel3");
    oklabel4 = makeBar("oklabel4");

    DerTimer.setSingleShot(true);
    DerTimer.setTimerType(Qt::PreciseTimer);
    connect(&DerTimer, &QTimer::timeout, this, &TDurchgangDialog::DerTimerTimer);
    PhaseTimer* timer = setup.timer;
    if (!timer) {
        m_ownTimer = std::make_unique<DerTimerAdapter>(DerTimer);
        timer = m_ownTimer.get();
    }
    LanguageState& language = languageState();
    m_engine = std::make_unique<RunEngine>(
        setup.parameters ? *setup.parameters : runParameters(),
        setup.language ? setup.language : language.language, setup.texts ? *setup.texts : language.textTable,
        setup.results ? *setup.results : resultsState(), setup.clock ? *setup.clock : m_steadyClock,
        setup.wallClock ? *setup.wallClock : m_systemWallClock, *timer,
        setup.random ? *setup.random : randomSource(), *this);

    ApplyHostOwner(this);
}

TDurchgangDialog::~TDurchgangDialog() {
    DerTimer.stop();
    hidePointer(false);
    if (m_polling)
        JoystickInput::instance().screenHidden();
}

void TDurchgangDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_polling) {
        m_polling = true;
        JoystickInput::instance().screenShown();
    }
    if (m_started)
        return;
    m_started = true;
    FormShow();
}

void TDurchgangDialog::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    hidePointer(false);
    if (m_polling) {
        m_polling = false;
        JoystickInput::instance().screenHidden();
    }
}

void TDurchgangDialog::FormShow() {
    LayoutRunScreen();
    hidePointer(true);
    activateWindow();
    setFocus();
    m_engine->start();
}

void TDurchgangDialog::LayoutRunScreen() {
    const GlobalState& g = globalState();
    const TDaten& d = daten();
    setGeometry(g.displayLeft, g.displayTop, g.displayWidth, g.displayHeight);
    m_layout = ComputeRunScreenLayout(g.displayWidth, QSize(g.displayWidth, g.displayHeight),
                                      d.hauptSize(BackgroundPicture), d.hauptSize(1), SchemePieceSizesOf(d));
    backpanel->setGeometry(m_layout.backPanel);
    backpanel->setBackground(d.haupt(BackgroundPicture));
    for (int i = 0; i < RunCellCount; ++i)
        m_cells[static_cast<size_t>(i)]->setGeometry(m_layout.cells[static_cast<size_t>(i)]);

    const std::array<QWidget*, 4> bars{oklabel1, OKLabel2, OKlabel3, oklabel4};
    for (size_t i = 0; i < bars.size(); ++i)
        bars[i]->setGeometry(m_layout.bars[i]);

    // The caption is set before showing; a word too wide for the box gets a smaller size.
    const QString word = SpielartLabel->text();
    const int size =
        FittingPointSize(m_layout.spielartPointSize, MinLabelPointSize, m_layout.spielartLabel.width(),
                         [&word](int pt) { return QFontMetrics(ArialBold(pt)).horizontalAdvance(word); });
    SpielartLabel->setFont(ArialBold(size));
    SpielartLabel->setGeometry(m_layout.spielartLabel);

    Zeitlabel->setFont(ArialBold(m_layout.counterPointSize));
    Zeitlabel->setGeometry(m_layout.zeitLabel);
    Countlabel->setFont(ArialBold(m_layout.counterPointSize));
    Countlabel->setGeometry(m_layout.countLabel);
}

void TDurchgangDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    PaintSchemeFrame(p, width(), height(), true);
}

void TDurchgangDialog::DerTimerTimer() {
    if (m_ownTimer)
        m_engine->onTimer(m_ownTimer->tag());
}

void TDurchgangDialog::keyPressEvent(QKeyEvent* event) {
    const int code = VirtualKeyCode(event->key());
    if (code == KeyEscape)
        m_engine->escape();
    // Auto-repeated presses go on too: the run's held-direction rule keeps them from answering.
    handleDirection(code);
    event->accept();
}

void TDurchgangDialog::keyReleaseEvent(QKeyEvent* event) {
    // An auto-repeat release is not the key going up.
    if (!event->isAutoRepeat())
        releaseDirection();
    event->accept();
}

void TDurchgangDialog::handleDirection(int key) {
    m_engine->handleDirection(key);
}

void TDurchgangDialog::releaseDirection() {
    m_engine->releaseDirection();
}

void TDurchgangDialog::reject() {
    m_engine->escape();
}

void TDurchgangDialog::setTargetPicture(int position, int picture) {
    cell(TargetCell(position))->setPicture(picture);
}

void TDurchgangDialog::setStimulusPicture(int picture) {
    Mitte->setPicture(picture);
}

void TDurchgangDialog::setMovedPicture(int position, int picture) {
    cell(MovedCell(position))->setPicture(picture);
}

void TDurchgangDialog::setCountLabel(const QString& text) {
    Countlabel->setText(text);
}

void TDurchgangDialog::setTimeLabel(const QString& text) {
    Zeitlabel->setText(text);
}

void TDurchgangDialog::setRedBars(bool visible) {
    for (QWidget* bar : {oklabel1, OKLabel2, OKlabel3, oklabel4})
        bar->setVisible(visible);
}

void TDurchgangDialog::playWrongSound() {
    daten().PlayWaveFalsch();
}

void TDurchgangDialog::showMessage(const QString& text, const QString& caption, int lines) {
    Meldungsfenster(text, caption, static_cast<quint8>(lines), true, false);
}

void TDurchgangDialog::flush() {
    // Synchronous: the cross is painted and drawn by the window system before the
    // stopwatch starts.
    if (!isVisible())
        return;
    backpanel->repaint();
    WaitUntilDrawn();
}

void TDurchgangDialog::close(int result) {
    DerTimer.stop();
    done(result);
}

void TDurchgangDialog::hidePointer(bool hidden) {
    if (hidden == m_pointerHidden)
        return;
    m_pointerHidden = hidden;
    if (hidden)
        QGuiApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
    else
        QGuiApplication::restoreOverrideCursor();
}
