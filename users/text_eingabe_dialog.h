#pragma once

#include "ui/own_fenster.h"

class QLabel;
class QLineEdit;

// Asks for the name of a new user: result 1 with a trimmed, non-empty name in NameEdit,
// or 2.
class TTextEingabeDialog : public TOwnFenster {
    Q_OBJECT
public:
    explicit TTextEingabeDialog(QWidget* parent = nullptr);

    QString name() const;

    QLabel* NL1 = nullptr;
    QLineEdit* NameEdit = nullptr;
    PictureButton* okbutton = nullptr;
    PictureButton* abbrechenbutton = nullptr;

public slots:
    void okbuttonClick();

protected:
    void FormShow() override;
    bool FormKeyDown(QKeyEvent* event) override;
};
