#pragma once

#include "run/parameter_values.h"
#include "run/run_parameters.h"
#include "ui/own_fenster.h"

#include <array>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Up and down arrows that keep a value within a range and step it.
class SpinButton : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    void setSingleStep(int step) { m_step = step; }
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int singleStep() const { return m_step; }
    int value() const { return m_value; }
    // Clamped into the range; emits valueChanged when the value changes.
    void setValue(int value);
    void stepUp() { setValue(m_value + m_step); }
    void stepDown() { setValue(m_value - m_step); }

signals:
    void valueChanged(int value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int m_minimum = 0, m_maximum = 99, m_step = 1, m_value = 0;
    int m_pressed = 0; // +1 upper arrow held, -1 lower, 0 none
};

// The run parameters: version, positions, feedback, time limit and rounds. One instance
// for the program keeps the last values between runs and families.
class TParameterDialog : public TOwnFenster {
    Q_OBJECT
public:
    explicit TParameterDialog(QWidget* parent = nullptr);
    ~TParameterDialog() override;

    // Copies the controls into the run's parameters (after a result of 1).
    void FillRunParameters(RunParameters& parameters, int family) const;

    // The number edits' values as they read now (non-numbers read as the minimum).
    int timeLimitValue() const;
    int roundsValue() const;

    // Result 1 on start, 2 on cancel, Escape or the close box; every close repairs the edits.
    void done(int result) override;

    QLabel* VersionLabel = nullptr;
    QLabel* PosLabel = nullptr;
    QLabel* AntLabel = nullptr;
    QLabel* ZeitLabel = nullptr;
    QLabel* MsLabel = nullptr;
    QLabel* DurchLabel = nullptr;
    QRadioButton* VersionRadio1 = nullptr;
    QRadioButton* VersionRadio2 = nullptr;
    QRadioButton* VersionRadio3 = nullptr;
    QRadioButton* VersionRadio4 = nullptr;
    QRadioButton* PosRadio1 = nullptr;
    QRadioButton* PosRadio2 = nullptr;
    QRadioButton* AntRadio1 = nullptr;
    QRadioButton* AntRadio2 = nullptr;
    QLineEdit* ZeitSpin = nullptr;
    SpinButton* ZeitSpinbutton = nullptr;
    QLineEdit* Durchspin = nullptr;
    SpinButton* DurchSpinButton = nullptr;
    PictureButton* okbutton = nullptr;
    PictureButton* cancelbutton = nullptr;
    QPushButton* HBut1 = nullptr; // out of sight; holds the focus so Enter starts

public slots:
    void okbuttonClick();
    void cancelbuttonClick() { done(2); }
    void ZeitSpinbuttonChange(int value);
    void DurchSpinButtonChange(int value);

protected:
    void FormShow() override;
    bool FormKeyDown(QKeyEvent* event) override;

private:
    void FormClose();
    // Sets an edit's text and its spin button's value without the button writing back.
    static void SetEditAndSpin(QLineEdit* edit, SpinButton* spin, const QString& text,
                               const NumberField& limits);
    QLabel* AddLabel(QWidget* field, int x, int y, int width);
    QRadioButton* AddRadio(QWidget* field, QButtonGroup* group, int x, int y);
    QLineEdit* AddNumberEdit(QWidget* field, int x, int y, const NumberField& limits);
    SpinButton* AddSpinButton(QWidget* field, QLineEdit* edit, const NumberField& limits);
};

// The program's instance: the first one created (start-up creates it), or one made on
// first use that lives until the event loop ends.
TParameterDialog& parameterDialog();
