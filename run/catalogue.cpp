#include "run/catalogue.h"

#include "run/run_interfaces.h"

#include <algorithm>

namespace {

void SetPair(AttributeTable& table, int picture, int relevant, int other) {
    table[picture] = {relevant, other};
}

} // namespace

void FillAttributeTable(AttributeTable& table, int family, int version) {
    const int type = family * 10 + version;
    for (int a = 1; a <= 4; ++a) {
        switch (type) {
        case 11:
            SetPair(table, a - 1, a, a);
            break;
        case 12:
            SetPair(table, 8 + a - 1, a, a);
            break;
        case 21:
            SetPair(table, 4 + a - 1, a, a);
            break;
        case 22:
            for (int v = 0; v < 3; ++v)
                SetPair(table, 28 + 3 * (a - 1) + v, a, a);
            break;
        case 13:
        case 14:
            // a is the word meaning, b the ink colour; the ink varies fastest.
            for (int b = 1; b <= 4; ++b) {
                const int picture = 12 + 4 * (a - 1) + (b - 1);
                if (type == 13)
                    SetPair(table, picture, b, a);
                else
                    SetPair(table, picture, a, b);
            }
            break;
        case 23:
        case 24:
            // a is the digit value, n the number of digits, v the drawing.
            for (int n = 1; n <= 4; ++n)
                for (int v = 0; v < 3; ++v) {
                    const int picture = 40 + 12 * (a - 1) + 3 * (n - 1) + v;
                    if (type == 23)
                        SetPair(table, picture, n, a);
                    else
                        SetPair(table, picture, a, n);
                }
            break;
        default:
            return;
        }
    }
}

int TargetPicture(int family, int identity) {
    if (identity < 1 || identity > 4)
        return -1;
    return (family == 2 ? 4 : 0) + identity - 1;
}

void ResetTargetSet(TargetSet& targets, int family) {
    targets[0] = {0, -1};
    for (int k = 1; k <= 4; ++k)
        targets[k] = {k, TargetPicture(family, k)};
}

bool IsExcludedPicture(int picture) {
    return std::find(ExcludedPictures.begin(), ExcludedPictures.end(), picture) != ExcludedPictures.end();
}

int DrawStimulusOnce(int family, int version, int stimulusClass, Random& random) {
    const int c = stimulusClass;
    switch (family * 10 + version) {
    case 11:
        return c;
    case 12:
        return 8 + c;
    case 13:
        // Only the first three words: red is never shown as the word.
        return 12 + c + 4 * random.uniform(0, 2);
    case 14:
        return 12 + 4 * c + random.uniform(0, 3);
    case 21:
        return 4 + c;
    case 22:
        return 28 + 3 * c + random.uniform(0, 2);
    case 23: {
        // The drawing first, then the digit value (1..3 only).
        const int r = random.uniform(0, 2);
        const int s = random.uniform(0, 2);
        return 40 + 3 * c + r + 12 * s;
    }
    case 24:
        return 40 + 12 * c + random.uniform(0, 11);
    default:
        return -1;
    }
}

int DrawStimulus(int family, int version, int stimulusClass, Random& random) {
    int picture = DrawStimulusOnce(family, version, stimulusClass, random);
    while (IsExcludedPicture(picture))
        picture = DrawStimulusOnce(family, version, stimulusClass, random);
    return picture;
}

int LabelWordIndex(int family, int version) {
    if (family == 2)
        return (version == 1 || version == 4) ? 2 : 3;
    return (version == 1 || version == 3) ? 0 : 1;
}

QString LabelWord(const TextTable& texts, int family, int version) {
    return texts[LabelWordIndex(family, version)];
}

QString FamilyLabel(const TextTable& texts, int family) {
    const int first = family == 2 ? 2 : 0;
    return texts[first] + QLatin1Char('/') + texts[first + 1];
}

QString VersionLabel(int language, int version) {
    const QString digit = QString::number(version);
    return ByLanguage(language, QStringLiteral("Version ") + digit, QStringLiteral("version ") + digit);
}

QString PositionLabel(int language, int position) {
    if (position == 1)
        return ByLanguage(language, QStringLiteral("Variabler Rahmen"), QStringLiteral("variable frame"));
    return ByLanguage(language, QStringLiteral("Fester Rahmen"), QStringLiteral("steady frame"));
}

QString TypeKey(int family, int version, int position) {
    return QStringLiteral("Z-") + QString::number(family) + QString::number(version) +
           QString::number(position);
}

int IdentityNameIndex(int family, int identity) {
    return 12 + (family == 2 ? 4 : 0) + identity - 1;
}

QString IdentityName(const TextTable& texts, int family, int identity) {
    if (identity < 1 || identity > 4)
        return {};
    return texts[IdentityNameIndex(family, identity)];
}
