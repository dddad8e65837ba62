#pragma once

#include <QString>

struct AppContext;
struct MemberSettings;
class QWidget;

// "Loft Data Download" of the member screen: initialises the clock on the club antenna for the
// member's loft and shows the green banner `panelLoftDL` on `screen` for 2000 ms on success.
// The serial port is open for the action only.
void RunLoftDataDownload(QWidget* screen, AppContext& ctx, const MemberSettings& settings,
                         const QString& loftNo);
