#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class QAction;
class QMenu;

// A menu item as a screen reader finds it, as Qt's own says it, and with its description: the
// tooltip the program set, which for a greyed-out item says why. Qt's own gives no description,
// so a reason shown only as a tooltip never reaches a screen reader.
class AccessibleMenuItem final : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    AccessibleMenuItem(QMenu *menu, QAction *action);

    // Installed once, before the first menu is asked for its items.
    static void install();

    bool isValid() const override;
    QObject *object() const override;
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString &text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    QPointer<QMenu> m_menu;
    QPointer<QAction> m_action;
};
