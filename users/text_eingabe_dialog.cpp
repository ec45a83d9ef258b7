#include "users/text_eingabe_dialog.h"

#include "app/language.h"
#include "ui/picture_button.h"
#include "users/user_files.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

TTextEingabeDialog::TTextEingabeDialog(QWidget* parent) : TOwnFenster(parent) {
    setPppSize(369, 156);
    setWindowTitle(QStringLiteral("Name"));
    auto* area = new QWidget(ppp);
    area->setGeometry(18, 19, 327, 84);
    area->setAutoFillBackground(true);
    QPalette pal = area->palette();
    pal.setColor(QPalette::Window, QColor(215, 250, 240));
    area->setPalette(pal);

    NL1 = new QLabel(QStringLiteral("Name:"), ppp);
    NL1->move(35, 36);
    NL1->setFont(ArialPixels(15, true));
    pal = NL1->palette();
    pal.setColor(QPalette::WindowText, QColor(64, 128, 128));
    NL1->setPalette(pal);
    NL1->adjustSize();

    NameEdit = new QLineEdit(ppp);
    NameEdit->setGeometry(34, 60, 289, 26);
    NameEdit->setFont(ArialPixels(15, true));

    const QColor buttonText(210, 220, 240);
    okbutton = AddButton(ppp, 44, 114, Faces::Blue, buttonText);
    okbutton->setText(QStringLiteral("OK"));
    abbrechenbutton = AddButton(ppp, 187, 114, Faces::Blue, buttonText);
    abbrechenbutton->setText(QStringLiteral("Abbrechen"));
    connect(okbutton, &QAbstractButton::clicked, this, &TTextEingabeDialog::okbuttonClick);
    connect(abbrechenbutton, &QAbstractButton::clicked, this, [this] { done(2); });
}

QString TTextEingabeDialog::name() const {
    return NameEdit->text();
}

void TTextEingabeDialog::okbuttonClick() {
    NameEdit->setText(TrimUserName(NameEdit->text()));
    if (!NameEdit->text().isEmpty())
        done(1);
}

void TTextEingabeDialog::FormShow() {
    NameEdit->clear();
    const int language = languageState().language;
    if (language == German || language == English) {
        okbutton->setText(QStringLiteral("OK"));
        abbrechenbutton->setText(ByLanguage(language, QStringLiteral("Abbrechen"), QStringLiteral("Cancel")));
        NL1->setText(QStringLiteral("Name:"));
    }
    NameEdit->setFocus();
}

bool TTextEingabeDialog::FormKeyDown(QKeyEvent* event) {
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
