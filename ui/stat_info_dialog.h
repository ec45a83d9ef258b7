#pragma once

#include "ui/hilfe_dialog.h"

// The explanation of the statistics ("stat.rtf" in DataFolder, in both languages), read
// anew at every showing. Its caption and close button stay German.
class TStatInfoDialog : public TRichTextViewer {
    Q_OBJECT
public:
    explicit TStatInfoDialog(QWidget* parent = nullptr);
    ~TStatInfoDialog() override;

protected:
    void FormShow() override;
    bool FormKeyDown(QKeyEvent* event) override;
};

// The program's instance: the first one created (start-up creates it), or one made on
// first use that lives until the event loop ends.
TStatInfoDialog& statInfoDialog();
