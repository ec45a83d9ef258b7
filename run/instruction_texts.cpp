#include "run/instruction_texts.h"

#include "app/language.h"

namespace {

struct Instruction {
    const char* german;
    const char* english;
};

// Family 1 versions 1..4, then family 2 versions 1..4; lines joined by "\r".
constexpr Instruction Instructions[8] = {
    {"In der Mitte erscheint eine FARBE.\rBewegen Sie diese Farbe so rasch wie möglich zur passenden "
     "Farbe.\r\rFARBE zu FARBE",
     "A COLOR will appear in the center.\rMove the color to the matching color as fast as possible.\r\rCOLOR "
     "to COLOR"},
    {"In der Mitte erscheint ein WORT.\rBewegen Sie das Wort so rasch wie möglich zu der genannten "
     "Farbe.\r\rWORT zur FARBE",
     "A WORD will appear in the center.\rMove the word to the named color as fast as possible.\r\rWORD to "
     "COLOR"},
    {"In der Mitte erscheint ein WORT.\rAchten Sie nur auf die Farbe des Wortes!\rBewegen Sie die Wortfarbe "
     "zur gezeigten Farbe.\r\rNicht auf den Wortinhalt reagieren!",
     "A WORD will appear in the center.\rJust pay attention to the color of the word!\rMove the color of the "
     "word to the shown color.\r\rDo not respond to the meaning of the word!"},
    {"In der Mitte erscheint ein WORT.\rAchten Sie auf den Wortinhalt!\rBewegen Sie das Wort zur genannten "
     "Farbe.\r\rNicht auf die Schriftfarbe reagieren!",
     "A WORD will appear in the center.\rJust pay attention to the meaning of the word!\rMove the word to "
     "the "
     "mentioned color.\r\rDo not respond to the color of the font!"},
    {"In der Mitte erscheint eine Zahl.\rBewegen Sie diese Zahl so rasch wie möglich zur passenden "
     "Zahl.\r\rZAHL zu ZAHL",
     "A digit will appear in the center.\rMove the digit to the matching digit as fast as possible.\r\rDIGIT "
     "to DIGIT"},
    {"In der Mitte erscheinen Punkte.\rBewegen Sie richtige Anzahl (Menge) der Punkte zu der genannten "
     "Zahl.\r\rANZAHL zur ZAHL",
     "Dots will appear in the center.\rMove the correct number (amount) to the matching digit as fast as "
     "possible.\r\rNUMBER to DIGIT"},
    {"In der Mitte erscheinen mehrere Zahlen.\rAchten Sie nur auf die Anzahl der Zahlen!\rBewegen Sie "
     "genannte Menge zur richtigen Zahl.\r\rNicht auf den Zahleninhalt reagieren!",
     "Several digits will appear in the center.\rJust pay attention to the number of digits!\rMove the "
     "amount "
     "to the matching digit.\r\rDo not respond to the meaning of the digit!"},
    {"In der Mitte erscheinen mehrere Zahlen.\rAchten Sie nur auf die genannten Zahlen!\rBewegen Sie die "
     "Zahlen zur genannten Zahl.\r\rNicht auf die Anzahl reagieren!",
     "Several digits will appear in the center.\rJust pay attention to the mentioned digits!\rMove the "
     "matching digit to the mentioned digit.\r\rDo not respond to the numbers of digits!"},
};

} // namespace

QString InstructionText(int language, int family, int version) {
    if ((family != 1 && family != 2) || version < 1 || version > 4)
        return QString();
    const Instruction& t = Instructions[(family - 1) * 4 + (version - 1)];
    return ByLanguage(language, QString::fromUtf8(t.german), QString::fromUtf8(t.english));
}

QString StartPrompt(int language, bool joystickInUse) {
    if (joystickInUse)
        return ByLanguage(language, QStringLiteral("Starten Sie über die Leertaste oder den Joystickknopf"),
                          QStringLiteral("Press the space bar or the joystick button to start"));
    return ByLanguage(language, QStringLiteral("Starten Sie über die Leertaste"),
                      QStringLiteral("Press the space bar to start"));
}

QString WithLineBreaks(const QString& text) {
    return QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}
