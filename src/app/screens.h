#pragma once

#include <QWidget>

#include "data/app_context.h"

// The screens the main window's tool buttons show, in button order.
enum class ScreenId { Home, ClockOperation, Member, Races, Setup, Federation };

// Creates the screen `id`, owned by `parent`. The one place that knows which class each
// screen is.
QWidget* CreateScreen(ScreenId id, AppContext& ctx, QWidget* parent);
