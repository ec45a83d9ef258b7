#pragma once

#include "results/run_record.h"
#include "results/stat_grid.h"
#include "ui/own_fenster.h"

#include <array>

class QLabel;

// The statistics of the run held in the run record: eight rows by five columns (all
// targets, then target identities 1..4). Refilled on every showing; keeps the position
// it got at creation.
class TEinzelstatistikDialog : public TOwnFenster {
    Q_OBJECT
public:
    explicit TEinzelstatistikDialog(QWidget* parent = nullptr);
    ~TEinzelstatistikDialog() override;

    // Headers and values for a record (a showing does this with runRecord()).
    void ShowRecord(const RunRecord& record);

    // Texts of the current language.
    void SetTexts();

    QLabel* Hintergrund = nullptr;                // the pale background of the grid
    std::array<QLabel*, StatColumnCount> Color{}; // Color0..Color4
    std::array<QLabel*, StatRowCount> z{};        // z1..z8
    // Value labels by [row][column]; their object names are ri0 .. el4.
    std::array<std::array<QLabel*, StatColumnCount>, StatRowCount> values{};
    PictureButton* ErklButton = nullptr;
    PictureButton* okbutton = nullptr;
    PictureButton* cancelbutton = nullptr;

signals:
    // "Drucken" or Enter; "Erklärung". The program connects them at start-up to the
    // single-run print and the explanation viewer.
    void printRequested();
    void explanationRequested();

protected:
    void FormShow() override;
    bool FormKeyDown(QKeyEvent* event) override;
};

// The program's instance: the first one created (start-up creates it), or one made on
// first use that lives until the event loop ends.
TEinzelstatistikDialog& einzelstatistikDialog();
