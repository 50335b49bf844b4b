#pragma once
// Helpers for window tests that work with files in a temporary folder.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <vector>

inline QByteArray LiesBytes(const QString& pfad) {
  QFile datei(pfad);
  if (!datei.open(QIODevice::ReadOnly)) return {};
  return datei.readAll();
}

inline void SchreibBytes(const QString& pfad, const QByteArray& bytes) {
  QFile datei(pfad);
  if (datei.open(QIODevice::WriteOnly | QIODevice::Truncate)) datei.write(bytes);
}

inline QByteArray AlsBytes(const std::vector<std::uint8_t>& bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
}
