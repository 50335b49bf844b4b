#include "windows/Zwischenablage.h"

#include <QClipboard>
#include <QGuiApplication>

void TQtZwischenablage::SetzeText(const QString& text) { QGuiApplication::clipboard()->setText(text); }
