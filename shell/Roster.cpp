#include "Roster.h"

#include "QorForm.h"

Roster::~Roster()
{
    destroyAll();
}

void Roster::add(QorForm* window)
{
    const QString name = window->objectName();
    if (this->window(name)) {
        int n = 1;
        while (this->window(name + QLatin1Char('_') + QString::number(n)))
            ++n;
        window->setObjectName(name + QLatin1Char('_') + QString::number(n));
    }
    m_windows.append(window);
}

void Roster::create(Services& services, const QList<Factory>& factories)
{
    for (const auto& make : factories) {
        QorForm* window = make(services);
        add(window);
        window->guard([window] { window->FormCreate(); });
    }
}

void Roster::destroyAll()
{
    while (!m_windows.isEmpty()) {
        QorForm* window = m_windows.takeLast();
        window->guard([window] { window->FormDestroy(); });
        delete window;
    }
}

QorForm* Roster::window(const QString& name) const
{
    for (QorForm* w : m_windows)
        if (w->objectName() == name)
            return w;
    return nullptr;
}
