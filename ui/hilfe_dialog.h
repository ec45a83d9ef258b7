#pragma once

#include "ui/own_fenster.h"

class QLabel;
class QPushButton;
class QTextBrowser;

// A read-only rich text document on the frame, with a close button and a hidden push
// button that keeps the keyboard focus: the text never shows a caret or a selection and
// is moved only with its scroll bar. Every way of closing but the close box ends with 1.
class TRichTextViewer : public TOwnFenster {
    Q_OBJECT
public:
    QTextBrowser* RichEdit = nullptr;
    PictureButton* okbutton = nullptr;
    QPushButton* helpbutton = nullptr;

protected:
    TRichTextViewer(QSize panel, QRect richEdit, QPoint closeButton, QWidget* parent);
    // Replaces the text with the document; a file that cannot be read leaves the text as it
    // was. Returns whether it was read.
    bool LoadDocument(const QString& path);
    void FormShow() override;
};

// The user guide in the current language ("hilfe.rtf" / "ehilfe.rtf" in DataFolder),
// read anew at every showing. F11 shows UserDataFolder.
class THilfeDialog : public TRichTextViewer {
    Q_OBJECT
public:
    explicit THilfeDialog(QWidget* parent = nullptr);
    ~THilfeDialog() override;

    QLabel* VersionLabel = nullptr;

protected:
    void FormShow() override;
    bool FormKeyDown(QKeyEvent* event) override;
};

// The program's instance: the first one created (start-up creates it), or one made on
// first use that lives until the event loop ends.
THilfeDialog& hilfeDialog();
