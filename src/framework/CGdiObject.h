#pragma once
// Owns one GDI object and deletes it: not copyable, movable. Borrowed objects are held
// as plain handles, never in one of these.
#include <windows.h>

#include <utility>

template <typename Handle>
class CGdiObject {
public:
    CGdiObject() = default;
    explicit CGdiObject(Handle handle) : m_hObject(handle) {}
    ~CGdiObject() { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    CGdiObject(CGdiObject&& other) noexcept : m_hObject(std::exchange(other.m_hObject, nullptr)) {}
    CGdiObject& operator=(CGdiObject&& other) noexcept
    {
        if (this != &other) {
            DeleteObject();
            m_hObject = std::exchange(other.m_hObject, nullptr);
        }
        return *this;
    }

    Handle GetSafeHandle() const { return m_hObject; }
    operator Handle() const { return m_hObject; }  // NOLINT: used where the handle is expected
    // Takes ownership of handle, deleting what was held before.
    void Attach(Handle handle)
    {
        DeleteObject();
        m_hObject = handle;
    }
    Handle Detach() { return std::exchange(m_hObject, nullptr); }
    void DeleteObject()
    {
        if (m_hObject != nullptr)
            ::DeleteObject(m_hObject);
        m_hObject = nullptr;
    }

private:
    Handle m_hObject = nullptr;
};
