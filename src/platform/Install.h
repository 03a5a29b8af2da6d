#pragma once

namespace platform {

// Puts one Service in place of the system's own for its lifetime, then puts
// back whatever was in place before, so installs nest. Tests install their
// doubles with it; the program installs nothing.
template <typename Service>
class Install {
public:
    explicit Install(Service &service) : previous(installed) { installed = &service; }
    ~Install() { installed = previous; }
    Install(const Install &) = delete;
    Install &operator=(const Install &) = delete;

    // The service installed last, else the system's own, made on first use
    // only: while a double is in place nothing of the system is touched.
    static Service &current(Service &(*system)()) { return installed ? *installed : system(); }

private:
    static inline Service *installed = nullptr;
    Service *previous;
};

} // namespace platform
