#include "run/parameter_values.h"

#include <algorithm>

int ReadNumberEdit(const QString& text, const NumberField& field) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? value : field.minimum;
}

QString WriteNumberEdit(int value, const NumberField& field) {
    return QString::number(std::clamp(value, field.minimum, field.maximum));
}

StartCheck CheckRoundsOnStart(const QString& roundsText) {
    StartCheck check{true, false, roundsText};
    int rounds = ReadNumberEdit(roundsText, RoundsField);
    if (rounds < RoundsField.minimum) {
        rounds = RoundsField.minimum;
        check.roundsText = WriteNumberEdit(rounds, RoundsField);
    }
    if (rounds % 4 != 0) {
        // Down to a multiple of 4 (21..23 -> 20); writing clamps, so 250 -> 248 -> 200.
        check.roundsText = WriteNumberEdit(rounds - rounds % 4, RoundsField);
        check.accepted = false;
        check.corrected = true;
    }
    return check;
}

// Empty -> default; otherwise the value it reads, clamped. Letters thus show the minimum
// the run gets instead of staying in the edit.
static QString Repaired(const QString& text, const NumberField& field) {
    if (text.trimmed().isEmpty())
        return QString::number(field.defaultValue);
    return WriteNumberEdit(ReadNumberEdit(text, field), field);
}

RepairedTexts RepairOnClose(const QString& timeText, const QString& roundsText) {
    return {Repaired(timeText, TimeLimitField), Repaired(roundsText, RoundsField)};
}
