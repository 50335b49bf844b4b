#pragma once
// The mouse pointer waits over all of the program's windows while a long
// piece of work runs: from construction to the end of the scope, however it
// is left. Close the scope before a box of the command is shown.

#include <QGuiApplication>

class TWartezeiger {
public:
  TWartezeiger() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~TWartezeiger() { QGuiApplication::restoreOverrideCursor(); }
  TWartezeiger(const TWartezeiger&) = delete;
  TWartezeiger& operator=(const TWartezeiger&) = delete;
};
