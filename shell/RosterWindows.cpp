#include "Roster.h"

#include "Menue.h"
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
