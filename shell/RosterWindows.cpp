#include "Roster.h"

#include "Help.h"
#include "Menue.h"
#include "Settings.h"
#include "perception/ReaSet.h"
#include "perception/Spead.h"

QList<Roster::Factory> rosterFactories()
{
    return {
#define QOR_FACTORY(Class, Name) [](Services& services) -> QorForm* { return new Class(services); },
        QOR_ROSTER(QOR_FACTORY)
#undef QOR_FACTORY
    };
}
