#pragma once
// An event slot: the window assigns one handler; raising it with none assigned does nothing.
#include <functional>
#include <utility>

namespace controles {

template <class... Args>
class Event {
public:
    using Handler = std::function<void(Args...)>;

    Event() = default;
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    Event& operator=(Handler h) {
        handler_ = std::move(h);
        return *this;
    }

    void operator()(Args... args) const {
        // A copy, so a handler that reassigns its own event keeps running safely.
        if (!handler_) return;
        Handler h = handler_;
        h(std::forward<Args>(args)...);
    }

    explicit operator bool() const { return static_cast<bool>(handler_); }

private:
    Handler handler_;
};

}  // namespace controles
