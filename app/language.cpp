#include "app/language.h"

#include <QFile>

LanguageState& languageState() {
    static LanguageState state;
    return state;
}

QString ByLanguage(int language, const QString& german, const QString& english) {
    if (language == German)
        return german;
    if (language == English)
        return english;
    return {};
}

int LoadLanguage(const QString& path, int current) {
    QString line;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        line = QString::fromLatin1(file.readLine());
    line = line.toLower().trimmed();
    if (line.size() < 3)
        return German;
    if (line.contains(QLatin1String("eng")))
        return English;
    return current;
}

void SetLanguageTexts(int language, TextTable& table) {
    static const TextTable german = {
        QStringLiteral("Farbe"),     QStringLiteral("Wort"),      QStringLiteral("Zahl"),
        QStringLiteral("Anzahl"),    QStringLiteral("Version 1"), QStringLiteral("Version 2"),
        QStringLiteral("Version 3"), QStringLiteral("Version 4"), QStringLiteral("Version 1"),
        QStringLiteral("Version 2"), QStringLiteral("Version 3"), QStringLiteral("Version 4"),
        QStringLiteral("Blau"),      QStringLiteral("Gelb"),      QStringLiteral("Grün"),
        QStringLiteral("Rot"),       QStringLiteral("Eins"),      QStringLiteral("Zwei"),
        QStringLiteral("Drei"),      QStringLiteral("Vier")};
    static const TextTable english = {
        QStringLiteral("color"),     QStringLiteral("word"),      QStringLiteral("digit"),
        QStringLiteral("number"),    QStringLiteral("version 1"), QStringLiteral("version 2"),
        QStringLiteral("version 3"), QStringLiteral("version 4"), QStringLiteral("version 1"),
        QStringLiteral("version 2"), QStringLiteral("version 3"), QStringLiteral("version 4"),
        QStringLiteral("blue"),      QStringLiteral("yellow"),    QStringLiteral("green"),
        QStringLiteral("red"),       QStringLiteral("one"),       QStringLiteral("two"),
        QStringLiteral("three"),     QStringLiteral("four")};
    if (language == German)
        table = german;
    else if (language == English)
        table = english;
}
