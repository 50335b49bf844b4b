#pragma once
// The seam's production side: Qt's message boxes, speaking German through Qt's
// own translations, and the desktop's file dialogs.

#include "widgets/Dialoge.h"

class TQtDialoge final : public TDialoge {
public:
  TAntwort Meldung(QWidget* besitzer, const QString& titel, const QString& text, TKnoepfe knoepfe,
                   TSymbol symbol) override;
  std::optional<QString> Eingabe(QWidget* besitzer, const QString& titel,
                                 const QString& prompt) override;
  std::optional<QString> Datei(QWidget* besitzer, const TDateiDialog& dialog) override;
};
