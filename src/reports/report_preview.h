#pragma once

#include <functional>

#include "report_layout.h"

class Prompts;
class QWidget;

// Shows the report in a modal print preview from which the user prints it, or saves it as a
// PDF file ("Save as PDF", proposing a file name from the report's name). Returns when the
// user closes the preview.
void PreviewReport(const ReportLayout& layout, Prompts& prompts, QWidget* parent);

struct AppContext;

// What a "Print" button does: builds the report (reading the list it prints at this moment),
// lays it out at the clock's present time and shows it as above. A failure on the way is shown
// in the error box.
void PrintReport(AppContext& ctx, QWidget* parent,
                 const std::function<ReportDefinition()>& buildReport);
