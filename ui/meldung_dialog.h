#pragma once

#include "ui/own_fenster.h"

class QLabel;

// The program's one message box: a fact with an OK button, or a yes/no question.
class TMeldungDialog : public TOwnFenster {
    Q_OBJECT
public:
    explicit TMeldungDialog(QWidget* parent = nullptr);
    ~TMeldungDialog() override;

    // Shows the box modally; 6 for yes (button, Enter, J), 2 for every other way out.
    // lineCount gives the text area's height in units of 22 pixels.
    int Meldungsfenster(const QString& text, const QString& caption, quint8 lineCount, bool centred,
                        bool yesNo);
    // The layout steps of Meldungsfenster without showing the box.
    void Configure(const QString& text, const QString& caption, quint8 lineCount, bool centred, bool yesNo);

    QLabel* Textfeld = nullptr;
    QWidget* UPanel = nullptr;
    PictureButton* jabutton = nullptr;
    PictureButton* neinbutton = nullptr;
    QWidget* L2 = nullptr;
    QWidget* L1 = nullptr;
    QWidget* L3 = nullptr;

protected:
    bool FormKeyDown(QKeyEvent* event) override;
};

// The program's instance: the first one created (main creates it at start-up), or one
// made on first use that lives until the event loop ends.
TMeldungDialog& meldungDialog();

// meldungDialog().Meldungsfenster(...)
int Meldungsfenster(const QString& text, const QString& caption, quint8 lineCount, bool centred, bool yesNo);
