#pragma once

#include <QString>

// Captions the main form sets by language: its six buttons and the report labels.
enum class MainText {
    Benutzerbutton,
    Einstellungenbutton,
    Einzelstatistikbutton,
    Gesamtstatistikbutton,
    Hilfebutton,
    Exitbutton,
    ReportColor0,
    ReportLName,
    ReportLAdd1,
    ReportLAdd2,
    ReportLNr1,
    ReportLNr2,
    ReportLNr3,
    ReportLNr4,
    ReportLNr5,
    GesamtQRLabel1,
    GesamtQRLabel2,
    GesamtQRLabel3,
    GesamtQRLabel4,
    GesamtQRLabel5,
    GesamtQRLabel6,
    GesamtQRLabel7,
};

// The caption for the language; empty for any language other than 1 and 2.
QString MainCaption(MainText which, int language);
