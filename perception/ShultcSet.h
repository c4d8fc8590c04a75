#pragma once

#include "shell/QorForm.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The Schulte table's settings: frame time, size and side of the table, and the table font. It keeps no values
// of its own: it edits those of the Schulte window, which stores them.
class TFormShultzSet : public QorForm
{
    Q_OBJECT

public:
    explicit TFormShultzSet(Services& services);

    void FormCreate() override;
    void FormDestroy() override;

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLineEdit* EditS;
    QLineEdit* EditR;
    QLineEdit* EditP;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;

public Q_SLOTS:
    void FormActiv();
    void Button1Click();
    void Button2Click();
    void Button3Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fitToButton(int margin);
};
