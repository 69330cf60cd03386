#pragma once

#include <string>
#include <utility>
#include <variant>

namespace kovrel {

// How a message is shown: the error icon for faults in the entry or a file, the information
// icon for calendar faults and notices.
enum class MessageIcon { Error, Information };

// The entry control a fault points at: the box that takes the focus, or the option that gets
// selected. Faults that are not about one control point at None.
enum class EntryControl {
    None,
    Name,
    LatDeg,
    LatMin,
    LonDeg,
    LonMin,
    City,
    State,
    Country,
    SelectNorth,
    SelectEast,
};

// Why an operation did not happen: a sentence for the user, the icon it is shown with and the
// control it is about.
struct Fault {
    std::string message;
    MessageIcon icon = MessageIcon::Error;
    EntryControl focus = EntryControl::None;

    bool operator==(const Fault&) const = default;
};

// For operations whose success carries nothing.
struct Done {
    bool operator==(const Done&) const = default;
};

// The one shape of everything that can fail: the value, or the fault that stopped it. A fault
// travels as data rather than as an exception because every caller shows it (a message box, a
// line on stderr, a JSON error object) and then goes on.
template <typename T = Done> class [[nodiscard]] Result {
  public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(Fault fault) : state_(std::in_place_index<1>, std::move(fault)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return std::get<0>(state_); }
    T& value() & { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    const T& operator*() const& { return value(); }
    const T* operator->() const { return &value(); }

    const Fault& fault() const { return std::get<1>(state_); }

  private:
    std::variant<T, Fault> state_;
};

inline Result<> Success() {
    return Done{};
}

} // namespace kovrel
