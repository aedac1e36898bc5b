#pragma once

#include <QString>

// What a round asks of the main window. The window implements it; the round never sees a widget.
// Lengths are in twips; colours are stored values 0x00BBGGRR.
class GameView
{
public:
    enum class Label { lblStart, lblWin, lblSpell, lblButtons };

    virtual ~GameView() = default;

    virtual void setLabelVisible(Label label, bool visible) = 0;
    virtual void setLabelCaption(Label label, const QString &caption) = 0;

    // The remark label sizes itself to its caption; the round reads that width and places it.
    virtual int lblWinWidth() const = 0;
    virtual void setLblWinLeft(int left) = 0;
    virtual int innerWidth() const = 0;

    // Letter slots lblPick(0..14).
    virtual void setPickVisible(int index, bool visible) = 0;
    virtual void setPickCaption(int index, const QString &caption) = 0;
    virtual void setPickToolTip(int index, const QString &toolTip) = 0;

    // Letter buttons cmdLetter(0..27).
    virtual void setLetterEnabled(int index, bool enabled) = 0;
    virtual void setLetterBackColor(int index, quint32 color) = 0;

    // Shows gallows picture imgHang(index) and hides the others.
    virtual void showHangPicture(int index) = 0;
};
