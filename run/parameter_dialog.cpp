#include "run/parameter_dialog.h"

#include "app/language.h"
#include "ui/meldung_dialog.h"
#include "ui/picture_button.h"

#include <QApplication>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QWheelEvent>

#include <algorithm>

static const QColor PanelColour(82, 190, 160);
static const QColor FieldColour(215, 250, 240);
static const QColor LabelColour(64, 128, 128);
static const QColor SteelBlue(88, 130, 173);

// ---- SpinButton ----------------------------------------------------------------------

SpinButton::SpinButton(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus); // the focus stays where the dialog put it
    setCursor(Qt::PointingHandCursor);
}

void SpinButton::setRange(int minimum, int maximum) {
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    setValue(m_value);
}

void SpinButton::setValue(int value) {
    value = std::clamp(value, m_minimum, m_maximum);
    if (value == m_value)
        return;
    m_value = value;
    emit valueChanged(m_value);
}

void SpinButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int half = height() / 2;
    const QRect halves[2] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    for (int i = 0; i < 2; ++i) {
        const bool pressed = m_pressed == (i == 0 ? 1 : -1);
        const QRect r = halves[i].adjusted(0, i == 0 ? 0 : 1, 0, i == 0 ? -1 : 0);
        p.fillRect(r, pressed ? SteelBlue.darker(140) : SteelBlue);
        const bool atLimit = i == 0 ? m_value >= m_maximum : m_value <= m_minimum;
        p.setPen(Qt::NoPen);
        p.setBrush(atLimit ? FieldColour.darker(130) : FieldColour);
        const QPointF c = QRectF(r).center();
        const qreal w = 4.5, h = 2.5, d = i == 0 ? -1 : 1;
        const QPointF arrow[3] = {
            {c.x() - w, c.y() - d * h}, {c.x() + w, c.y() - d * h}, {c.x(), c.y() + d * h}};
        p.drawPolygon(arrow, 3);
    }
}

void SpinButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_pressed = event->position().y() < height() / 2 ? 1 : -1;
    if (m_pressed > 0)
        stepUp();
    else
        stepDown();
    update();
}

void SpinButton::mouseReleaseEvent(QMouseEvent* event) {
    m_pressed = 0;
    update();
    QWidget::mouseReleaseEvent(event);
}

void SpinButton::wheelEvent(QWheelEvent* event) {
    if (event->angleDelta().y() > 0)
        stepUp();
    else if (event->angleDelta().y() < 0)
        stepDown();
    update();
    event->accept();
}

// ---- TParameterDialog ----------------------------------------------------------------

static TParameterDialog* g_instance = nullptr;

// Layout of the content panel: five pale fields above the two buttons.
static constexpr int PppWidth = 408, PppHeight = 353;
static constexpr int FieldX = 8, FieldWidth = 392, FieldRowHeight = 40;
static constexpr int LabelX = 12, ControlX = 174, SecondColumnX = 280;

static QWidget* AddField(QWidget* parent, int y, int height) {
    auto* field = new QWidget(parent);
    field->setGeometry(FieldX, y, FieldWidth, height);
    field->setAutoFillBackground(true);
    QPalette pal = field->palette();
    pal.setColor(QPalette::Window, FieldColour);
    field->setPalette(pal);
    return field;
}

QLabel* TParameterDialog::AddLabel(QWidget* field, int x, int y, int width) {
    auto* label = new QLabel(field);
    label->setGeometry(x, y, width, 24);
    label->setFont(ArialPixels(16, true));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, LabelColour);
    label->setPalette(pal);
    return label;
}

QRadioButton* TParameterDialog::AddRadio(QWidget* field, QButtonGroup* group, int x, int y) {
    auto* radio = new QRadioButton(field);
    radio->setGeometry(x, y, (x < SecondColumnX ? SecondColumnX : FieldWidth) - x - 4, 24);
    radio->setFont(ArialPixels(16, true));
    QPalette pal = radio->palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    pal.setColor(QPalette::Window, FieldColour);
    radio->setPalette(pal);
    group->addButton(radio);
    return radio;
}

QLineEdit* TParameterDialog::AddNumberEdit(QWidget* field, int x, int y, const NumberField& limits) {
    auto* edit = new QLineEdit(field);
    edit->setGeometry(x, y, 58, 26);
    edit->setFont(ArialPixels(16, true));
    edit->setMaxLength(limits.maxLength);
    edit->setAlignment(Qt::AlignCenter);
    edit->setText(QString::number(limits.defaultValue));
    QPalette pal = edit->palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    edit->setPalette(pal);
    return edit;
}

SpinButton* TParameterDialog::AddSpinButton(QWidget* field, QLineEdit* edit, const NumberField& limits) {
    auto* spin = new SpinButton(field);
    spin->setGeometry(edit->x() + edit->width() + 2, edit->y(), 17, edit->height());
    spin->setRange(limits.minimum, limits.maximum);
    spin->setSingleStep(limits.step);
    spin->setValue(limits.defaultValue);
    // Typing moves the spin button along (without rewriting the text), so an arrow steps
    // from what the user sees rather than from the value of the last showing.
    connect(edit, &QLineEdit::textEdited, spin, [spin, limits](const QString& text) {
        const QSignalBlocker block(spin);
        spin->setValue(ReadNumberEdit(text, limits));
        spin->update();
    });
    return spin;
}

TParameterDialog::TParameterDialog(QWidget* parent) : TOwnFenster(parent) {
    if (!g_instance)
        g_instance = this;
    setObjectName(QStringLiteral("TParameterDialog"));
    setPppSize(PppWidth, PppHeight);
    ppp->setFont(ArialPixels(16, true));

    int y = 14;
    QWidget* versionField = AddField(ppp, y, 66);
    VersionLabel = AddLabel(versionField, LabelX, 7, ControlX - LabelX - 4);
    auto* versionGroup = new QButtonGroup(this);
    VersionRadio1 = AddRadio(versionField, versionGroup, ControlX, 7);
    VersionRadio2 = AddRadio(versionField, versionGroup, SecondColumnX, 7);
    VersionRadio3 = AddRadio(versionField, versionGroup, ControlX, 35);
    VersionRadio4 = AddRadio(versionField, versionGroup, SecondColumnX, 35);
    VersionRadio1->setChecked(true);
    y += 66 + 10;

    QWidget* posField = AddField(ppp, y, FieldRowHeight);
    PosLabel = AddLabel(posField, LabelX, 8, ControlX - LabelX - 4);
    auto* posGroup = new QButtonGroup(this);
    PosRadio1 = AddRadio(posField, posGroup, ControlX, 8);
    PosRadio2 = AddRadio(posField, posGroup, SecondColumnX, 8);
    PosRadio1->setChecked(true);
    y += FieldRowHeight + 10;

    QWidget* antField = AddField(ppp, y, FieldRowHeight);
    AntLabel = AddLabel(antField, LabelX, 8, ControlX - LabelX - 4);
    auto* antGroup = new QButtonGroup(this);
    AntRadio1 = AddRadio(antField, antGroup, ControlX, 8);
    AntRadio2 = AddRadio(antField, antGroup, SecondColumnX, 8);
    AntRadio1->setChecked(true);
    y += FieldRowHeight + 10;

    QWidget* zeitField = AddField(ppp, y, FieldRowHeight);
    ZeitLabel = AddLabel(zeitField, LabelX, 8, ControlX - LabelX - 4);
    ZeitSpin = AddNumberEdit(zeitField, ControlX, 7, TimeLimitField);
    ZeitSpinbutton = AddSpinButton(zeitField, ZeitSpin, TimeLimitField);
    MsLabel = AddLabel(zeitField, ZeitSpinbutton->x() + ZeitSpinbutton->width() + 8, 8, 40);
    MsLabel->setText(QStringLiteral("ms"));
    y += FieldRowHeight + 10;

    QWidget* durchField = AddField(ppp, y, FieldRowHeight);
    DurchLabel = AddLabel(durchField, LabelX, 8, ControlX - LabelX - 4);
    Durchspin = AddNumberEdit(durchField, ControlX, 7, RoundsField);
    DurchSpinButton = AddSpinButton(durchField, Durchspin, RoundsField);
    y += FieldRowHeight;

    const QColor buttonText(210, 220, 240);
    const int buttonY = PppHeight - 34 - 16, gap = 16;
    const int buttonX = (PppWidth - 2 * 138 - gap) / 2;
    okbutton = AddButton(ppp, buttonX, buttonY, Faces::Blue, buttonText);
    cancelbutton = AddButton(ppp, buttonX + 138 + gap, buttonY, Faces::Blue, buttonText);

    // Focusable but out of sight, so no visible control shows a focus mark.
    HBut1 = new QPushButton(ppp);
    HBut1->setGeometry(-50, buttonY, 40, 25);
    HBut1->setAutoDefault(false);
    HBut1->setFocusPolicy(Qt::StrongFocus);

    connect(okbutton, &QAbstractButton::clicked, this, &TParameterDialog::okbuttonClick);
    connect(HBut1, &QAbstractButton::clicked, this, &TParameterDialog::okbuttonClick);
    connect(cancelbutton, &QAbstractButton::clicked, this, &TParameterDialog::cancelbuttonClick);
    connect(ZeitSpinbutton, &SpinButton::valueChanged, this, &TParameterDialog::ZeitSpinbuttonChange);
    connect(DurchSpinButton, &SpinButton::valueChanged, this, &TParameterDialog::DurchSpinButtonChange);

    FormShow(); // texts for the language known at creation; set again on every showing
    CentreInDisplay();
}

TParameterDialog::~TParameterDialog() {
    if (g_instance == this)
        g_instance = nullptr;
}

int TParameterDialog::timeLimitValue() const {
    return ReadNumberEdit(ZeitSpin->text(), TimeLimitField);
}

int TParameterDialog::roundsValue() const {
    return ReadNumberEdit(Durchspin->text(), RoundsField);
}

void TParameterDialog::FillRunParameters(RunParameters& parameters, int family) const {
    parameters.family = family;
    parameters.timeLimit = timeLimitValue();
    parameters.rounds = roundsValue();
    parameters.feedback = AntRadio1->isChecked() ? OpticalFeedback : AcousticFeedback;
    parameters.position = PosRadio1->isChecked() ? FixedPositions : RandomPositions;
    const std::array<const QRadioButton*, 4> versions = {VersionRadio1, VersionRadio2, VersionRadio3,
                                                         VersionRadio4};
    parameters.version = 1;
    for (int i = 0; i < 4; ++i)
        if (versions[i]->isChecked())
            parameters.version = i + 1;
}

void TParameterDialog::SetEditAndSpin(QLineEdit* edit, SpinButton* spin, const QString& text,
                                      const NumberField& limits) {
    edit->setText(text);
    const QSignalBlocker block(spin);
    spin->setValue(ReadNumberEdit(text, limits));
    spin->update();
}

void TParameterDialog::ZeitSpinbuttonChange(int value) {
    ZeitSpin->setText(WriteNumberEdit(value, TimeLimitField));
}

void TParameterDialog::DurchSpinButtonChange(int value) {
    Durchspin->setText(WriteNumberEdit(value, RoundsField));
}

void TParameterDialog::okbuttonClick() {
    const StartCheck check = CheckRoundsOnStart(Durchspin->text());
    if (check.roundsText != Durchspin->text())
        SetEditAndSpin(Durchspin, DurchSpinButton, check.roundsText, RoundsField);
    if (check.accepted) {
        done(1);
        return;
    }
    const int language = languageState().language;
    if (language != German && language != English)
        return;
    Meldungsfenster(
        ByLanguage(
            language,
            QStringLiteral("Die Anzahl der Durchgänge wurde auf einen durch 4 teilbaren Wert korrigiert."),
            QStringLiteral("The number of rounds was corrected to a value that can be devided by 4.")),
        ByLanguage(language, QStringLiteral("Hinweis"), QStringLiteral("Info")), 6, true, false);
    HBut1->setFocus(); // back on the start button: Enter goes on
}

void TParameterDialog::FormClose() {
    const RepairedTexts repaired = RepairOnClose(ZeitSpin->text(), Durchspin->text());
    SetEditAndSpin(ZeitSpin, ZeitSpinbutton, repaired.timeText, TimeLimitField);
    SetEditAndSpin(Durchspin, DurchSpinButton, repaired.roundsText, RoundsField);
}

void TParameterDialog::done(int result) {
    FormClose();
    TOwnFenster::done(result);
}

void TParameterDialog::FormShow() {
    const int l = languageState().language;
    auto text = [l](const char* german, const char* english) {
        return ByLanguage(l, QString::fromUtf8(german), QString::fromUtf8(english));
    };
    setWindowTitle(text("Parameter", "Parameter"));
    okbutton->setText(text("Starten", "Start"));
    cancelbutton->setText(text("Abbrechen", "Cancel"));
    VersionLabel->setText(text("Version:", "Version:"));
    PosLabel->setText(text("Position:", "Position:"));
    AntLabel->setText(text("Antwort:", "Answer:"));
    ZeitLabel->setText(text("Zeitvorgabe:", "Interval:"));
    DurchLabel->setText(text("Anzahl Durchgänge:", "Rounds:"));
    VersionRadio1->setText(text("Version 1", "version 1"));
    VersionRadio2->setText(text("Version 2", "version 2"));
    VersionRadio3->setText(text("Version 3", "version 3"));
    VersionRadio4->setText(text("Version 4", "version 4"));
    PosRadio1->setText(text("Fest", "steady"));
    PosRadio2->setText(text("Zufall", "random"));
    AntRadio1->setText(text("optisch", "optical"));
    AntRadio2->setText(text("akustisch", "acoustic"));
    SetEditAndSpin(ZeitSpin, ZeitSpinbutton, ZeitSpin->text(), TimeLimitField);
    SetEditAndSpin(Durchspin, DurchSpinButton, Durchspin->text(), RoundsField);
    HBut1->setFocus();
}

bool TParameterDialog::FormKeyDown(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        okbuttonClick();
        return true;
    case Qt::Key_Escape:
        done(2);
        return true;
    default:
        return false;
    }
}

TParameterDialog& parameterDialog() {
    if (!g_instance) {
        auto* dialog = new TParameterDialog;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, dialog, &QObject::deleteLater);
    }
    return *g_instance;
}
