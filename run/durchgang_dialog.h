#pragma once

#include "app/language.h"
#include "run/joystick.h"
#include "run/run_engine.h"
#include "run/run_interfaces.h"
#include "run/run_layout.h"

#include <QDialog>
#include <QPixmap>
#include <QTimer>

#include <array>
#include <memory>

#include <QLabel>

// A picture cell of the cross; hidden while it shows no picture.
class RunCellWidget : public QWidget {
    Q_OBJECT
public:
    explicit RunCellWidget(QWidget* parent);
    void setPicture(int index); // NoPicture hides the cell
    int picture() const { return m_index; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_index = NoPicture;
    QPixmap m_pixmap;
};

// The back panel: picture 88, the background of the cross.
class RunBackPanel : public QWidget {
    Q_OBJECT
public:
    explicit RunBackPanel(QWidget* parent);
    void setBackground(const QPixmap& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_background;
};

// What a run plays with; every null entry means the process-wide thing (production).
struct DurchgangSetup {
    RunParameters* parameters = nullptr;
    ResultsState* results = nullptr;
    int language = 0; // 0: languageState().language
    const TextTable* texts = nullptr;
    PhaseTimer* timer = nullptr; // null: the screen's own precise single-shot DerTimer
    Clock* clock = nullptr;      // null: a steady clock
    WallClock* wallClock = nullptr;
    Random* random = nullptr; // null: randomSource()
};

// The run screen: a borderless black window over the display area with the cross of cells,
// the label word, the two counters and the red bars. Showing it starts the run; the run
// closes it with 1 (finished) or 2 (cancelled). Create one per run, set SpielartLabel's text,
// then exec().
class TDurchgangDialog : public QDialog, public RunView, public DirectionReceiver {
    Q_OBJECT
public:
    explicit TDurchgangDialog(QWidget* parent = nullptr);
    explicit TDurchgangDialog(const DurchgangSetup& setup, QWidget* parent = nullptr);
    ~TDurchgangDialog() override;

    RunEngine& engine() { return *m_engine; }
    const RunScreenLayout& layout() const { return m_layout; }

    // RunView
    void setTargetPicture(int position, int picture) override;
    void setStimulusPicture(int picture) override;
    void setMovedPicture(int position, int picture) override;
    void setCountLabel(const QString& text) override;
    void setTimeLabel(const QString& text) override;
    void setRedBars(bool visible) override;
    void playWrongSound() override;
    void showMessage(const QString& text, const QString& caption, int lines) override;
    void flush() override;
    void close(int result) override;
    using QWidget::close;

    // DirectionReceiver: directions from the keys and the joystick.
    void handleDirection(int key) override;
    void releaseDirection() override;

    // Escape follows the run's rules; a close request from outside counts as Escape.
    void reject() override;

    RunBackPanel* backpanel = nullptr;
    RunCellWidget* Mitte = nullptr;
    RunCellWidget* Oben = nullptr;
    RunCellWidget* Links = nullptr;
    RunCellWidget* Rechts = nullptr;
    RunCellWidget* Unten = nullptr;
    RunCellWidget* XOben = nullptr;
    RunCellWidget* XLinks = nullptr;
    RunCellWidget* XRechts = nullptr;
    RunCellWidget* XUnten = nullptr;
    QLabel* SpielartLabel = nullptr;
    QLabel* Zeitlabel = nullptr;
    QLabel* Countlabel = nullptr;
    QWidget* oklabel1 = nullptr; // left
    QWidget* OKLabel2 = nullptr; // right
    QWidget* OKlabel3 = nullptr; // top
    QWidget* oklabel4 = nullptr; // bottom
    QTimer DerTimer;

    RunCellWidget* cell(RunCell which) const { return m_cells[static_cast<size_t>(which)]; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    class DerTimerAdapter;
    void FormShow();
    void LayoutRunScreen();
    void DerTimerTimer();
    void hidePointer(bool hidden);

    std::unique_ptr<DerTimerAdapter> m_ownTimer;
    SteadyClock m_steadyClock;
    SystemWallClock m_systemWallClock;
    std::unique_ptr<RunEngine> m_engine;
    std::array<RunCellWidget*, RunCellCount> m_cells{};
    RunScreenLayout m_layout;
    bool m_started = false;
    bool m_pointerHidden = false;
    bool m_polling = false;
};
