#include "results/store_run_results.h"

#include "app/language.h"

void StoreRunResults(ResultsState& results, CurrentUserState& user, int language, const StoreRunUi& ui,
                     const AppendOptions& options) {
    if (!user.loggedIn()) {
        const QString question = ByLanguage(
            language,
            QString::fromUtf8(
                "Es ist noch kein Benutzer angemeldet. Möchten Sie jetzt einen Benutzer auswählen "
                "bzw. anlegen, damit die Daten gespeichert werden können?"),
            QStringLiteral("There is no user registered yet. Do you want to register a user now so that the "
                           "results can be saved?"));
        if (!question.isEmpty() && ui.message(question, QStringLiteral("info"), 8, true) == 6)
            ui.chooseUser();
    }
    if (!user.loggedIn() || !results.unsavedRun || results.runRecord.roundCount < 1)
        return;
    const FileResult r = StoreRun(results, CurrentResultsPath(user), options);
    if (r.code != FileOk) {
        const QString text = ByLanguage(language, QStringLiteral("Fehler beim Speichern der Statistik."),
                                        QStringLiteral("Error saving the statistics."));
        if (!text.isEmpty())
            ui.message(text, ByLanguage(language, QStringLiteral("Hinweis"), QStringLiteral("Info")), 4,
                       false);
    }
}
