#pragma once

#include "run/run_layout.h"

#include <QDialog>

#include <QLabel>

// The instruction screen: a borderless black window over the display area, framed like the
// run screen without the counter plate, with what the exercise type asks for and the start
// prompt. Result 1 (space bar, joystick button 1) starts the run, 2 (Escape) goes back.
// Create one per run with the run parameters set, then exec().
class TBeschreibungDialog : public QDialog {
    Q_OBJECT
public:
    explicit TBeschreibungDialog(QWidget* parent = nullptr);
    ~TBeschreibungDialog() override;

    // Takes the focus; the space bar (32) closes with 1. Joystick button 1 calls it with 32.
    void StartKey(int key);
    // A close request from outside goes back, as Escape does.
    void reject() override;

    const InstructionLayout& layout() const { return m_layout; }

    QWidget* backpanel = nullptr;
    QLabel* label1 = nullptr; // instruction text
    QLabel* label2 = nullptr; // start prompt

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormShow();
    void hidePointer(bool hidden);

    InstructionLayout m_layout;
    bool m_pointerHidden = false;
    bool m_polling = false;
};
