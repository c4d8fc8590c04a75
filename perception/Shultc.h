#pragma once

#include "shell/QorForm.h"

#include <array>

class QLabel;
class QPainter;
class QPushButton;
class QTimer;
class RichTextBox;

// The Schulte table: the numbers 1 … n² scattered over an n × n table with a red dot at its centre. The user takes
// the table in with the eye resting on the dot. "Next" shows a new table and starts the frame timer, which then
// replaces the table every S × 300 ms.
class TFormShultz : public QorForm
{
    Q_OBJECT

public:
    explicit TFormShultz(Services& services);

    void FormCreate() override;
    void FormDestroy() override;
    void FormClose() override;
    // The big font measures the numbers' label, the small one is the window's own font.
    void userFontsChanged(const QFont& small, const QFont& big) override;

    // The font the numbers are drawn in.
    QFont tableFont() const;
    void setTableFont(const QFont& font);
    // The number shown in a cell (0 before the first table).
    int cell(int row, int column) const { return m_table[row][column]; }
    // The cell pitch of the last layout pass.
    int cellPitch() const { return m_pitch; }

    // Shared with the settings dialog: size n (rows = columns), frame time S in units of 300 ms (0: no automatic
    // change), table side P in pixels.
    int Raz = 4;
    int Sec = 100;
    int P = 0;

    QLabel* PanelTop;
    QWidget* Panel2;
    QWidget* Panel1;
    RichTextBox* Editor;
    QPushButton* ButtonNew;
    QPushButton* ButtonSet;
    QPushButton* ButtonHelp;
    QPushButton* ButtonEnd;
    QPushButton* ButtonStat;
    QPushButton* Button1;
    QLabel* Label1;
    QTimer* Timer1;

public Q_SLOTS:
    void New();
    void Timer1Timer();
    void FormResize();
    void Sett();
    void ButtonHelpClick();
    void Qutt();
    void SaveResults();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeControls();
    void DrawTable(QPainter& painter);

    std::array<std::array<int, 10>, 10> m_table{};
    int m_pitch = 0;
    // The help file was found: the intro text shows before the first table and after Exit.
    bool m_hasIntro = false;
};
