#pragma once
// Edits that take only what code page 1252 can hold: a character it cannot
// hold becomes "?" as soon as it is typed or pasted, so what the user sees is
// what is stored.

class QComboBox;
class QLineEdit;

void NurCp1252(QLineEdit* feld);
void NurCp1252(QComboBox* kombi);
