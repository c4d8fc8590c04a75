#pragma once

#include "shell/QorForm.h"

class QLabel;
class QLineEdit;
class QPushButton;
class TFormKarto;

// The settings window of the letter-counting trainer: the two limits that size its tasks, the kept show time and
// the font of the letter field. It keeps nothing of its own: OK writes straight into the trainer.
class TFormKartoSet : public QorForm
{
    Q_OBJECT

public:
    explicit TFormKartoSet(Services& services);

    void FormCreate() override;
    void FormDestroy() override;
    void windowActivated() override { FormActivate(); }

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label6;
    QLineEdit* EditS;
    QLineEdit* EditWrong;
    QLineEdit* EditT;
    QPushButton* Button1;
    QPushButton* Button3;

public Q_SLOTS:
    void FormActivate();
    void Button1Click();
    void Button3Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TFormKarto* trainer() const;
};
