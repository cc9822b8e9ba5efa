#pragma once
// The message box of a model Message: its exact title, text, buttons, icon and default button.

#include <QMessageBox>
#include <memory>

#include "forms/host.h"

namespace pelzaro {

std::unique_ptr<QMessageBox> buildMessageBox(const Message& message, QWidget* parent);
// The answer of the button the user pressed; closing the box without a button answers as
// its negative button does (Cancel, No), or OK when OK is the only one.
MsgAnswer answerOf(const QMessageBox& box, const Message& message);

}  // namespace pelzaro
