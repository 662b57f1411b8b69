// Translating a window as it was built: captions, hints, texts and item lists of its components.
#include "ui/windowtranslation.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>

#include <string>
#include <vector>

#include "app/translator.h"
#include "ui/qtext.h"
#include "ui/radiogroup.h"

namespace tabrin::ui {
namespace {

bool isNamed(const QObject* object) {
    const QString name = object->objectName();
    return !name.isEmpty() && !name.startsWith(QStringLiteral("qt_"));
}

// The component and its containers up to the window, outermost first.
std::vector<std::string> chainOf(const QWidget* component, const QWidget* window) {
    std::vector<std::string> chain;
    for (const QWidget* widget = component; widget != nullptr; widget = widget->parentWidget()) {
        if (isNamed(widget)) chain.insert(chain.begin(), fromQString(widget->objectName()));
        if (widget == window) break;
    }
    return chain;
}

class ComponentTranslator {
public:
    ComponentTranslator(app::Translator& translator, std::vector<std::string> chain)
        : m_translator(translator), m_chain(std::move(chain)) {}

    QString operator()(const char* property, const QString& value) const {
        return toQString(m_translator.translateProperty(m_chain, property, fromQString(value)));
    }

    template <typename Items>
    void items(Items* component) const {
        for (int position = 0; position < component->count(); ++position)
            component->setItemText(position,
                                   (*this)(app::itemPropertyName(position).c_str(), component->itemText(position)));
    }

private:
    app::Translator& m_translator;
    std::vector<std::string> m_chain;
};

// A page of a tab widget sits in the tab widget's own stack.
QTabWidget* tabWidgetOf(QWidget* page) {
    QWidget* stack = page->parentWidget();
    auto* tabs = stack != nullptr ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    return tabs != nullptr && tabs->indexOf(page) >= 0 ? tabs : nullptr;
}

class RadioGroupItems {
public:
    explicit RadioGroupItems(RadioGroup* group) : m_group(group) {}
    int count() const { return m_group->itemCount(); }
    QString itemText(int position) const { return m_group->itemText(position); }
    void setItemText(int position, const QString& text) { m_group->setItemText(position, text); }

private:
    RadioGroup* m_group;
};

void translateWidget(QWidget* widget, const ComponentTranslator& translate) {
    if (auto* group = qobject_cast<RadioGroup*>(widget)) {
        RadioGroupItems items(group);
        translate.items(&items);
        group->setTitle(translate("Caption", group->title()));
    } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        box->setTitle(translate("Caption", box->title()));
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(translate("Caption", button->text()));
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(translate("Caption", label->text()));
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(translate("Text", edit->text()));
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        // The text of a drop-down list is one of its items, translated with them.
        if (combo->isEditable()) combo->setEditText(translate("Text", combo->currentText()));
        translate.items(combo);
    } else if (QTabWidget* tabs = tabWidgetOf(widget)) {
        const int position = tabs->indexOf(widget);
        tabs->setTabText(position, translate("Caption", tabs->tabText(position)));
        tabs->setTabToolTip(position, translate("Hint", tabs->tabToolTip(position)));
        return;
    }
    widget->setToolTip(translate("Hint", widget->toolTip()));
}

// Menus and menu items belong to the window itself, whatever menu holds them.
void translateMenus(QWidget* window, app::Translator& translator, const std::vector<std::string>& windowChain) {
    const auto belowWindow = [&](const QObject* object) {
        std::vector<std::string> chain = windowChain;
        chain.push_back(fromQString(object->objectName()));
        return ComponentTranslator(translator, std::move(chain));
    };
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        if (isNamed(menu)) menu->setTitle(belowWindow(menu)("Caption", menu->title()));
    }
    for (QAction* action : window->findChildren<QAction*>()) {
        if (!isNamed(action)) continue;
        const ComponentTranslator translate = belowWindow(action);
        action->setText(translate("Caption", action->text()));
        action->setStatusTip(translate("Hint", action->statusTip()));
    }
}

}  // namespace

void translateWindow(QWidget* window, app::Translator& translator) {
    const std::vector<std::string> windowChain = chainOf(window, window);
    window->setWindowTitle(ComponentTranslator(translator, windowChain)("Caption", window->windowTitle()));
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (isNamed(widget) && !qobject_cast<QMenu*>(widget))
            translateWidget(widget, ComponentTranslator(translator, chainOf(widget, window)));
    }
    translateMenus(window, translator, windowChain);
}

}  // namespace tabrin::ui
