#pragma once

#include "platform/Automation.h"
#include "platform/ExcelXlsx.h"
#include "platform/OfficeUno.h"

// The automation objects this system offers: "com.sun.star.ServiceManager" is LibreOffice
// (through UNO), "Excel.Application" the .xlsx workbook that stands for Excel.
class FabriqueSysteme : public automation::Fabrique {
public:
    officeUno::Options office;
    excelXlsx::Options excel;

    automation::PtrObjet creer(const QString& programme) override;
    automation::PtrObjet actif(const QString& programme) override;
};
