#include "calculators/form_catalog.h"

#include "calculators/compound/compound_dlg.h"

namespace kavrel {

namespace {

template <class Form, class... Args>
std::function<std::unique_ptr<CFormModel>()> Make(Args... args) {
    return [=] { return std::make_unique<Form>(args...); };
}

} // namespace

std::span<const FormEntry> FormCatalog() {
    // In the order of kavrel-calc --list.
    static const FormEntry entries[] = {
        {"compound-interest", CCompoundDlg::CommandId, "Compound Interest", Make<CCompoundDlg>()},
    };
    return entries;
}

const FormEntry* FindFormBySlug(std::string_view slug) {
    for (const FormEntry& entry : FormCatalog())
        if (entry.slug == slug)
            return &entry;
    return nullptr;
}

const FormEntry* FindFormByCommand(int commandId) {
    for (const FormEntry& entry : FormCatalog())
        if (entry.commandId == commandId)
            return &entry;
    return nullptr;
}

} // namespace kavrel
