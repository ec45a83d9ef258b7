#pragma once

#include "app/main_layout.h"
#include "app/startup.h"

#include <QLabel>
#include <QWidget>

class PictureButton;
class TDaten;

// The panel on the main screen: its background picture tiled over dark grey.
class MainBackPanel : public QWidget {
    Q_OBJECT
public:
    explicit MainBackPanel(QWidget* parent);
    void setBackground(const QPixmap& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_background;
};

// The main screen: framed panel, the two family buttons, six text buttons, the logo.
class THaupt : public QWidget {
    Q_OBJECT
public:
    // Runs the creation steps: folders, display area, language, options.
    explicit THaupt(const QStringList& arguments, QWidget* parent = nullptr);

    // Binds the pictures of the resource holder; called once it has loaded them.
    void setResources(TDaten* daten);

    void LayoutMainScreen();
    void ShowMainButtons(bool visible);
    void ApplyMainTexts();

    const CommandLine& commandLine() const { return m_commandLine; }
    const MainLayout& layout() const { return m_layout; }

    PictureButton* Benutzerbutton = nullptr;
    PictureButton* Einstellungenbutton = nullptr;
    PictureButton* Einzelstatistikbutton = nullptr;
    PictureButton* Gesamtstatistikbutton = nullptr;
    PictureButton* Hilfebutton = nullptr;
    PictureButton* Exitbutton = nullptr;
    PictureButton* Tor1 = nullptr;
    PictureButton* Tor2 = nullptr;
    QLabel* Logo1 = nullptr;
    MainBackPanel* backpanel = nullptr;

public slots:
    void BenutzerbuttonClick();
    void EinstellungenbuttonClick();
    void EinzelstatistikbuttonClick();
    void GesamtstatistikbuttonClick();
    void HilfebuttonClick();
    void ExitbuttonClick();
    void Tor1Click();
    void Tor2Click();
    // Brings the window forward when a second start asks for it.
    void BringToFront();

signals:
    void firstPainted();

protected:
    void paintEvent(QPaintEvent* event) override; // PaintMainFrame
    void showEvent(QShowEvent* event) override;   // FormShow
    void closeEvent(QCloseEvent* event) override; // FormClose
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Parameters, instruction, run and what follows a finished run, for one family.
    void StartSequence(int family);
    void AfterRun();
    void FormShow();
    void EnterDisplayMode();
    void DisplayInterruptedCheck();
    QPixmap scheme(int index) const;

    CommandLine m_commandLine;
    MainLayout m_layout;
    TDaten* m_daten = nullptr;
    bool m_shown = false;
    bool m_fullScreen = false;
    bool m_painted = false;
};
