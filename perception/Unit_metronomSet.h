#pragma once

#include "shell/QorForm.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class TMetronom;

// The metronome's settings: loads a rhythm file into the metronome's table, saves the table as a rhythm file, and
// sets how many milliseconds every interval gets shorter (or longer) each second while the rhythm plays.
class TFormMetronomSet : public QorForm
{
    Q_OBJECT

public:
    explicit TFormMetronomSet(Services& services);

    void FormCreate() override;
    void FormDestroy() override;
    // Closing without OK brings the number fields back to the values in effect.
    void FormClose() override;

    QFrame* Panel1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QPushButton* ButtonLoad;
    QPushButton* ButtonUnLoad;
    QPushButton* ButtonCancel;
    QPushButton* ButtonOK;

public Q_SLOTS:
    void ButtonLoadClick();
    void ButtonUnLoadClick();
    void ButtonOKClick();
    void ButtonCancelClick();

private:
    // The metronome this window sets; throws QorError when the roster has none.
    TMetronom& metronom() const;
    QString defaultFile() const;

    // The texts of the two fields as last confirmed with OK.
    QString m_speedUp;
    QString m_slowDown;
};
