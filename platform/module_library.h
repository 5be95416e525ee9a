#pragma once

#include <QLibrary>
#include <QString>

namespace platform {

// What a module of the program (a library beside it, loaded when first
// needed) offers through the one function it exports as `entry`. The module
// stays loaded for the rest of the run. Null when there is no module at
// `path` or it is not ours.
template <class Module>
const Module* moduleAt(const QString& path, const char* entry) {
    using Entry = const Module* (*)();
    const auto offer = reinterpret_cast<Entry>(QLibrary::resolve(path, entry));
    return offer == nullptr ? nullptr : offer();
}

}  // namespace platform
