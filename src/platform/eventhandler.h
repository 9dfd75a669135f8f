#pragma once

#include <QObject>

#include <exception>
#include <functional>
#include <type_traits>
#include <utility>

#include "platform/tapplication.h"

// Event handlers run as under the window toolkit: an exception a handler raises is shown
// in the application's error box and the program goes on. It is caught here, in the
// program's own frame: Qt's frames between a handler and the message loop are built
// without exception support, and unwinding through them would skip their clean-up.

// Runs handler, showing what it raises.
template <typename Handler>
void RunHandler(Handler&& handler)
{
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& error) {
        TApplication::ShowException(error.what());
    } catch (...) {
        TApplication::ShowException("");
    }
}

// A member function of the receiver, or a callable, taking the first arguments of a signal.
template <typename Handler, typename Receiver, typename... Arguments>
concept HandlerOf = (std::is_member_function_pointer_v<Handler> &&
                     std::is_invocable_v<const Handler&, Receiver*, Arguments...>) ||
                    (!std::is_member_function_pointer_v<Handler> && std::is_invocable_v<const Handler&, Arguments...>);

template <typename Receiver, typename Handler>
class GuardedHandler {
public:
    GuardedHandler(Receiver* receiver, Handler handler) : receiver_(receiver), handler_(std::move(handler)) {}

    template <typename... Arguments>
        requires HandlerOf<Handler, Receiver, Arguments...>
    void operator()(Arguments&&... arguments) const
    {
        RunHandler([&] {
            if constexpr (std::is_member_function_pointer_v<Handler>)
                std::invoke(handler_, receiver_, std::forward<Arguments>(arguments)...);
            else
                std::invoke(handler_, std::forward<Arguments>(arguments)...);
        });
    }

private:
    Receiver* receiver_;
    Handler handler_;
};

// QObject::connect for an event handler, run through RunHandler: a member function of
// receiver (&TDlgMain::btnUpdateClick) or a callable.
template <typename Sender, typename Signal, typename Receiver, typename Handler>
QMetaObject::Connection ConnectHandler(Sender* sender, Signal signal, Receiver* receiver, Handler handler)
{
    return QObject::connect(sender, signal, receiver, GuardedHandler<Receiver, Handler>(receiver, std::move(handler)));
}
