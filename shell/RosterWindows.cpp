#include "Roster.h"

#include "Menue.h"
#include "perception/Karto.h"
#include "perception/KartoResult.h"
#include "perception/KartoSet.h"
#include "perception/Shultc.h"
#include "perception/ShultcSet.h"
#include "perception/Ugol_Set.h"
#include "perception/Ugolf.h"
#include "perception/Unit_findword.h"

QList<Roster::Factory> rosterFactories()
{
    return {
#define QOR_FACTORY(Class, Name) [](Services& services) -> QorForm* { return new Class(services); },
        QOR_ROSTER(QOR_FACTORY)
#undef QOR_FACTORY
    };
}
