#pragma once

#include <QString>

// What the help window shows, as HelpTopics sees it.
class HelpTopicsView
{
public:
    virtual ~HelpTopicsView() = default;

    virtual void addTitle(const QString &title) = 0;
    // Selects a list position as a click would; the window passes the change on to
    // HelpTopics::showTopic.
    virtual void selectPosition(int position) = 0;
    virtual void setHeading(const QString &heading) = 0;
    // Replaces whatever the box holds, shown from its beginning.
    virtual void setDescription(const QString &text) = 0;
};
