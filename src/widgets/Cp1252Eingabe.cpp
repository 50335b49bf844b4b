#include "widgets/Cp1252Eingabe.h"

#include "widgets/Cp1252.h"

#include <QComboBox>
#include <QLineEdit>
#include <QValidator>

namespace {

class TCp1252Validator final : public QValidator {
public:
  using QValidator::QValidator;
  State validate(QString& text, int&) const override {
    const QString gehalten = VonCp1252(NachCp1252(text));
    // The same length: each character outside the code page is one "?".
    if (gehalten != text) text = gehalten;
    return Acceptable;
  }
};

}  // namespace

void NurCp1252(QLineEdit* feld) { feld->setValidator(new TCp1252Validator(feld)); }

void NurCp1252(QComboBox* kombi) { kombi->setValidator(new TCp1252Validator(kombi)); }
