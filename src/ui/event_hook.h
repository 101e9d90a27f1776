#pragma once
// An event filter that hands every event it sees to a function; the function's result
// decides whether the event is swallowed. Lets a window watch the whole application
// without routing those events through its own eventFilter.

#include <QObject>
#include <functional>
#include <utility>

namespace vexlo::ui {

class EventHook : public QObject {
 public:
  using Handler = std::function<bool(QObject* watched, QEvent* event)>;
  EventHook(Handler handler, QObject* parent) : QObject(parent), handler_(std::move(handler)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override { return handler_(watched, event); }

 private:
  Handler handler_;
};

}  // namespace vexlo::ui
