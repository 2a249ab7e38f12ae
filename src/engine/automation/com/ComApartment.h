#pragma once

#include <memory>

// COM on the calling thread, entered with CoInitializeEx (single-threaded apartment) and
// left with CoUninitialize when the last holder lets go. Every object reached through
// an application instance holds the apartment it was created in, so the apartment
// outlives the last interface released in it. A thread the program entered already
// (the window's thread, entered for drag and drop) is simply joined.
class ComApartment
{
public:
    // The apartment of the calling thread; throws AutomationError when COM cannot start.
    static std::shared_ptr<ComApartment> enter();

    ComApartment(const ComApartment &) = delete;
    ComApartment &operator=(const ComApartment &) = delete;
    ~ComApartment();

private:
    explicit ComApartment(bool entered) : m_entered(entered) {}

    // Whether CoInitializeEx succeeded here and so wants its CoUninitialize.
    bool m_entered = false;
};
