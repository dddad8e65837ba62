#include "screens.h"

#include "app/home_screen.h"
#include "app/placeholder_screen.h"
#include "setup/setup_screen.h"

QWidget* CreateScreen(ScreenId id, AppContext& ctx, QWidget* parent) {
    switch (id) {
        case ScreenId::Home:
            return new TfrmHome(ctx, parent);
        case ScreenId::ClockOperation:
            return new PlaceholderScreen(QStringLiteral("Clock Operation"), parent);
        case ScreenId::Member:
            return new PlaceholderScreen(QStringLiteral("Member"), parent);
        case ScreenId::Races:
            return new PlaceholderScreen(QStringLiteral("Races"), parent);
        case ScreenId::Setup:
            return new TfrmSetup(ctx, parent);
    }
    return nullptr;
}
