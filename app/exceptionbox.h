#pragma once
// The standard message box for an exception that ends an operation (or, at
// the program entry, the program): the exception's message and an OK button.

#include <exception>

class QWidget;

namespace app {

void ShowExceptionMessage(QWidget* parent, const std::exception& error);

} // namespace app
