#pragma once

// The title screen's window as its rules see it. Which bears show, where they stand and what the
// picture areas show are the controls' own state: the rules read and set it here. Lengths are
// twips.
class TitleScreenView
{
public:
    enum class Side { Left, Right };

    virtual ~TitleScreenView() = default;

    virtual bool isBearVisible(Side side) const = 0;
    virtual void showBear(Side side) = 0;
    virtual double bearTop(Side side) const = 0;
    virtual void setBearTop(Side side, double top) = 0;
    virtual double bearHeight(Side side) const = 0;
    virtual double makerLineTop() const = 0;
    virtual double titleTop() const = 0;

    // The gallows picture a picture area shows, or -1 while it is empty.
    virtual int shownGallowsPicture(Side side) const = 0;
    virtual void showGallowsPicture(Side side, int index) = 0;
    virtual void showDedication() = 0;

    virtual bool isHideTicked() const = 0;
};
