#pragma once

#include "app/options.h"
#include "ui/own_fenster.h"

class QCheckBox;
class QLabel;

// Whether answers may come from the joystick. The names of the two buttons are the
// reverse of their roles: `cancelbutton` ("OK") confirms, `okbutton` cancels.
class TOptionenDialog : public TOwnFenster {
    Q_OBJECT
public:
    explicit TOptionenDialog(QWidget* parent = nullptr);
    ~TOptionenDialog() override;

    // The main screen's part: shows the stored setting (greyed out without a joystick),
    // runs the dialog and on OK stores what the box shows. Returns the result, 1 or 2.
    int EditOptions(OptionsRecord& options, bool joystickPresent);

    PictureButton* okbutton = nullptr;     // "Abbrechen" / "Cancel"
    PictureButton* cancelbutton = nullptr; // "OK"
    QLabel* Label1 = nullptr;
    QCheckBox* Joycheck = nullptr;

public slots:
    void okbuttonClick();
    void cancelbuttonClick();

protected:
    void FormShow() override;
    bool FormKeyDown(QKeyEvent* event) override;
};

// The program's instance: the first one created (start-up creates it), or one made on
// first use that lives until the event loop ends.
TOptionenDialog& optionenDialog();
