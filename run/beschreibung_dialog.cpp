#include "run/beschreibung_dialog.h"

#include "app/global_state.h"
#include "app/language.h"
#include "app/options.h"
#include "run/frame_painter.h"
#include "run/instruction_texts.h"
#include "run/joystick.h"
#include "run/joystick_sdl.h"
#include "run/run_interfaces.h"
#include "run/run_parameters.h"
#include "ui/daten.h"
#include "ui/host_owner.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace {

const QColor TextColour(196, 253, 228);

QLabel* MakeLabel(QWidget* parent, Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(alignment);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, TextColour);
    label->setPalette(pal);
    return label;
}

void SetArialBold(QLabel* label, int pointSize) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(pointSize);
    font.setBold(true);
    label->setFont(font);
}

} // namespace

TBeschreibungDialog::TBeschreibungDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("BeschreibungDialog"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);

    backpanel = new QWidget(this);
    backpanel->setObjectName(QStringLiteral("backpanel"));
    backpanel->setPalette(pal);
    backpanel->setAutoFillBackground(true);
    label1 = MakeLabel(backpanel, Qt::AlignCenter);
    label1->setObjectName(QStringLiteral("label1"));
    label2 = MakeLabel(backpanel, Qt::AlignHCenter | Qt::AlignBottom);
    label2->setObjectName(QStringLiteral("label2"));

    ApplyHostOwner(this);
}

TBeschreibungDialog::~TBeschreibungDialog() {
    hidePointer(false);
    if (m_polling)
        JoystickInput::instance().screenHidden();
}

void TBeschreibungDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
    if (!m_polling) {
        m_polling = true;
        JoystickInput::instance().screenShown();
    }
}

void TBeschreibungDialog::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    hidePointer(false);
    if (m_polling) {
        m_polling = false;
        JoystickInput::instance().screenHidden();
    }
}

void TBeschreibungDialog::FormShow() {
    hidePointer(true);
    const GlobalState& g = globalState();
    setGeometry(g.displayLeft, g.displayTop, g.displayWidth, g.displayHeight);
    m_layout = ComputeInstructionLayout(g.displayWidth, QSize(g.displayWidth, g.displayHeight),
                                        SchemePieceSizesOf(daten()));
    backpanel->setGeometry(m_layout.backPanel);
    label1->setGeometry(m_layout.label1);
    label2->setGeometry(m_layout.label2);
    SetArialBold(label1, m_layout.textPointSize);
    SetArialBold(label2, m_layout.promptPointSize);

    const int language = languageState().language;
    const RunParameters& run = runParameters();
    // Neither text is set for a language other than German or English.
    if (language == German || language == English) {
        label1->setText(WithLineBreaks(InstructionText(language, run.family, run.version)));
        label2->setText(StartPrompt(language, JoystickInUse(g.joystickPresent, optionsRecord().useJoystick)));
    }
    activateWindow();
    setFocus();
}

void TBeschreibungDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintSchemeFrame(p, width(), height(), false);
}

void TBeschreibungDialog::keyPressEvent(QKeyEvent* event) {
    const int code = VirtualKeyCode(event->key());
    event->accept();
    if (code == KeyEscape) {
        done(2);
        return;
    }
    StartKey(code);
}

void TBeschreibungDialog::StartKey(int key) {
    setFocus();
    if (key == KeySpace)
        done(1);
}

void TBeschreibungDialog::reject() {
    done(2);
}

void TBeschreibungDialog::hidePointer(bool hidden) {
    if (hidden == m_pointerHidden)
        return;
    m_pointerHidden = hidden;
    if (hidden)
        QGuiApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
    else
        QGuiApplication::restoreOverrideCursor();
}
