#include "Roster.h"

#include "Help.h"
#include "Menue.h"
#include "Settings.h"
#include "perception/Karto.h"
#include "perception/KartoResult.h"
#include "perception/KartoSet.h"
#include "perception/ReaSet.h"
#include "perception/Shultc.h"
#include "perception/ShultcSet.h"
#include "perception/Spead.h"
#include "perception/Ugol_Set.h"
#include "perception/Ugolf.h"
#include "perception/Unit_findword.h"
#include "perception/Unit_metronom.h"
#include "perception/Unit_metronomSet.h"

QList<Roster::Factory> rosterFactories()
{
    return {
#define QOR_FACTORY(Class, Name) [](Services& services) -> QorForm* { return new Class(services); },
        QOR_ROSTER(QOR_FACTORY)
#undef QOR_FACTORY
    };
}
