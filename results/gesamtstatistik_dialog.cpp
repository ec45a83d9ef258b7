#include "results/gesamtstatistik_dialog.h"

#include "app/language.h"
#include "results/einzelstatistik_dialog.h"
#include "results/filter_dialog.h"
#include "results/gesamtstatistik.h"
#include "results/results_file.h"
#include "ui/meldung_dialog.h"
#include "ui/picture_button.h"
#include "users/current_user.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTreeWidget>

static TGesamtstatistikDialog* g_instance = nullptr;

static const QColor Pale(215, 250, 240);
static const QColor LabelColour(64, 128, 128);

namespace {

// The hourglass while a results file is read.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QString ResultsPath() {
    return CurrentResultsPath(currentUser());
}

void ShowMessage(const OverallStatsMessage& message) {
    if (!message.text.isEmpty())
        Meldungsfenster(message.text, message.caption, 4, true, false);
}

QFont ListFont() {
    QFont font;
    font.setFamilies(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

} // namespace

TGesamtstatistikDialog::TGesamtstatistikDialog(QWidget* parent) : TOwnFenster(parent) {
    if (!g_instance)
        g_instance = this;
    setObjectName(QStringLiteral("TGesamtstatistikDialog"));
    setPppSize(640, 460);

    Hintergrund = new QLabel(ppp);
    Hintergrund->setGeometry(10, 8, 623, 402);
    Hintergrund->setAutoFillBackground(true);
    QPalette pal = Hintergrund->palette();
    pal.setColor(QPalette::Window, Pale);
    Hintergrund->setPalette(pal);

    NameLabel = new QLabel(ppp);
    NameLabel->setObjectName(QStringLiteral("NameLabel"));
    NameLabel->setGeometry(20, 18, 600, 19);
    NameLabel->setFont(ArialPixels(16, true));
    NameLabel->setTextFormat(Qt::PlainText);
    pal = NameLabel->palette();
    pal.setColor(QPalette::WindowText, LabelColour);
    NameLabel->setPalette(pal);

    StatistikListBox = new QTreeWidget(ppp);
    StatistikListBox->setObjectName(QStringLiteral("StatistikListBox"));
    StatistikListBox->setGeometry(18, 38, 604, 320);
    StatistikListBox->setFont(ListFont());
    StatistikListBox->setColumnCount(ListColumnCount);
    StatistikListBox->setRootIsDecorated(false);
    StatistikListBox->setItemsExpandable(false);
    StatistikListBox->setUniformRowHeights(true);
    StatistikListBox->setAllColumnsShowFocus(true);
    StatistikListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    StatistikListBox->setSelectionBehavior(QAbstractItemView::SelectRows);
    StatistikListBox->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StatistikListBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StatistikListBox->setTextElideMode(Qt::ElideRight);
    QPalette listPal = StatistikListBox->palette();
    listPal.setColor(QPalette::Base, Qt::white);
    listPal.setColor(QPalette::Text, Qt::black);
    listPal.setColor(QPalette::Highlight, QColor(42, 101, 154));
    listPal.setColor(QPalette::HighlightedText, Qt::white);
    StatistikListBox->setPalette(listPal);
    StatistikListBox->setStyleSheet(QStringLiteral(
        "QTreeWidget { border: 1px solid rgb(88, 130, 173); }"
        "QHeaderView::section { background: rgb(196, 226, 216); color: rgb(40, 80, 80); border: none;"
        " border-right: 1px solid rgb(150, 190, 180); border-bottom: 1px solid rgb(150, 190, 180);"
        " padding-left: 3px; font-weight: bold; }"));
    QHeaderView* header = StatistikListBox->header();
    header->setFont(ListFont());
    header->setFixedHeight(17);
    header->setSectionsClickable(false);
    header->setSectionsMovable(false);
    header->setStretchLastSection(false);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setMinimumSectionSize(10);
    for (int i = 0; i < ListColumnCount; ++i) {
        header->setSectionResizeMode(i, QHeaderView::Fixed);
        header->resizeSection(i, ListColumnWidths[size_t(i)]);
    }
    StatistikListBox->viewport()->installEventFilter(this);

    const QColor firstRowText(196, 253, 228);
    GesamtButton = AddButton(ppp, 28, 368, Faces::Green, firstRowText);
    TagButton = AddButton(ppp, 177, 368, Faces::Green, firstRowText);
    DetailButton = AddButton(ppp, 327, 368, Faces::Green, firstRowText);
    Graphbutton = AddButton(ppp, 476, 368, Faces::Green, firstRowText);
    const QColor secondRowText(210, 220, 240);
    cancelbutton = AddButton(ppp, 178, 419, Faces::Blue, secondRowText);
    druckbutton = AddButton(ppp, 325, 419, Faces::Blue, secondRowText);
    connect(GesamtButton, &QAbstractButton::clicked, this, &TGesamtstatistikDialog::GesamtButtonClick);
    connect(TagButton, &QAbstractButton::clicked, this, &TGesamtstatistikDialog::TagButtonClick);
    connect(DetailButton, &QAbstractButton::clicked, this, &TGesamtstatistikDialog::DetailButtonClick);
    connect(Graphbutton, &QAbstractButton::clicked, this, &TGesamtstatistikDialog::GraphbuttonClick);
    connect(cancelbutton, &QAbstractButton::clicked, this, [this] { done(2); });
    connect(druckbutton, &QAbstractButton::clicked, this, &TGesamtstatistikDialog::printRequested);

    SetTexts();
    CentreInDisplay();
}

TGesamtstatistikDialog::~TGesamtstatistikDialog() {
    if (g_instance == this)
        g_instance = nullptr;
}

void TGesamtstatistikDialog::SetTexts() {
    const int language = languageState().language;
    const OverallStatsTexts t = OverallStatsCaptions(language);
    setWindowTitle(t.dialog);
    cancelbutton->setText(t.cancel);
    druckbutton->setText(t.print);
    GesamtButton->setText(t.overall);
    TagButton->setText(t.today);
    DetailButton->setText(t.details);
    Graphbutton->setText(t.chart);
    const auto headers = ListColumnHeaders(language);
    StatistikListBox->setHeaderLabels(QStringList(headers.begin(), headers.end()));
}

void TGesamtstatistikDialog::FillList() {
    StatistikListBox->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(m_entries.size());
    for (const QString& entry : std::as_const(m_entries))
        items.append(new QTreeWidgetItem(ListEntryCells(entry)));
    StatistikListBox->addTopLevelItems(items);
    // An entry that is no run ("Datenfehler") reads across the columns.
    for (int row = 0; row < items.size(); ++row)
        if (items[row]->columnCount() == 1)
            StatistikListBox->setFirstColumnSpanned(row, QModelIndex(), true);
}

int TGesamtstatistikDialog::selectedRow() const {
    const QList<QTreeWidgetItem*> selected = StatistikListBox->selectedItems();
    return selected.isEmpty() ? -1 : StatistikListBox->indexOfTopLevelItem(selected.first());
}

void TGesamtstatistikDialog::selectRow(int row) {
    QTreeWidgetItem* item = StatistikListBox->topLevelItem(row);
    if (!item)
        return;
    StatistikListBox->setCurrentItem(item);
    item->setSelected(true);
    StatistikListBox->scrollToItem(item);
}

void TGesamtstatistikDialog::ReadList(bool todayOnly) {
    const LanguageState& lang = languageState();
    ReadResult read;
    {
        WaitCursor wait;
        read = ReadResults(resultsState(), 0, todayOnly, ResultsPath(), lang.language, lang.textTable);
    }
    if (read.code == FileMissing)
        return;
    m_entries = read.entries;
    FillList();
}

void TGesamtstatistikDialog::GesamtButtonClick() {
    overallStatsState().todayOnly = false;
    ReadList(false);
    selectRow(0);
}

void TGesamtstatistikDialog::TagButtonClick() {
    overallStatsState().todayOnly = true;
    ReadList(true);
    selectRow(0);
}

void TGesamtstatistikDialog::DetailButtonClick() {
    const int row = selectedRow();
    if (row < 0 || row >= m_entries.size())
        return;
    const int k = DetailRunNumber(m_entries[row]);
    if (k < 1)
        return;
    const LanguageState& lang = languageState();
    ResultsState& state = resultsState();
    ReadResult read;
    {
        WaitCursor wait;
        read = ReadResults(state, k, false, ResultsPath(), lang.language, lang.textTable);
    }
    // A file that lost the run since it was listed must not show another run under its number.
    if (read.code == FileMissing || state.runsRead != k)
        return;
    einzelstatistikDialog().exec();
}

void TGesamtstatistikDialog::GraphbuttonClick() {
    resultsState().runsRead = overallStatsState().runsListed;
    filterDialog().exec();
}

void TGesamtstatistikDialog::FormShow() {
    SetTexts();
    NameLabel->setText(NameLabelText(currentUser().CurrentUserFile));
    selectRow(int(m_entries.size()) - 1);
}

bool TGesamtstatistikDialog::FormKeyDown(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        done(1);
        return true;
    case Qt::Key_Escape:
        done(2);
        return true;
    default:
        return false;
    }
}

bool TGesamtstatistikDialog::eventFilter(QObject* watched, QEvent* event) {
    // A double click anywhere on the list opens the selected entry.
    if (StatistikListBox && watched == StatistikListBox->viewport() &&
        event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        DetailButtonClick();
        return true;
    }
    return TOwnFenster::eventFilter(watched, event);
}

TGesamtstatistikDialog& gesamtstatistikDialog() {
    if (!g_instance) {
        auto* dialog = new TGesamtstatistikDialog;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, dialog, &QObject::deleteLater);
    }
    return *g_instance;
}

namespace {

// Puts the main screen's run back however the dialog ends.
struct RestoreRunRecord {
    RunRecord saved = runRecord();
    ~RestoreRunRecord() { runRecord() = saved; }
};

} // namespace

void GesamtstatistikbuttonClick() {
    OverallStatsState& overall = overallStatsState();
    overall.todayOnly = false;
    const int language = languageState().language;
    const QString path = ResultsPath();
    if (path.isEmpty() || !QFile::exists(path)) {
        ShowMessage(NoUserMessage(language));
        return;
    }
    TGesamtstatistikDialog& dialog = gesamtstatistikDialog();
    RestoreRunRecord restore;
    dialog.ReadList(false);
    overall.runsListed = 0;
    if (dialog.entries().isEmpty()) {
        ShowMessage(NoStatisticsMessage(language));
        return;
    }
    overall.runsListed = resultsState().runsRead;
    dialog.selectRow(0);
    dialog.exec();
}
