#include "ui/meldung_dialog.h"

#include "app/language.h"
#include "ui/picture_button.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

static TMeldungDialog* g_instance = nullptr;

static QWidget* ColourBox(QWidget* parent, const QColor& colour) {
    auto* box = new QWidget(parent);
    box->setAutoFillBackground(true);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Window, colour);
    box->setPalette(pal);
    return box;
}

static constexpr int PppWidth = 441, UPanelHeight = 43, LineHeight = 22;

TMeldungDialog::TMeldungDialog(QWidget* parent) : TOwnFenster(parent) {
    if (!g_instance)
        g_instance = this;
    const QColor pale(215, 250, 240);
    L1 = ColourBox(ppp, pale);
    L2 = ColourBox(ppp, QColor(88, 130, 173));
    L3 = ColourBox(ppp, pale);
    Textfeld = new QLabel(ppp);
    Textfeld->setWordWrap(true);
    Textfeld->setFont(ArialPixels(15, true));
    Textfeld->setAutoFillBackground(true);
    QPalette pal = Textfeld->palette();
    pal.setColor(QPalette::Window, pale);
    pal.setColor(QPalette::WindowText, QColor(64, 128, 128));
    Textfeld->setPalette(pal);
    Textfeld->setTextFormat(Qt::PlainText);
    UPanel = new QWidget(ppp); // same colour as ppp: it shows through
    const QColor buttonText(210, 220, 240);
    jabutton = AddButton(UPanel, 80, 3, Faces::Blue, buttonText);
    jabutton->setText(QStringLiteral("Ja"));
    neinbutton = AddButton(UPanel, 80 + 138 + 7, 3, Faces::Blue, buttonText);
    neinbutton->setText(QStringLiteral("Nein"));
    connect(jabutton, &QAbstractButton::clicked, this, [this] { done(6); });
    connect(neinbutton, &QAbstractButton::clicked, this, [this] { done(2); });
    // The width is fixed here, the height on every call.
    setPppSize(PppWidth, 4 * LineHeight + UPanelHeight + 18);
}

TMeldungDialog::~TMeldungDialog() {
    if (g_instance == this)
        g_instance = nullptr;
}

void TMeldungDialog::Configure(const QString& text, const QString& caption, quint8 lineCount, bool centred,
                               bool yesNo) {
    Textfeld->setAlignment(centred ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter));
    setWindowTitle(caption);
    const int pppHeight = LineHeight * lineCount + UPanelHeight + 18;
    const int textHeight = qMax(0, pppHeight - UPanelHeight - LineHeight);
    Textfeld->setGeometry(23, 19, 394, textHeight);
    L3->setGeometry(13, 19, 415, textHeight);
    L2->setGeometry(12, 18, 417, textHeight + 2);
    L1->setGeometry(11, 17, 419, textHeight + 4);
    // Pale outline, then steel-blue, then the pale text area on top.
    L1->raise();
    L2->raise();
    L3->raise();
    Textfeld->raise();
    Textfeld->setText(text);
    setPppSize(PppWidth, pppHeight);
    UPanel->setGeometry(0, pppHeight - UPanelHeight, PppWidth, UPanelHeight);
    const int language = languageState().language;
    if (yesNo) {
        neinbutton->setText(ByLanguage(language, QStringLiteral("Nein"), QStringLiteral("No")));
        neinbutton->move(jabutton->x() + jabutton->width() + 7, neinbutton->y());
        jabutton->setText(ByLanguage(language, QStringLiteral("Ja"), QStringLiteral("Yes")));
        jabutton->setEnabled(true);
        jabutton->setVisible(true);
    } else {
        neinbutton->move((UPanel->width() - neinbutton->width()) / 2, neinbutton->y());
        neinbutton->setText(QStringLiteral("OK"));
        jabutton->setEnabled(false);
        jabutton->setVisible(false);
    }
}

int TMeldungDialog::Meldungsfenster(const QString& text, const QString& caption, quint8 lineCount,
                                    bool centred, bool yesNo) {
    Configure(text, caption, lineCount, centred, yesNo);
    return exec() == 6 ? 6 : 2;
}

bool TMeldungDialog::FormKeyDown(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_J: // J in both languages; there is no key for "Y"
        done(6);
        return true;
    case Qt::Key_Escape:
    case Qt::Key_N:
        done(2);
        return true;
    default:
        return false;
    }
}

TMeldungDialog& meldungDialog() {
    if (!g_instance) {
        auto* box = new TMeldungDialog;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, box, &QObject::deleteLater);
    }
    return *g_instance;
}

int Meldungsfenster(const QString& text, const QString& caption, quint8 lineCount, bool centred, bool yesNo) {
    return meldungDialog().Meldungsfenster(text, caption, lineCount, centred, yesNo);
}
