// Giving a component its name, which keys its texts in the interface translation.
#pragma once

#include <QString>

namespace tabrin::ui {

template <typename Component>
Component* named(Component* component, const char* name) {
    component->setObjectName(QString::fromLatin1(name));
    return component;
}

}  // namespace tabrin::ui
