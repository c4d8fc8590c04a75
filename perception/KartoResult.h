#pragma once

#include "shell/QorForm.h"

class QLabel;

// The answer dialog of the letter-counting trainer. It is created with the other windows and keeps its phrase
// list, but nothing shows it.
class TFormKartoResult : public QorForm
{
    Q_OBJECT

public:
    explicit TFormKartoResult(Services& services);

    void FormCreate() override;
    void FormDestroy() override;

    QLabel* Label1;
};
