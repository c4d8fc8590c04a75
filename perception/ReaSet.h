#pragma once

#include "shell/QorForm.h"

class QLabel;
class QLineEdit;
class QPushButton;
class SpinEdit;
class TFormRead;

// The flash reader's settings: letters per frame, width of the frame label, show time, acceleration and the
// display font. It keeps nothing of its own: OK writes the values into the reader, which cuts its frames again.
class TFormReaSet : public QorForm
{
    Q_OBJECT

public:
    explicit TFormReaSet(Services& services);

    void FormCreate() override;
    void windowActivated() override { FormActivate(); }
    void FormDestroy() override;

    QLabel* Label5;
    QLabel* Label3;
    SpinEdit* Edit2;
    QLabel* Label4;
    QLabel* Label7;
    SpinEdit* SpinEdit2;
    QLabel* Label9;
    SpinEdit* SpinEdit3;
    QLabel* Label6;
    SpinEdit* SpinEdit1;
    QLabel* Label1;
    QLineEdit* Edit1;
    QLabel* Label2;
    QPushButton* ButtonCancel;
    QPushButton* Button3;
    QPushButton* Button1;

public Q_SLOTS:
    // Fills the fields from the reader.
    void FormActivate();
    void Save();
    void Font();
    void ButtonCancelClick();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    TFormRead& reader() const;
    void layOut();
};
