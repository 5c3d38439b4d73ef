#pragma once

// Stores value in field and then calls notify, only when the value differs: an attribute set to
// what it already holds repaints nothing. Returns whether the field changed.
template <class T, class Notify> bool SetIfChanged(T& field, const T& value, Notify&& notify) {
    if (field == value)
        return false;
    field = value;
    notify();
    return true;
}
