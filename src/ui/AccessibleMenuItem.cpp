#include "ui/AccessibleMenuItem.h"

#include <QAction>
#include <QMenu>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace {

QAccessibleInterface *menuItemFactory(const QString &className, QObject *object)
{
    auto *action = qobject_cast<QAction *>(object);
    if (className != u"QAction"_s || !action)
        return nullptr;
    // Items of a menu only; a menu bar's, and any other, Qt describes itself.
    const QList<QObject *> placed = action->associatedObjects();
    for (QObject *where : placed) {
        if (auto *menu = qobject_cast<QMenu *>(where))
            return new AccessibleMenuItem(menu, action);
    }
    return nullptr;
}

// As Qt says a menu item's text: each '&' of a mnemonic dropped, "&&" read as "&".
QString withoutMnemonic(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&')
            text.remove(i, 1);
    }
    return text;
}

// The key of the item's mnemonic ("Alt+P"), as Qt gives it when the item has no shortcut.
QString mnemonicKey(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'&' && text[i + 1] != u'&')
            return QKeySequence(Qt::ALT).toString(QKeySequence::NativeText) + text[i + 1];
        if (text[i] == u'&')
            ++i;
    }
    return {};
}

// Without a tooltip of its own an action's tooltip is its text, stripped as Qt strips it.
bool hasOwnToolTip(const QAction &action)
{
    return action.toolTip() != QAction(action.text()).toolTip();
}

} // namespace

AccessibleMenuItem::AccessibleMenuItem(QMenu *menu, QAction *action)
    : m_menu(menu)
    , m_action(action)
{
}

void AccessibleMenuItem::install()
{
    // Once for the program, however many main windows tests make.
    static const bool installed = (QAccessible::installFactory(menuItemFactory), true);
    Q_UNUSED(installed);
}

bool AccessibleMenuItem::isValid() const
{
    return m_menu && m_action;
}

QObject *AccessibleMenuItem::object() const
{
    return m_action;
}

QWindow *AccessibleMenuItem::window() const
{
    return m_menu ? m_menu->windowHandle() : nullptr;
}

QAccessibleInterface *AccessibleMenuItem::parent() const
{
    return QAccessible::queryAccessibleInterface(m_menu);
}

QAccessibleInterface *AccessibleMenuItem::child(int index) const
{
    return index == 0 && m_action->menu() ? QAccessible::queryAccessibleInterface(m_action->menu())
                                          : nullptr;
}

int AccessibleMenuItem::childCount() const
{
    return m_action->menu() ? 1 : 0;
}

int AccessibleMenuItem::indexOfChild(const QAccessibleInterface *child) const
{
    return child && m_action->menu() && child->object() == m_action->menu() ? 0 : -1;
}

QAccessibleInterface *AccessibleMenuItem::childAt(int, int) const
{
    return nullptr;
}

QString AccessibleMenuItem::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return withoutMnemonic(m_action->text());
    case QAccessible::Description:
        return hasOwnToolTip(*m_action) ? m_action->toolTip() : QString();
    case QAccessible::Accelerator:
        return m_action->shortcut().isEmpty() ? mnemonicKey(m_action->text())
                                              : m_action->shortcut().toString();
    default:
        return {};
    }
}

void AccessibleMenuItem::setText(QAccessible::Text, const QString &)
{
}

QRect AccessibleMenuItem::rect() const
{
    const QRect where = m_menu->actionGeometry(m_action);
    return QRect(m_menu->mapToGlobal(where.topLeft()), where.size());
}

QAccessible::Role AccessibleMenuItem::role() const
{
    return m_action->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
}

QAccessible::State AccessibleMenuItem::state() const
{
    QAccessible::State state;
    state.invisible = !m_menu->testAttribute(Qt::WA_WState_Visible) || !m_action->isVisible();
    state.focused = m_menu->activeAction() == m_action;
    state.hotTracked = m_menu->style()->styleHint(QStyle::SH_Menu_MouseTracking, nullptr, m_menu);
    state.disabled = m_action->isSeparator() || !m_action->isEnabled();
    state.checkable = m_action->isCheckable();
    state.checked = m_action->isChecked();
    return state;
}

void *AccessibleMenuItem::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this)
                                                : nullptr;
}

QStringList AccessibleMenuItem::actionNames() const
{
    if (m_action->isSeparator())
        return {};
    return {m_action->menu() ? showMenuAction() : pressAction()};
}

void AccessibleMenuItem::doAction(const QString &actionName)
{
    if (!m_action->isEnabled())
        return;
    if (actionName == pressAction())
        m_action->trigger();
    else if (actionName == showMenuAction() && m_action->menu())
        m_menu->setActiveAction(m_action);
}

QStringList AccessibleMenuItem::keyBindingsForAction(const QString &) const
{
    return {};
}
