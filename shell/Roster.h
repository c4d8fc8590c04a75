#pragma once

#include "RosterTable.h"

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QorForm;
class Services;

#define QOR_DECLARE_WINDOW_CLASS(Class, Name) class Class;
QOR_ROSTER(QOR_DECLARE_WINDOW_CLASS)
#undef QOR_DECLARE_WINDOW_CLASS

// Every window of the program: created once at start-up in roster order, destroyed in reverse order at the end.
// Windows reach each other only through it.
class Roster
{
public:
    using Factory = std::function<QorForm*(Services&)>;

    Roster() = default;
    Roster(const Roster&) = delete;
    Roster& operator=(const Roster&) = delete;
    ~Roster();

    // Takes a window over. A second window of a name already taken is named name + "_" + the first free number
    // from 1, before its creation handler runs.
    void add(QorForm* window);
    // Builds each window and runs its creation handler (inside the guard), in order.
    void create(Services& services, const QList<Factory>& factories);
    // Runs the destruction handlers in the reverse order of creation (each inside the guard) and frees the windows.
    void destroyAll();

    QorForm* window(const QString& name) const;
    const QList<QorForm*>& windows() const { return m_windows; }

    // Typed access: roster.FormRead() is the flash reader (nullptr when missing or of another class). The caller
    // includes the window's header.
#define QOR_WINDOW_ACCESSOR(Class, Name)                                                                               \
    template <class T = Class> T* Name() const                                                                         \
    {                                                                                                                  \
        return qobject_cast<T*>(window(QStringLiteral(#Name)));                                                        \
    }
    QOR_ROSTER(QOR_WINDOW_ACCESSOR)
#undef QOR_WINDOW_ACCESSOR

private:
    QList<QorForm*> m_windows;
};

// The factories of every window in the roster table (RosterWindows.cpp, which links all subsystems).
QList<Roster::Factory> rosterFactories();
