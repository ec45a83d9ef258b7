#pragma once

#include "results/report_texts.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The temporary table the list page is printed from, in the user data folder.
inline constexpr char PrintTableName[] = "drucktmp.DBF";

// Deletes the table at path, creates it anew with the character fields F1..F8 and appends one
// record per list entry, in list order. False, with a reason in error, when the table cannot
// be created, its fields cannot be added or a record cannot be written.
bool BuildPrintTable(const QString& path, const QStringList& entries, QString* error = nullptr);

// The records of the table in table order; nothing when it cannot be opened.
std::optional<QList<PrintRow>> ReadPrintTable(const QString& path);
