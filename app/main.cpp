#include "app/application.h"
#include "app/global_state.h"
#include "app/haupt.h"
#include "app/intro_form.h"
#include "app/language.h"
#include "app/optionen_dialog.h"
#include "app/single_instance.h"
#include "results/einzelstatistik_dialog.h"
#include "results/printing.h"
#include "run/parameter_dialog.h"
#include "ui/daten.h"
#include "ui/hilfe_dialog.h"
#include "ui/meldung_dialog.h"
#include "ui/stat_info_dialog.h"
#include "users/benutzer_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

int main(int argc, char** argv) {
    VelmoraApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);

    // A second start brings the running program forward and ends.
    SingleInstance instance(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    if (!instance.acquire())
        return 0;

    TIntroForm splash(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
    splash.show();
    splash.repaint();
    app.processEvents();

    THaupt haupt(arguments);
    instance.setRaiseHandler([&haupt] { haupt.BringToFront(); });

    // The long-lived dialogs, in their creation order; each lives until the end.
    meldungDialog();
    benutzerDialog();
    einzelstatistikDialog();
    parameterDialog();
    hilfeDialog();
    optionenDialog();

    TDaten daten;
    statInfoDialog();
    QObject::connect(&einzelstatistikDialog(), &TEinzelstatistikDialog::explanationRequested,
                     &statInfoDialog(), [] { statInfoDialog().exec(); });
    ConnectPrinting();
    const GlobalState& g = globalState();
    QString message;
    if (!daten.LoadPictureLists(g.programFolder, g.displayWidth, languageState().language, &message)) {
        splash.hide();
        QMessageBox::critical(nullptr, QStringLiteral("Velmora"), message);
        return 1;
    }
    haupt.setResources(&daten);

    splash.hide();
    haupt.show();
    if (qEnvironmentVariableIsSet("VELMORA_QUIT_AFTER_FIRST_PAINT"))
        QObject::connect(&haupt, &THaupt::firstPainted, &haupt, &QWidget::close, Qt::QueuedConnection);
    return app.exec();
}
