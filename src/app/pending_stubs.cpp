// Stand-ins until the form dialog and the help window are built in.
#include "app/forms/form_dialog.h"
#include "app/help/help.h"

#include <QString>

namespace kavrel {
#ifndef KAVREL_HAVE_FORMS
FormResult RunFormDialog(CFormModel&, IRecordTarget*, QWidget*) {
    return FormResult::Cancel;
}
#endif
#ifndef KAVREL_HAVE_HELP
namespace help {
QString HelpFilePath() {
    return {};
}
bool ShowContents(QWidget*) {
    return false;
}
bool ShowTopic(QWidget*, int) {
    return false;
}
bool ShowUsingHelp(QWidget*) {
    return false;
}
} // namespace help
#endif
} // namespace kavrel
