#pragma once
// One widget per kind of control, wired so that what the user does reaches the model as the
// control's user action.

#include <QWidget>

namespace pelzaro {

class Binder;
class Control;

QWidget* buildControlWidget(Control& control, Binder& binder, QWidget* parent);

// Property by property from the model into the widget: every sync for the cheap flags,
// `withValue` for text, selection, items and drawing (when the control's revision moved).
void syncControlWidget(Control& control, QWidget* widget, bool withValue);

}  // namespace pelzaro
