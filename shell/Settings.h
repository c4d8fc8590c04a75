#pragma once

#include "QorForm.h"

#include <QFont>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The user settings: the user's name and the small and big display fonts, which it pushes into the text displays
// of the flash reader, the letter-counting trainer and the Schulte table. Its texts are not translated.
class TFormSettings : public QorForm
{
    Q_OBJECT

public:
    explicit TFormSettings(Services& services);

    void FormCreate() override;
    void FormDestroy() override;

    static constexpr const char* kSection = "Speed_Main";
    // The windows that take the fonts, in the order they get them.
    static const QStringList& fontTargets();

    QLabel* Label1;
    QLabel* LabelSmall;
    QLabel* LabelBig;
    QPushButton* Button1;
    QPushButton* Button2;
    QLabel* Label4;
    QLineEdit* EditUserName;
    QPushButton* Button3;
    QCheckBox* CheckBox1;

    QFont smallFont;
    QFont bigFont;

public Q_SLOTS:
    void Small();
    void Big();
    void changefonts();
    void Button3Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The heights as the store keeps them: the stored value until a font is chosen in the dialog, then the chosen
    // font's character height (negative).
    int m_smallHeight = 12;
    int m_bigHeight = 24;
};
