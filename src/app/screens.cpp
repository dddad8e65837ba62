#include "screens.h"

#include "app/home_screen.h"
#include "clockops/synch_screen.h"
#include "federation/federation_screen.h"
#include "members/member_screen.h"
#include "races/race_screen.h"
#include "setup/setup_screen.h"

QWidget* CreateScreen(ScreenId id, AppContext& ctx, QWidget* parent) {
    switch (id) {
        case ScreenId::Home:
            return new TfrmHome(ctx, parent);
        case ScreenId::ClockOperation:
            return new TfrmSynch_TC(ctx, parent);
        case ScreenId::Member:
            return new TfrmMember_TC(ctx, parent);
        case ScreenId::Races:
            return new TfrmRace(ctx, parent);
        case ScreenId::Setup:
            return new TfrmSetup(ctx, parent);
        case ScreenId::Federation:
            return new TfrmFederation(ctx, parent);
    }
    return nullptr;
}
