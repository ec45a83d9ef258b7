#include "app/optionen_dialog.h"

#include "app/language.h"
#include "ui/picture_button.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>

static TOptionenDialog* g_instance = nullptr;

TOptionenDialog::TOptionenDialog(QWidget* parent) : TOwnFenster(parent) {
    if (!g_instance)
        g_instance = this;
    setFont(ArialPixels(15, true));
    const QColor pale(215, 250, 240);
    const QColor buttonText(210, 220, 240);
    okbutton = AddButton(ppp, 197, 113, Faces::Blue, buttonText);
    okbutton->setText(QStringLiteral("Abbrechen"));
    cancelbutton = AddButton(ppp, 57, 113, Faces::Blue, buttonText);
    cancelbutton->setText(QStringLiteral("OK"));
    connect(okbutton, &QAbstractButton::clicked, this, &TOptionenDialog::cancelbuttonClick);
    connect(cancelbutton, &QAbstractButton::clicked, this, &TOptionenDialog::okbuttonClick);

    Label1 = new QLabel(ppp);
    Label1->setGeometry(22, 23, 348, 75);
    Label1->setAutoFillBackground(true);
    QPalette pal = Label1->palette();
    pal.setColor(QPalette::Window, pale);
    Label1->setPalette(pal);

    Joycheck = new QCheckBox(QStringLiteral("Joystick verwenden"), ppp);
    Joycheck->setGeometry(106, 58, 192, 17);
    Joycheck->setAutoFillBackground(true);
    pal = Joycheck->palette();
    // A button fills with the Button role; styles draw its caption in either text role.
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button})
        pal.setColor(role, pale);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText}) {
        pal.setColor(role, QColor(64, 128, 128));
        pal.setColor(QPalette::Disabled, role, QColor(128, 128, 128)); // greyed out
    }
    Joycheck->setPalette(pal);

    setPppSize(392, 160);
    setWindowTitle(QStringLiteral("Optionen"));
    CentreInDisplay();
}

TOptionenDialog::~TOptionenDialog() {
    if (g_instance == this)
        g_instance = nullptr;
}

int TOptionenDialog::EditOptions(OptionsRecord& options, bool joystickPresent) {
    Joycheck->setChecked(options.useJoystick == 1);
    // Never enabled again: whether a joystick was found does not change while running.
    if (!joystickPresent)
        Joycheck->setEnabled(false);
    const int result = exec() == 1 ? 1 : 2;
    if (result == 1)
        options.useJoystick = Joycheck->isChecked() ? 1 : 0;
    return result;
}

void TOptionenDialog::okbuttonClick() {
    done(1);
}

void TOptionenDialog::cancelbuttonClick() {
    done(2);
}

void TOptionenDialog::FormShow() {
    const int language = languageState().language;
    if (language != German && language != English)
        return;
    Joycheck->setText(
        ByLanguage(language, QStringLiteral("Joystick verwenden"), QStringLiteral("Use Joystick")));
    okbutton->setText(ByLanguage(language, QStringLiteral("Abbrechen"), QStringLiteral("Cancel")));
    setWindowTitle(ByLanguage(language, QStringLiteral("Optionen"), QStringLiteral("Options")));
}

bool TOptionenDialog::FormKeyDown(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        okbuttonClick();
        return true;
    case Qt::Key_Escape:
        cancelbuttonClick();
        return true;
    default:
        return false;
    }
}

TOptionenDialog& optionenDialog() {
    if (!g_instance) {
        auto* dialog = new TOptionenDialog;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, dialog, &QObject::deleteLater);
    }
    return *g_instance;
}
