#pragma once

#include <QListWidget>
#include <QObject>
#include <functional>

namespace zrv {

// A double click anywhere in a list, on a line or on the empty area below the lines.
// QListWidget itself only reports double clicks on a line.
class ListDoubleClick final : public QObject {
  public:
    ListDoubleClick(QListWidget* list, std::function<void()> handler);

    // The text of the selected line; empty when no line is selected.
    static QString selectedText(const QListWidget* list);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void()> handler_;
};

}  // namespace zrv
