// A module-wide object whose life the library fixes: construct() and
// destroy() are called from the library's load and unload (plugin/module.cpp)
// in the order the module needs, not in the order static initialisation and
// link order would give. Each layer defines the module-wide objects it
// declares as `constinit` module_object values: constant-initialised, so no
// initialiser can run after the library's load and undo it.
#pragma once

#include <new>

namespace tolvik {

template <class T>
class module_object {
public:
    // Constructs the object; does nothing when it lives already.
    void construct() {
        if (!object_) object_ = new (storage_) T();
    }
    // Destroys it; does nothing when it does not live.
    void destroy() {
        if (!object_) return;
        object_->~T();
        object_ = nullptr;
    }
    // REQUIRES: constructed.
    T& get() { return *object_; }

private:
    alignas(T) unsigned char storage_[sizeof(T)] = {};
    T* object_ = nullptr;
};

}  // namespace tolvik
