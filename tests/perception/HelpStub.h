#pragma once

#include "shell/QorForm.h"

#include <QStringList>

// Stands in for the shared help window: records the help files it is asked to show.
class HelpStub : public QorForm
{
    Q_OBJECT

public:
    explicit HelpStub(Services& services) : QorForm(services, QStringLiteral("FormHelp")) {}
    void setOpenArgument(const QString& file) override { files.append(file); }
    QStringList files;
};
