#pragma once
// Applies the language (or, in the master collection, records the texts) to
// real windows. A window's section is its class name (without namespace; a
// class without Q_OBJECT is named by its objectName); its controls are found by objectName,
// depth first in child order, never descending into other windows.
//
// Controls and keys (name = objectName):
//   window itself       ClassName.Caption (title), ClassName.Hint (tooltip)
//   QMenu               name.Caption (title), name.Hint (status tip); then its items
//   QAction             name.Caption (text), name.Hint (status tip)
//   QLabel, buttons     name.Caption, name.Hint
//   QLineEdit           name.Text, name.Hint
//   QGroupBox           name.Caption (title), name.Hint
//   QListWidget         name.Hint (looked up as special), name.Items[i]
//   QComboBox           as a list; name.Text first when editable
//   QStatusBar          name.Panels[i] for its QLabel children in order, name.Hint
//   QTableWidget        like a grid whose row 0 is the horizontal header:
//                       name.row[r] for the column-0 cell of row r that is no
//                       number (row 0: header 0, row r: item(r-1, 0)), then
//                       name.col[c] for header c, then name.Hint
//   QTabWidget          pageName.Pages[i].Caption (tab text), .Pages[i].Hint
//   QScrollBar          name.Hint, recorded only
// Line breaks are LF in the widgets and CR LF in the engine.
#include <string>
#include <vector>

class QWidget;

namespace vamok {

std::string WindowClassName(const QWidget& window);

// Translates every window, in the order given (the creation order).
void TranslateAllWindows(const std::vector<QWidget*>& windows);
// Translates one window; for windows created after the start.
void TranslateWindow(QWidget& window);

} // namespace vamok
