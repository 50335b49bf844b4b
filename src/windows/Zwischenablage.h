#pragma once
// Putting text on the clipboard.

#include <QString>

class TZwischenablage {
public:
  virtual ~TZwischenablage() = default;
  // Replaces the clipboard's contents with text, unchanged.
  virtual void SetzeText(const QString& text) = 0;
};

// The desktop's clipboard.
class TQtZwischenablage final : public TZwischenablage {
public:
  void SetzeText(const QString& text) override;
};
