#include "ui/accessible_roles.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace filmotas::ui {

namespace {

constexpr const char* kRoleProperty = "filmotasAccessibleRole";
constexpr const char* kCheckedProperty = "filmotasAccessibleChecked";

class WidgetInRole : public QAccessibleWidget {
 public:
  WidgetInRole(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    const QVariant checked = widget()->property(kCheckedProperty);
    if (checked.isValid()) {
      s.checkable = true;
      s.checked = checked.toBool();
    }
    return s;
  }

  // A button in another role is still pressed as a button.
  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (button()) names.prepend(pressAction());
    return names;
  }
  void doAction(const QString& name) override {
    if (name == pressAction() && button()) {
      if (button()->isEnabled()) button()->click();
      return;
    }
    QAccessibleWidget::doAction(name);
  }

 private:
  QAbstractButton* button() const { return qobject_cast<QAbstractButton*>(widget()); }
};

// Asked for every class of an object's ancestry, most derived first; installed after
// Qt's own factory, so asked before it.
QAccessibleInterface* widgetInRole(const QString&, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  const QVariant role = object->property(kRoleProperty);
  if (!role.isValid()) return nullptr;
  return new WidgetInRole(static_cast<QWidget*>(object), static_cast<QAccessible::Role>(role.toInt()));
}

}  // namespace

void setAccessibleRole(QWidget& widget, QAccessible::Role role) {
  static const bool installed = [] {
    QAccessible::installFactory(widgetInRole);
    return true;
  }();
  (void)installed;
  widget.setProperty(kRoleProperty, static_cast<int>(role));
  // An event sent while the widget was being made (its name set, say) may have made Qt's
  // interface already; drop it, so the next one asked for is made in the role.
  QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&widget);
  if (made && made->role() != role) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void setAccessibleChecked(QWidget& widget, bool checked) {
  const QVariant before = widget.property(kCheckedProperty);
  widget.setProperty(kCheckedProperty, checked);
  if (before.isValid() && before.toBool() == checked) return;
  QAccessible::State changed;
  changed.checked = true;
  QAccessibleStateChangeEvent event(&widget, changed);
  QAccessible::updateAccessibility(&event);
}

}  // namespace filmotas::ui
