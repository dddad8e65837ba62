#pragma once

#include <QByteArray>
#include <QString>

#include "report_layout.h"

class QPrinter;

// Paints a laid-out report for the print preview, the printer and PDF alike.

// Sets the printer to A4 portrait pages without printer margins (the layout has its own).
void PrepareReportPrinter(QPrinter& printer);
// Paints every page of the report on the printer (prepared as above). Throws UserError when
// the printer cannot be started.
void PaintReport(const ReportLayout& layout, QPrinter& printer);
// The report as a PDF document.
QByteArray ReportPdfBytes(const ReportLayout& layout);
// Writes the report to a PDF file, whole or not at all: a file that cannot be written throws
// FileWriteError naming it and the reason, and leaves a previous file of that name as it was.
void WriteReportPdf(const ReportLayout& layout, const QString& fileName);
// The file name proposed for saving a report as PDF: its name with the characters that a file
// name cannot hold replaced by "-", and ".pdf" after it.
QString ReportPdfFileName(const QString& reportName);
