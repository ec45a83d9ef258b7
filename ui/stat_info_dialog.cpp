#include "ui/stat_info_dialog.h"

#include "app/global_state.h"

#include <QApplication>
#include <QKeyEvent>

static TStatInfoDialog* g_instance = nullptr;

TStatInfoDialog::TStatInfoDialog(QWidget* parent)
    : TRichTextViewer(QSize(800, 600), QRect(22, 20, 756, 523), QPoint(334, 557), parent) {
    if (!g_instance)
        g_instance = this;
}

TStatInfoDialog::~TStatInfoDialog() {
    if (g_instance == this)
        g_instance = nullptr;
}

void TStatInfoDialog::FormShow() {
    LoadDocument(globalState().dataFolder + QStringLiteral("stat.rtf"));
    TRichTextViewer::FormShow();
}

bool TStatInfoDialog::FormKeyDown(QKeyEvent* event) {
    // Escape closes like the button; Enter and Space reach the focused hidden button.
    if (event->key() == Qt::Key_Escape) {
        done(1);
        return true;
    }
    return false;
}

TStatInfoDialog& statInfoDialog() {
    if (!g_instance) {
        auto* dialog = new TStatInfoDialog;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, dialog, &QObject::deleteLater);
    }
    return *g_instance;
}
