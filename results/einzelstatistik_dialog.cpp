#include "results/einzelstatistik_dialog.h"

#include "app/language.h"
#include "ui/picture_button.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

static TEinzelstatistikDialog* g_instance = nullptr;

static const QColor GridBackground(215, 250, 240);
static const QColor LabelColour(64, 128, 128);
static const QColor LineColour(88, 130, 173);

static constexpr std::array<int, StatColumnCount> ColumnX = {155, 250, 340, 436, 524};
static constexpr std::array<int, StatRowCount> RowY = {60, 98, 135, 173, 210, 248, 285, 323};

static void SetColours(QWidget* w, const QColor& background, const QColor& text) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, background);
    pal.setColor(QPalette::WindowText, text);
    w->setPalette(pal);
}

static QLabel* GridLabel(QWidget* parent, const QRect& geometry, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setAutoFillBackground(true);
    SetColours(label, GridBackground, Qt::black);
    return label;
}

TEinzelstatistikDialog::TEinzelstatistikDialog(QWidget* parent) : TOwnFenster(parent) {
    if (!g_instance)
        g_instance = this;
    setObjectName(QStringLiteral("TEinzelstatistikDialog"));
    setPppSize(638, 430);
    setFont(ArialPixels(16, true));
    ppp->setFont(ArialPixels(16, true));

    Hintergrund = new QLabel(ppp);
    Hintergrund->setGeometry(11, 15, 612, 362);
    Hintergrund->setAutoFillBackground(true);
    SetColours(Hintergrund, GridBackground, Qt::black);

    for (int x : {138, 230, 322, 414, 506, 598}) {
        auto* line = new QWidget(ppp);
        line->setGeometry(x, 33, 2, 320);
        line->setAutoFillBackground(true);
        SetColours(line, LineColour, LineColour);
    }
    for (int y : {50, 88, 125, 163, 200, 238, 275, 313, 351}) {
        auto* line = new QWidget(ppp);
        line->setGeometry(30, y, 569, 2);
        line->setAutoFillBackground(true);
        SetColours(line, LineColour, LineColour);
    }

    for (int column = 0; column < StatColumnCount; ++column)
        Color[column] =
            GridLabel(ppp, QRect(ColumnX[column], 30, 62, 19), QStringLiteral("Color%1").arg(column));
    for (int row = 0; row < StatRowCount; ++row) {
        z[row] = GridLabel(ppp, QRect(14, RowY[row], 135 - 14, 26), QStringLiteral("z%1").arg(row + 1));
        z[row]->setFont(ArialPixels(16, true));
        SetColours(z[row], GridBackground, StatRowLabelIsBlack(row) ? QColor(Qt::black) : LabelColour);
        for (int column = 0; column < StatColumnCount; ++column)
            values[row][column] = GridLabel(ppp, QRect(ColumnX[column], RowY[row], 62, 26),
                                            QString::fromLatin1(StatRowCodes[row]) + QString::number(column));
    }

    const QColor buttonText(210, 220, 240);
    ErklButton = AddButton(ppp, 14, 386, Faces::Blue, buttonText);
    ErklButton->setText(QStringLiteral("Erklärung"));
    okbutton = AddButton(ppp, 160, 386, Faces::Blue, buttonText);
    cancelbutton = AddButton(ppp, 488, 386, Faces::Blue, buttonText);
    connect(ErklButton, &QAbstractButton::clicked, this, &TEinzelstatistikDialog::explanationRequested);
    connect(okbutton, &QAbstractButton::clicked, this, &TEinzelstatistikDialog::printRequested);
    connect(cancelbutton, &QAbstractButton::clicked, this, [this] { done(2); });

    SetTexts();
    // Placed once here: later showings keep this position (or where the user dragged it).
    setCentreOnShow(false);
    CentreInDisplay();
}

TEinzelstatistikDialog::~TEinzelstatistikDialog() {
    if (g_instance == this)
        g_instance = nullptr;
}

void TEinzelstatistikDialog::SetTexts() {
    const int language = languageState().language;
    setWindowTitle(ByLanguage(language, QStringLiteral("Statistik"), QStringLiteral("Statistics")));
    okbutton->setText(ByLanguage(language, QStringLiteral("Drucken"), QStringLiteral("Print")));
    cancelbutton->setText(ByLanguage(language, QStringLiteral("Schließen"), QStringLiteral("Close")));
    const std::array<QString, StatRowCount> labels = StatRowLabels(language);
    for (int row = 0; row < StatRowCount; ++row)
        z[row]->setText(labels[row]);
}

void TEinzelstatistikDialog::ShowRecord(const RunRecord& record) {
    const LanguageState& lang = languageState();
    const int family = FamilyOfTypeKey(record.prtkey);
    const std::array<QString, StatColumnCount> headers =
        StatColumnHeaders(family, lang.language, lang.textTable);
    // Each family gets its own header colour, whatever was shown before.
    const QColor headerText = family == 1 ? QColor(Qt::black) : LabelColour;
    for (int column = 0; column < StatColumnCount; ++column) {
        Color[column]->setText(headers[column]);
        SetColours(Color[column], GridBackground, headerText);
    }
    const auto texts = StatValueTexts(record);
    for (int row = 0; row < StatRowCount; ++row)
        for (int column = 0; column < StatColumnCount; ++column)
            values[row][column]->setText(texts[row][column]);
}

void TEinzelstatistikDialog::FormShow() {
    SetTexts();
    ShowRecord(runRecord());
}

bool TEinzelstatistikDialog::FormKeyDown(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit printRequested();
        return true;
    case Qt::Key_Escape:
        done(2);
        return true;
    default:
        return false;
    }
}

TEinzelstatistikDialog& einzelstatistikDialog() {
    if (!g_instance) {
        auto* dialog = new TEinzelstatistikDialog;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, dialog, &QObject::deleteLater);
    }
    return *g_instance;
}
