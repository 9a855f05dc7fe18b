#include "i18n/TranslatorWidget.h"

#include "core/Cp1252.h"
#include "core/MessageDialog.h"
#include "i18n/LanguageEngine.h"
#include "i18n/LanguageText.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

namespace vamok {

namespace {

std::string ToText(const QString& text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\n', QStringLiteral("\r\n"));
    return ToCp1252(lines);
}

QString ToQt(const std::string& text)
{
    return FromCp1252(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string NameOf(const QObject& object) { return ToCp1252(object.objectName()); }

// Qt's own parts of a composite control carry names starting with "qt_".
bool IsNamed(const QObject& object)
{
    const QString name = object.objectName();
    return !name.isEmpty() && !name.startsWith(QStringLiteral("qt_"));
}

// Controls whose inner parts are no controls of the window.
bool IsLeaf(const QObject& object)
{
    return qobject_cast<const QComboBox*>(&object) || qobject_cast<const QAbstractItemView*>(&object) ||
           qobject_cast<const QAbstractSpinBox*>(&object) || qobject_cast<const QLineEdit*>(&object) ||
           qobject_cast<const QStatusBar*>(&object) || qobject_cast<const QScrollBar*>(&object) ||
           qobject_cast<const QTabBar*>(&object);
}

class Walker {
public:
    explicit Walker(WindowTexts& texts) : texts_(texts) {}

    void translate(QWidget& window)
    {
        const std::string name = WindowClassName(window);
        pass(PropertyKey(name, "Caption"), window.windowTitle(), [&](const QString& t) { window.setWindowTitle(t); });
        hint(name, window);
        children(window);
    }

private:
    template <class Set>
    void pass(const std::string& key, const QString& current, Set set)
    {
        const std::string before = ToText(current);
        const std::string after = texts_.text(key, before);
        if (after != before) {
            set(ToQt(after));
        }
    }

    void hint(const std::string& name, QWidget& widget)
    {
        pass(PropertyKey(name, "Hint"), widget.toolTip(), [&](const QString& t) { widget.setToolTip(t); });
    }

    void children(QObject& parent)
    {
        for (QObject* child : parent.children()) {
            const auto* widget = qobject_cast<QWidget*>(child);
            if (widget && widget->isWindow() && !qobject_cast<QMenu*>(child)) {
                continue; // another window, with its own section
            }
            if (IsNamed(*child)) {
                control(*child, NameOf(*child));
            }
            if (!IsLeaf(*child)) {
                children(*child);
            }
        }
    }

    void control(QObject& object, const std::string& name)
    {
        if (auto* menu = qobject_cast<QMenu*>(&object)) {
            action(*menu->menuAction(), name);
        } else if (auto* item = qobject_cast<QAction*>(&object)) {
            action(*item, name);
        } else if (auto* label = qobject_cast<QLabel*>(&object)) {
            pass(PropertyKey(name, "Caption"), label->text(), [&](const QString& t) { label->setText(t); });
            hint(name, *label);
        } else if (auto* button = qobject_cast<QAbstractButton*>(&object)) {
            pass(PropertyKey(name, "Caption"), button->text(), [&](const QString& t) { button->setText(t); });
            hint(name, *button);
        } else if (auto* edit = qobject_cast<QLineEdit*>(&object)) {
            pass(PropertyKey(name, "Text"), edit->text(), [&](const QString& t) { edit->setText(t); });
            hint(name, *edit);
        } else if (auto* group = qobject_cast<QGroupBox*>(&object)) {
            pass(PropertyKey(name, "Caption"), group->title(), [&](const QString& t) { group->setTitle(t); });
            hint(name, *group);
        } else if (auto* list = qobject_cast<QListWidget*>(&object)) {
            listBox(*list, name);
        } else if (auto* combo = qobject_cast<QComboBox*>(&object)) {
            comboBox(*combo, name);
        } else if (auto* bar = qobject_cast<QStatusBar*>(&object)) {
            statusBar(*bar, name);
        } else if (auto* grid = qobject_cast<QTableWidget*>(&object)) {
            table(*grid, name);
        } else if (auto* tabs = qobject_cast<QTabWidget*>(&object)) {
            tabPages(*tabs);
        } else if (auto* scroll = qobject_cast<QScrollBar*>(&object)) {
            texts_.recordOnly(PropertyKey(name, "Hint"), ToText(scroll->toolTip()));
        }
    }

    void action(QAction& item, const std::string& name)
    {
        pass(PropertyKey(name, "Caption"), item.text(), [&](const QString& t) { item.setText(t); });
        pass(PropertyKey(name, "Hint"), item.statusTip(), [&](const QString& t) { item.setStatusTip(t); });
    }

    // The hint of a list decides whether its items are translated.
    bool listHint(QWidget& widget, const std::string& name)
    {
        bool translateItems = true;
        const std::string before = ToText(widget.toolTip());
        const std::string after = texts_.listHint(name, before, translateItems);
        if (after != before) {
            widget.setToolTip(ToQt(after));
        }
        return translateItems;
    }

    void listBox(QListWidget& list, const std::string& name)
    {
        if (!listHint(list, name)) {
            return;
        }
        for (int i = 0; i < list.count(); ++i) {
            QListWidgetItem* item = list.item(i);
            pass(IndexedKey(name, "Items", static_cast<std::size_t>(i)), item->text(),
                 [&](const QString& t) { item->setText(t); });
        }
    }

    void comboBox(QComboBox& combo, const std::string& name)
    {
        if (!listHint(combo, name)) {
            return;
        }
        // The edit text is looked up first but set last: renaming the
        // current item would overwrite it.
        QString editText = combo.currentText();
        if (combo.isEditable()) {
            pass(PropertyKey(name, "Text"), editText, [&](const QString& t) { editText = t; });
        }
        for (int i = 0; i < combo.count(); ++i) {
            pass(IndexedKey(name, "Items", static_cast<std::size_t>(i)), combo.itemText(i),
                 [&](const QString& t) { combo.setItemText(i, t); });
        }
        if (combo.isEditable()) {
            combo.setEditText(editText);
        }
    }

    void statusBar(QStatusBar& bar, const std::string& name)
    {
        std::size_t panel = 0;
        for (QObject* child : bar.children()) {
            if (auto* label = qobject_cast<QLabel*>(child)) {
                pass(IndexedKey(name, "Panels", panel++), label->text(), [&](const QString& t) { label->setText(t); });
            }
        }
        hint(name, bar);
    }

    // Row 0 of the grid is the horizontal header; row r > 0 is table row r - 1.
    void table(QTableWidget& grid, const std::string& name)
    {
        for (int r = 0; r <= grid.rowCount(); ++r) {
            QTableWidgetItem* cell = r == 0 ? grid.horizontalHeaderItem(0) : grid.item(r - 1, 0);
            if (cell && !IsWholeNumber(ToText(cell->text()))) {
                pass(IndexedKey(name, "row", static_cast<std::size_t>(r)), cell->text(),
                     [&](const QString& t) { cell->setText(t); });
            }
        }
        for (int c = 0; c < grid.columnCount(); ++c) {
            if (QTableWidgetItem* header = grid.horizontalHeaderItem(c)) {
                pass(IndexedKey(name, "col", static_cast<std::size_t>(c)), header->text(),
                     [&](const QString& t) { header->setText(t); });
            }
        }
        hint(name, grid);
    }

    void tabPages(QTabWidget& tabs)
    {
        for (int i = 0; i < tabs.count(); ++i) {
            const QWidget* page = tabs.widget(i);
            if (!IsNamed(*page)) {
                continue;
            }
            const std::string key = IndexedKey(NameOf(*page), "Pages", static_cast<std::size_t>(i));
            pass(key + ".Caption", tabs.tabText(i), [&](const QString& t) { tabs.setTabText(i, t); });
            pass(key + ".Hint", tabs.tabToolTip(i), [&](const QString& t) { tabs.setTabToolTip(i, t); });
        }
    }

    WindowTexts& texts_;
};

void InstallMessageBoxes()
{
    if (!Language().showMessage) {
        Language().showMessage = MessageBoxesOver(nullptr);
    }
}

} // namespace

std::string WindowClassName(const QWidget& window)
{
    std::string name = window.metaObject()->className();
    const std::size_t scope = name.rfind("::");
    if (scope != std::string::npos) {
        name.erase(0, scope + 2);
    }
    // A window class without its own meta object reports Qt's base class;
    // its objectName then names it.
    if (name.starts_with('Q') && !window.objectName().isEmpty()) {
        return NameOf(window);
    }
    return name;
}

void TranslateAllWindows(const std::vector<QWidget*>& windows)
{
    InstallMessageBoxes();
    if (!Language().startTranslation()) {
        return;
    }
    for (QWidget* window : windows) {
        if (window) {
            TranslateWindow(*window);
        }
    }
}

void TranslateWindow(QWidget& window)
{
    InstallMessageBoxes();
    const WindowPass pass = Language().startWindow(WindowClassName(window));
    if (pass == WindowPass::Skip) {
        return;
    }
    WindowTexts texts(Language(), pass);
    Walker(texts).translate(window);
}

} // namespace vamok
