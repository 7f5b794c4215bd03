#pragma once
// Commands of the windows: an action made from one table row, and the
// pop-up menus made of such actions.
#include <QAction>
#include <map>
#include <string>
#include <vector>

class QWidget;

namespace tolvane {

struct ActionDef {
  const char* name;
  const char* caption;
  const char* hint;  // "short|long": tool tip and status text; one text serves both
  const char* shortcut;
  const char* icon;   // theme icon name
  const char* glyph;  // drawn when the theme lacks the icon
  const char* category = "";
};

using ActionMap = std::map<std::string, QAction*>;

// Makes the actions of the table, owned by `parent`, into `map`. An empty
// hint shows the caption as tool tip.
void MakeActions(QObject* parent, const std::vector<ActionDef>& defs, ActionMap& map);
QAction* FindAction(const ActionMap& map, const char* name);

// Shows a menu of the named actions ("-" for a separator) when the widget
// asks for its context menu.
void AttachPopup(QWidget* target, const ActionMap& map, const char* objectName,
                 std::vector<const char*> items);

}  // namespace tolvane
