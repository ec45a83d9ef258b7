#pragma once

#include "ui/own_fenster.h"

#include <QStringList>

class QLabel;
class QTreeWidget;

// The runs of the current user's results file, one line each (all runs or today's), with
// the details of one run and the chart of all of them. Enter closes with 1, Escape with 2.
class TGesamtstatistikDialog : public TOwnFenster {
    Q_OBJECT
public:
    explicit TGesamtstatistikDialog(QWidget* parent = nullptr);
    ~TGesamtstatistikDialog() override;

    // The list's entry strings as the results file reader made them, in list order.
    const QStringList& entries() const { return m_entries; }
    // The row of the selected entry, or -1.
    int selectedRow() const;
    void selectRow(int row);

    // Lists all runs or today's runs of the current user's file; a missing file keeps the list.
    void ReadList(bool todayOnly);

    QLabel* Hintergrund = nullptr;
    QLabel* NameLabel = nullptr;
    QTreeWidget* StatistikListBox = nullptr;
    PictureButton* GesamtButton = nullptr;
    PictureButton* TagButton = nullptr;
    PictureButton* DetailButton = nullptr;
    PictureButton* Graphbutton = nullptr;
    PictureButton* cancelbutton = nullptr;
    PictureButton* druckbutton = nullptr;

public slots:
    void GesamtButtonClick();
    void TagButtonClick();
    void DetailButtonClick();
    void GraphbuttonClick();

signals:
    // "Drucken": nothing is connected until printing exists.
    void printRequested();

protected:
    void FormShow() override;
    bool FormKeyDown(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetTexts();
    void FillList();

    QStringList m_entries;
};

// The program's instance: the first one created, or one made on first use that lives until
// the event loop ends.
TGesamtstatistikDialog& gesamtstatistikDialog();

// The main screen's "Gesamtstatistik" button: tells when there is no user or nothing to list,
// otherwise shows the dialog; the run record the main screen held is put back afterwards.
void GesamtstatistikbuttonClick();
