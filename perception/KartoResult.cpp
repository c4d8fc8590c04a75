#include "KartoResult.h"

#include "Karto.h"
#include "shell/Roster.h"

#include <QLabel>

TFormKartoResult::TFormKartoResult(Services& services) : QorForm(services, QStringLiteral("FormKartoResult"))
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("Введите колич. букв"));
    Label1 = new QLabel(QStringLiteral("Введите с клаиватуры количество букв"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setGeometry(16, 16, 230, 40);
    setFixedSize(262, 72);
}

void TFormKartoResult::FormCreate()
{
    if (const TFormKarto* trainer = services().roster().FormKarto())
        setFolders(trainer->programFolder(), trainer->installRoot());
    else
        computeFolders();
    loadPhraseList();
    setWindowTitle(LookupPhrase(windowTitle()));
    Label1->setText(LookupPhrase(Label1->text()));
}

void TFormKartoResult::FormDestroy()
{
    savePhraseList();
}
