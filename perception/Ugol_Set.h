#pragma once

#include "shell/QorForm.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The field-of-view settings. It owns the stored settings of the exercise: at its creation it reads every key of
// the section and hands the values to the field-of-view window; its OK takes four values from the user and writes
// every key back.
class TFormUgolSet : public QorForm
{
    Q_OBJECT

public:
    explicit TFormUgolSet(Services& services);

    void FormCreate() override;
    void FormDestroy() override;

    // Read with the other keys and written back unchanged; nothing else uses them.
    bool Len_True = true;
    bool Verticale_True = true;

    QLabel* Label5;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label8;
    QLabel* Label6;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit5;
    QLineEdit* Edit6;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;

public Q_SLOTS:
    void FormActivate();
    void SavePar();
    void Button2Click();
    void Button3Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void loadSettings();
};
