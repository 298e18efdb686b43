#include "ui/widgets/list_double_click.h"

#include <QEvent>

namespace zrv {

ListDoubleClick::ListDoubleClick(QListWidget* list, std::function<void()> handler)
    : QObject(list), handler_(std::move(handler)) {
    list->viewport()->installEventFilter(this);
}

QString ListDoubleClick::selectedText(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->text();
}

// The first click of the pair has already selected the line under the pointer; the list goes
// on handling the event as usual.
bool ListDoubleClick::eventFilter(QObject* /*watched*/, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        handler_();
    }
    return false;
}

}  // namespace zrv
