#include "app/Actions.h"

#include <QAbstractScrollArea>
#include <QMenu>

#include "app/Icons.h"
#include "app/QtText.h"

namespace tolvane {

void MakeActions(QObject* parent, const std::vector<ActionDef>& defs, ActionMap& map) {
  for (const auto& d : defs) {
    auto* a = new QAction(ActionIcon(d.icon, Q(d.glyph)), Q(d.caption), parent);
    a->setObjectName(QString::fromLatin1(d.name));
    const QString hint = Q(d.hint);
    a->setToolTip(hint.isEmpty() ? Q(d.caption).remove(QStringLiteral("&"))
                                 : hint.section(QLatin1Char('|'), 0, 0));
    a->setStatusTip(hint.section(QLatin1Char('|'), -1));
    a->setProperty("category", Q(d.category));
    if (*d.shortcut) a->setShortcut(QKeySequence(QString::fromLatin1(d.shortcut)));
    map[d.name] = a;
  }
}

QAction* FindAction(const ActionMap& map, const char* name) {
  auto it = map.find(name);
  return it == map.end() ? nullptr : it->second;
}

void AttachPopup(QWidget* target, const ActionMap& map, const char* objectName,
                 std::vector<const char*> items) {
  std::vector<QAction*> actions;
  for (const char* n : items) actions.push_back(n[0] == '-' ? nullptr : FindAction(map, n));
  target->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(target, &QWidget::customContextMenuRequested, target,
                   [target, objectName, actions](const QPoint& p) {
                     // Scroll areas report the point in their viewport.
                     auto* area = qobject_cast<QAbstractScrollArea*>(target);
                     QWidget* origin = area ? area->viewport() : target;
                     QMenu m(target);
                     m.setObjectName(QString::fromLatin1(objectName));
                     for (QAction* a : actions) {
                       if (a) m.addAction(a);
                       else m.addSeparator();
                     }
                     m.exec(origin->mapToGlobal(p));
                   });
}

}  // namespace tolvane
