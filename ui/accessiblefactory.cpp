// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessiblefactory.h"

#include "accessiblelineedit.h"

#include <QAccessibleWidget>
#include <QLineEdit>

namespace {

constexpr char roleProperty[] = "torvaneAccessibleRole";

QAccessibleInterface *accessibleFactory(const QString &, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (AccessibleLineEdit::needed)
        if (auto *edit = qobject_cast<QLineEdit *>(widget))
            return new AccessibleLineEdit(edit);
    const QVariant role = widget->property(roleProperty);
    return role.isValid() ? new QAccessibleWidget(widget, QAccessible::Role(role.toInt())) : nullptr;
}

} // namespace

void installAccessibleFactory()
{
    QAccessible::installFactory(accessibleFactory);
}

void setAccessibleRole(QWidget *widget, QAccessible::Role role)
{
    widget->setProperty(roleProperty, int(role));
}
