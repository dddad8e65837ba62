#pragma once

#include <QString>

#include "report_layout.h"

class QPrinter;

// Paints a laid-out report for the print preview, the printer and PDF alike.

// Sets the printer to A4 portrait pages without printer margins (the layout has its own).
void PrepareReportPrinter(QPrinter& printer);
// Paints every page of the report on the printer (prepared as above). Throws UserError when
// the printer cannot be started.
void PaintReport(const ReportLayout& layout, QPrinter& printer);
// Writes the report to a PDF file. Throws UserError when the file cannot be written.
void WriteReportPdf(const ReportLayout& layout, const QString& fileName);
// The file name proposed for saving a report as PDF: its name with the characters that a file
// name cannot hold replaced by "-", and ".pdf" after it.
QString ReportPdfFileName(const QString& reportName);
