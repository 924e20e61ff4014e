#pragma once

#include "platform/Automation.h"

#include <QString>
#include <functional>

// Stands for "Excel.Application" where there is no Excel to drive: an application object
// that accepts the calls of a transfer (Workbooks.Count/Add, ActiveWorkBook, Visible,
// ActiveSheet, cells.ClearContents, columns(j).NumberFormat, Cells.Item(r, c).Value) and,
// when it is released after being made visible, writes its workbook as an .xlsx file and
// hands it to the desktop, as Excel would stay open with the workbook in front of the user.
namespace excelXlsx {

struct Options {
    QString dossier; // where the workbook is written
    // Shows the written file to the user (the desktop's default application for .xlsx).
    std::function<void(const QString& chemin)> ouvrir;
    // Told when the workbook cannot be written (a message for the user).
    std::function<void(const QString& message)> echec;
};

// A new application object, without any workbook.
automation::PtrObjet creerApplication(const Options& options);

// First free name in the folder: "mesures.xlsx", then "mesures (2).xlsx", "mesures (3).xlsx"...
// The file is created empty so that nobody else takes it; empty when none can be created.
QString reserverNom(const QString& dossier);

} // namespace excelXlsx
