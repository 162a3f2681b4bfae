#pragma once
// Shows any form model as a modal Qt dialog over the main window.

#include "entry/form_host.h"

class QWidget;

namespace kavrel {

class CFormModel;
class IRecordTarget;

// Runs the form modally until it records, is cancelled or closed; Record goes to target.
FormResult RunFormDialog(CFormModel& model, IRecordTarget* target, QWidget* parent);

} // namespace kavrel
