#include "shell/form_registry.h"

#include <algorithm>

namespace tawen {

void FormRegistry::release(QWidget* form) {
    std::erase_if(forms_, [form](const auto& entry) { return entry.second == form; });
    form->deleteLater();
}

bool FormRegistry::isLoaded(const QWidget& form) const {
    return std::any_of(forms_.begin(), forms_.end(),
                       [&form](const auto& entry) { return entry.second == &form; });
}

void FormRegistry::discardAll() {
    for (auto& [type, form] : forms_) delete form.data();
    forms_.clear();
    closing_ = false;
}

QWidget* FormRegistry::find(std::type_index type) const {
    const auto found = forms_.find(type);
    return found == forms_.end() ? nullptr : found->second.data();
}

QWidget& FormRegistry::mainWindow() { return loadMainWindow_(); }

void FormRegistry::returnToMainWindow() {
    if (QWidget* main = find(mainWindow_); main && !closing_) main->show();
}

void FormRegistry::unloadForMainWindow() {
    closing_ = true;
    for (const std::type_index type : unloadOrder_)
        if (QWidget* form = find(type)) form->close();
}

FormRegistry& forms() {
    static FormRegistry registry;
    return registry;
}

}  // namespace tawen
