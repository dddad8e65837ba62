#pragma once

#include "report_layout.h"

class Prompts;
class QWidget;

// Shows the report in a modal print preview from which the user prints it, or saves it as a
// PDF file ("Save as PDF", proposing a file name from the report's name). Returns when the
// user closes the preview.
void PreviewReport(const ReportLayout& layout, Prompts& prompts, QWidget* parent);
