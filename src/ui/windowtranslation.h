// Translating a window as it was built: captions, hints, texts and item lists of its components.
#pragma once

class QWidget;

namespace tabrin::app {
class Translator;
}

namespace tabrin::ui {

/// Applies the interface translation to `window`'s caption and to every named component it holds,
/// each keyed by the chain of names from the window down to it. Qt's own objects (named "qt_…")
/// and unnamed ones are not part of any chain; menus and their items are keyed below the window.
void translateWindow(QWidget* window, app::Translator& translator);

}  // namespace tabrin::ui
