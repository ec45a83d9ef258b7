#include "ui/hilfe_dialog.h"

#include "app/global_state.h"
#include "app/language.h"
#include "ui/meldung_dialog.h"
#include "ui/picture_button.h"
#include "ui/rtf_document.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>

static const QColor PaleColour(215, 250, 240);

TRichTextViewer::TRichTextViewer(QSize panel, QRect richEdit, QPoint closeButton, QWidget* parent)
    : TOwnFenster(parent) {
    // Created before the text area, so that the text area lies on top of it.
    helpbutton = new QPushButton(ppp);
    helpbutton->setObjectName(QStringLiteral("helpbutton"));
    helpbutton->setGeometry(38, 31, 67, 41);
    helpbutton->setFocusPolicy(Qt::StrongFocus);
    helpbutton->setAutoDefault(true); // Enter on the focused button presses it
    connect(helpbutton, &QAbstractButton::clicked, this, [this] { done(1); });

    RichEdit = new QTextBrowser(ppp);
    RichEdit->setObjectName(QStringLiteral("RichEdit"));
    RichEdit->setGeometry(richEdit);
    RichEdit->setFrameShape(QFrame::NoFrame);
    RichEdit->setReadOnly(true);
    RichEdit->setUndoRedoEnabled(false);
    RichEdit->setOpenLinks(false);
    RichEdit->setOpenExternalLinks(false);
    // Passive text: no focus, no caret, no selection, nothing to type into.
    RichEdit->setFocusPolicy(Qt::NoFocus);
    RichEdit->setTextInteractionFlags(Qt::NoTextInteraction);
    RichEdit->verticalScrollBar()->setFocusPolicy(Qt::NoFocus);
    RichEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RichEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RichEdit->viewport()->setCursor(Qt::ArrowCursor);
    QPalette pal = RichEdit->palette();
    pal.setColor(QPalette::Base, PaleColour);
    pal.setColor(QPalette::Text, Qt::black);
    RichEdit->setPalette(pal);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(19);
    RichEdit->document()->setDefaultFont(font);

    okbutton = AddButton(ppp, closeButton.x(), closeButton.y(), Faces::Blue, QColor(210, 220, 240));
    okbutton->setText(QStringLiteral("Schließen"));
    connect(okbutton, &QAbstractButton::clicked, this, [this] { done(1); });

    setWindowTitle(QStringLiteral("Hilfe"));
    setPppSize(panel.width(), panel.height());
    CentreInDisplay();
}

bool TRichTextViewer::LoadDocument(const QString& path) {
    if (!LoadRtfIntoDocument(path, *RichEdit->document()))
        return false;
    RichEdit->verticalScrollBar()->setValue(0);
    return true;
}

void TRichTextViewer::FormShow() {
    helpbutton->setFocus();
}

static THilfeDialog* g_instance = nullptr;

THilfeDialog::THilfeDialog(QWidget* parent)
    : TRichTextViewer(QSize(630, 460), QRect(21, 23, 588, 386), QPoint(246, 417), parent) {
    if (!g_instance)
        g_instance = this;
    VersionLabel = new QLabel(ppp);
    VersionLabel->setObjectName(QStringLiteral("VersionLabel"));
    VersionLabel->setGeometry(400, 423, 208, 23);
    VersionLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    VersionLabel->setFont(ArialPixels(12, false));
    QPalette pal = VersionLabel->palette();
    pal.setColor(QPalette::WindowText, PaleColour);
    VersionLabel->setPalette(pal);
}

THilfeDialog::~THilfeDialog() {
    if (g_instance == this)
        g_instance = nullptr;
}

void THilfeDialog::FormShow() {
    VersionLabel->setText(QStringLiteral("Release: 06.10.2009"));
    const int language = languageState().language;
    if (language == German || language == English) {
        LoadDocument(globalState().dataFolder +
                     ByLanguage(language, QStringLiteral("hilfe.rtf"), QStringLiteral("ehilfe.rtf")));
        okbutton->setText(ByLanguage(language, QStringLiteral("Schließen"), QStringLiteral("Close")));
        setWindowTitle(ByLanguage(language, QStringLiteral("Hilfe"), QStringLiteral("Help")));
    }
    TRichTextViewer::FormShow();
}

bool THilfeDialog::FormKeyDown(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        done(1);
        return true;
    case Qt::Key_F11:
        Meldungsfenster(globalState().userDataFolder, QStringLiteral("Variable \"BasisPfad\""), 4, true,
                        false);
        // The box has no owner to hand the keyboard back to: take it back here.
        activateWindow();
        helpbutton->setFocus();
        return true;
    default:
        return false; // Space reaches the focused hidden button
    }
}

THilfeDialog& hilfeDialog() {
    if (!g_instance) {
        auto* dialog = new THilfeDialog;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, dialog, &QObject::deleteLater);
    }
    return *g_instance;
}
