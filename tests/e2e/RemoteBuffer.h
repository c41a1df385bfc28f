// Memory inside another process, for the control messages that take pointers: those are not carried
// across processes, so the structure and its text buffer must live in the control's own process.
// Both processes must have the same pointer size (the 64-bit driver drives the 64-bit build).
#pragma once
#include <windows.h>

#include <string>

class CRemoteBuffer {
public:
    // Allocates cb bytes in the process that owns hWnd.
    CRemoteBuffer(HWND hWnd, size_t cb);
    ~CRemoteBuffer();
    CRemoteBuffer(const CRemoteBuffer &) = delete;
    CRemoteBuffer &operator=(const CRemoteBuffer &) = delete;

    size_t Size() const { return m_cb; }
    // The address inside the other process, as a message parameter.
    LPARAM Param(size_t nOffset = 0) const;
    void *Address(size_t nOffset = 0) const;

    void Write(const void *pData, size_t cb, size_t nOffset = 0);
    void Read(void *pData, size_t cb, size_t nOffset = 0) const;
    template <class T> void WriteValue(const T &value, size_t nOffset = 0) { Write(&value, sizeof(T), nOffset); }
    template <class T> T ReadValue(size_t nOffset = 0) const
    {
        T value{};
        Read(&value, sizeof(T), nOffset);
        return value;
    }
    // Writes a string with its terminating zero.
    void WriteString(const std::wstring &str, size_t nOffset = 0);

    // Reads a zero-terminated string of at most cchMax characters at any address of the other process
    // (a control may answer with a pointer to its own text instead of filling the given buffer).
    std::wstring ReadStringAt(const void *pRemote, size_t cchMax) const;

private:
    HANDLE m_hProcess = nullptr;
    void *m_pRemote = nullptr;
    size_t m_cb = 0;
};
