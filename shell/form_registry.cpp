#include "shell/form_registry.h"

namespace tawen {

void FormRegistry::release(QWidget* form) {
    std::erase_if(forms_, [form](const auto& entry) { return entry.second == form; });
    form->deleteLater();
}

void FormRegistry::discardAll() {
    for (auto& [type, form] : forms_) delete form.data();
    forms_.clear();
}

FormRegistry& forms() {
    static FormRegistry registry;
    return registry;
}

}  // namespace tawen
