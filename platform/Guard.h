#pragma once

#include "Dialogs.h"
#include "Errors.h"

#include <exception>

class QWidget;

// Runs an event handler. An error raised inside it is shown in an error box and the rest of the handler is
// skipped; the window stays usable. Exceptions never cross the Qt event loop. Returns false after an error.
template <class Handler> bool guarded(Dialogs& dialogs, QWidget* parent, Handler&& handler)
{
    try {
        handler();
        return true;
    } catch (const QorError& e) {
        dialogs.error(parent, e.message());
    } catch (const std::exception& e) {
        dialogs.error(parent, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        dialogs.error(parent, QStringLiteral("Unknown error"));
    }
    return false;
}
